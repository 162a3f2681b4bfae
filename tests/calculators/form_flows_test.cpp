// SPDX-License-Identifier: GPL-3.0-or-later
// What a form does beyond one calculation, which the command line cannot reach: switching the
// unknown, a full document, a schedule replacing it, a Record after a Calculate that stopped.
#include "calculators/compound/compound_dlg.h"
#include "calculators/date_arithmetic/date_arithmetic_dlg.h"
#include "calculators/discounted_cash_flow/discounted_cash_flow_dlg.h"
#include "calculators/loan_amortization/loan_amortization_dlg.h"
#include "calculators/simple_interest/simple_interest_dlg.h"
#include "resources/strings.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

using test::Form;

enum { Periods = 11, Rate, Present, Future, UnknownPresent = 23, UnknownFuture };

TEST(Compound, SwitchingTheUnknownRestoresTheSavedText) {
    Form<CCompoundDlg> f;
    f.Solve(UnknownFuture, {{Periods, "40"}, {Rate, "8"}, {Present, "1000"}});
    f.host.Click(UnknownPresent);
    EXPECT_EQ(f.model.Text(Future), "2208.04"); // the result stays as the field's text
    EXPECT_TRUE(f.model.IsEnabled(Future));
    EXPECT_EQ(f.model.Text(Present), "");
    EXPECT_FALSE(f.model.IsEnabled(Present));
    f.host.Click(UnknownFuture);
    EXPECT_EQ(f.model.Text(Present), "1000.00");
}

TEST(Compound, ARecordThatDoesNotFitIsRefusedWholeAndTheFormStaysOpen) {
    Form<CCompoundDlg> f;
    f.doc = test::BufferTarget(100);
    f.Solve(UnknownFuture, {{Periods, "40"}, {Rate, "8"}, {Present, "1000"}});
    f.host.Click(IDC_RECORD);
    EXPECT_EQ(f.doc.text, "");
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_DOCUMENT_FULL));
    EXPECT_EQ(f.host.icons.back(), MessageIcon::Stop);
    EXPECT_EQ(f.host.result, FormResult::None);
}

enum { FirstDue = 131, Count = 31, LoanRate = 32, Principal = 33, UnknownPayment = 44 };
constexpr int Schedule = CLoanAmortizationDlg::IDC_SCHEDULE;

struct Amortization : Form<CLoanAmortizationDlg> {
    explicit Amortization(const char* count, std::string text = "") {
        doc.text = std::move(text);
        Solve(UnknownPayment,
              {{FirstDue, "2/1/2001"}, {Count, count}, {LoanRate, "12"}, {Principal, "1000"}});
    }
};

// The schedule replaces the whole text, asking first unless there is none (a line break is
// text enough to ask); one that cannot be had asks nothing and loses nothing.
TEST(LoanAmortization, TheScheduleReplacesTheDocumentOnlyWhenItMay) {
    const std::string ask(LoadString(89));
    const struct {
        const char *count, *text;
        bool yes, replaced;
        std::string firstMessage;
    } rows[] = {
        {"12", "", false, true, "len="},
        {"12", "\r\n", true, true, ask},
        {"12", "\r\n", false, false, ask},
        {"900", "\r\n", true, false, "Amortization Schedule is too large..."},
    };
    std::string schedule; // what the first row writes into an empty document
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.count << " payments, answered " << row.yes);
        Amortization f(row.count, row.text);
        f.host.answerYes = row.yes;
        f.host.Click(Schedule);
        if (schedule.empty()) schedule = f.doc.text;
        ASSERT_FALSE(f.host.messages.empty());
        EXPECT_TRUE(f.host.messages[0].starts_with(row.firstMessage)) << f.host.messages[0];
        EXPECT_EQ(f.doc.text, row.replaced ? schedule : row.text);
        EXPECT_EQ(f.doc.modified, row.replaced);
        EXPECT_EQ(f.host.result, row.replaced ? FormResult::Ok : FormResult::None);
        EXPECT_EQ(f.host.waiting, 0);
    }
}

TEST(LoanAmortization, TheScheduleUsesTheCalculatedTermsNotLaterTyping) {
    Amortization f("12");
    f.host.Enter(Principal, "5000");
    f.model.UserSelected(30, 0); // weekly
    f.host.Click(Schedule);
    EXPECT_NE(f.doc.text.find(" Loan Principal: $      1000.00"), std::string::npos);
    EXPECT_NE(f.doc.text.find("Payments are made:       Monthly"), std::string::npos);
}

// Dates too close are refused at once; the day count and weekday wait for both dates.
TEST(SimpleInterest, TheDatePairDrivesTheDayCount) {
    using Dlg = CSimpleInterestDlg;
    enum { Start = 1004, End = 1005, Weekday = 1006 };
    const std::tuple<const char*, const char*, bool> rows[] = {{"1/1/2001", "12/31/2000", true},
                                                               {"1/1/2001", "1/31/200", false},
                                                               {"1/1/200", "1/31/2001", false}};
    for (auto [start, end, refused] : rows) {
        SCOPED_TRACE(testing::Message() << start << " to " << end);
        Form<Dlg> f;
        f.host.Enter(Start, start);
        f.host.Enter(End, end);
        EXPECT_EQ(f.model.Text(Dlg::IDC_DAYS), "");
        EXPECT_EQ(f.model.Text(Weekday), "   ");
        EXPECT_EQ(f.host.LastMessage(), refused ? LoadString(IDS_NOT_ENOUGH_DIFFERENCE) : "");
        EXPECT_EQ(f.host.focus, refused ? End : 0);
    }
    Form<Dlg> f; // days from the dates become the unknown's saved text
    f.host.Click(Dlg::IDC_UNKNOWN_DAYS);
    f.host.Enter(End, "3/15/2001");
    f.host.Click(Dlg::IDC_UNKNOWN_FUTURE_VALUE);
    EXPECT_EQ(f.model.Text(Dlg::IDC_DAYS), "59");
}

// Periods the stopped Calculate did not read are recorded as 0.
TEST(DiscountedCashFlow, RecordAfterAStoppedCalculateShowsUnreadPeriodsAsZero) {
    using Dlg = CDiscountedCashFlowDlg;
    Form<Dlg> f;
    f.Solve(0, {{Dlg::IDC_RATE, "10"}, {Dlg::IDC_CASH_FLOWS, "1000 0\r\n0 600\r\n0 600"}});
    ASSERT_TRUE(f.model.IsEnabled(IDC_RECORD));
    f.Solve(0, {{Dlg::IDC_CASH_FLOWS, "2000 0\r\n300\r\n0 900"}});
    EXPECT_EQ(f.host.LastMessage(), "Cash flows not complete...");
    EXPECT_EQ(f.host.focus, Dlg::IDC_CASH_FLOWS);
    f.host.Click(IDC_RECORD);
    EXPECT_NE(f.doc.text.find("\r\n     0            2000               0\r\n"
                              "     1               0               0\r\n"
                              "     2               0               0\r\n"),
              std::string::npos)
        << f.doc.text;
}

TEST(DateArithmetic, WidensTheYearsForItsLifetimeOnly) {
    { CDateArithmeticDlg form; }
    EXPECT_FALSE(CDate(1, 1, 2501).valid);
}

} // namespace
} // namespace kavrel
