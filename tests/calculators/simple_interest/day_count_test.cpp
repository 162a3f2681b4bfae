#include "calculators/simple_interest/bank_discount_dlg.h"
#include "calculators/simple_interest/simple_interest_dlg.h"
#include "entry/date_field.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <memory>

namespace kavrel {
namespace {

using test::BufferTarget;
using test::RecordingHost;
using Dlg = CDayCountDlg;

enum { Start = 1004, End = 1005, Weekday = 1006, Calculate = 1001, Record = 1003 };
enum Kind { Exact, Bankers, Discount };

struct Form {
    explicit Form(Kind kind) {
        TheDecimalFieldMemory() = {};
        TheDateFieldMemory() = {};
        CDate::SetTodayOverride(CDate(1, 1, 2001)); // a Monday
        if (kind == Discount)
            dlg = std::make_unique<CBankDiscountDlg>();
        else
            dlg = std::make_unique<CSimpleInterestDlg>();
        host = std::make_unique<RecordingHost>(*dlg, &doc);
        dlg->Open();
        if (kind == Bankers) host->Click(CSimpleInterestDlg::IDC_BASIS_360);
    }
    ~Form() { CDate::SetTodayOverride(std::nullopt); }
    BufferTarget doc;
    std::unique_ptr<CFormModel> dlg;
    std::unique_ptr<RecordingHost> host;
};

struct SolveCase {
    const char* name;
    Kind kind;
    int unknownButton, unknownField;
    const char *days, *rate, *pv, *fv;
    const char* expected; // "" when "Unknown exceeds preset limits..." is expected
    const char* interest;
};

// By hand: 1000 * (1 + 0.08 * 73 / 365) = 1016; on 360 days 1016.22; the day count from a
// gain of 16.15 at 8 % is 16.15 / 80 * 365 = 73.68 days, shown as 74; bank discount
// 1000 * (1 - 0.06 * 90 / 360) = 985; 40 % over 900 days discounts the whole face value.
const SolveCase SolveCases[] = {
    {"exact_future_value", Exact, Dlg::IDC_UNKNOWN_FUTURE_VALUE, Dlg::IDC_FUTURE_VALUE, "73", "8",
     "1000", "", "1016.00", "16.00"},
    {"bankers_future_value", Bankers, Dlg::IDC_UNKNOWN_FUTURE_VALUE, Dlg::IDC_FUTURE_VALUE, "73",
     "8", "1000", "", "1016.22", "16.22"},
    {"exact_present_value", Exact, Dlg::IDC_UNKNOWN_PRESENT_VALUE, Dlg::IDC_PRESENT_VALUE, "73",
     "8", "", "1016", "1000.00", "16.00"},
    {"exact_rate", Exact, Dlg::IDC_UNKNOWN_RATE, Dlg::IDC_RATE, "73", "", "1000", "1016", "8.000",
     "16.00"},
    {"days_rounded_to_nearest", Exact, Dlg::IDC_UNKNOWN_DAYS, Dlg::IDC_DAYS, "", "8", "1000",
     "1016.15", "74", "16.15"},
    {"days_without_gain", Exact, Dlg::IDC_UNKNOWN_DAYS, Dlg::IDC_DAYS, "", "8", "1000", "1000", "",
     ""},
    {"discount_present_value", Discount, Dlg::IDC_UNKNOWN_PRESENT_VALUE, Dlg::IDC_PRESENT_VALUE,
     "90", "6", "", "1000", "985.00", "15.00"},
    {"discount_future_value", Discount, Dlg::IDC_UNKNOWN_FUTURE_VALUE, Dlg::IDC_FUTURE_VALUE, "90",
     "6", "985", "", "1000.00", "15.00"},
    {"discount_rate", Discount, Dlg::IDC_UNKNOWN_RATE, Dlg::IDC_RATE, "90", "", "985", "1000",
     "6.000", "15.00"},
    {"discount_days", Discount, Dlg::IDC_UNKNOWN_DAYS, Dlg::IDC_DAYS, "", "6", "985", "1000", "90",
     "15.00"},
    {"discount_takes_whole_face_pv", Discount, Dlg::IDC_UNKNOWN_PRESENT_VALUE,
     Dlg::IDC_PRESENT_VALUE, "900", "40", "", "1000", "", ""},
    {"discount_takes_whole_face_fv", Discount, Dlg::IDC_UNKNOWN_FUTURE_VALUE, Dlg::IDC_FUTURE_VALUE,
     "900", "40", "1000", "", "", ""},
    {"discount_rate_of_thousandfold_growth", Discount, Dlg::IDC_UNKNOWN_RATE, Dlg::IDC_RATE, "90",
     "", "1", "1000", "", ""},
};

class DayCountSolve : public testing::TestWithParam<SolveCase> {};

TEST_P(DayCountSolve, SolvesOrRejectsTheUnknown) {
    const SolveCase& c = GetParam();
    Form f(c.kind);
    f.host->Click(c.unknownButton);
    const std::pair<int, const char*> inputs[] = {{Dlg::IDC_DAYS, c.days},
                                                  {Dlg::IDC_RATE, c.rate},
                                                  {Dlg::IDC_PRESENT_VALUE, c.pv},
                                                  {Dlg::IDC_FUTURE_VALUE, c.fv}};
    for (auto [id, text] : inputs)
        if (*text) f.host->Enter(id, text);
    f.host->Click(Calculate);
    EXPECT_EQ(f.dlg->Text(c.unknownField), c.expected);
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_INTEREST), c.interest);
    EXPECT_EQ(f.dlg->IsEnabled(Record), *c.expected != 0);
    if (*c.expected)
        EXPECT_TRUE(f.host->messages.empty()) << f.host->LastMessage();
    else
        EXPECT_EQ(f.host->LastMessage(), "Unknown exceeds preset limits...");
}

INSTANTIATE_TEST_SUITE_P(Examples, DayCountSolve, testing::ValuesIn(SolveCases),
                         [](const auto& tested) { return std::string(tested.param.name); });

TEST(SimpleInterest, SolvedDaysMoveTheEndDate) {
    Form f(Exact);
    EXPECT_EQ(f.dlg->Text(Start), "1/1/2001");
    f.host->Click(Dlg::IDC_UNKNOWN_DAYS);
    f.host->Enter(Dlg::IDC_RATE, "8");
    f.host->Enter(Dlg::IDC_PRESENT_VALUE, "1000");
    f.host->Enter(Dlg::IDC_FUTURE_VALUE, "1016.15");
    f.host->Click(Calculate);
    // 1/1/2001 plus 74 days (30 + 28 + 16) is a Friday.
    EXPECT_EQ(f.dlg->Text(End), "3/16/2001");
    EXPECT_EQ(f.dlg->Text(Weekday), "Fri");
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_DAYS), "74");
}

struct DatePairCase {
    const char *start, *end;
    const char *days, *weekday;
    bool refused;
};

// 1/1/2001 to 3/15/2001: 30 + 28 + 15 days, ending on a Thursday; a year to the day in 2000
// has 366 days.
const DatePairCase DatePairs[] = {
    {"1/1/2001", "3/15/2001", "73", "Thu", false}, {"1/1/2000", "1/1/2001", "366", "Mon", false},
    {"1/1/2001", "1/2/2001", "1", "Tue", false},   {"1/1/2001", "1/1/2001", "", "   ", true},
    {"3/15/2001", "1/1/2001", "", "   ", true},    {"1/1/2001", "3/15/20", "", "   ", false},
};

TEST(SimpleInterest, DatePairDrivesTheDayCountAndWeekday) {
    for (const DatePairCase& c : DatePairs) {
        Form f(Exact);
        f.host->Enter(Start, c.start);
        f.host->Enter(End, c.end);
        EXPECT_EQ(f.dlg->Text(Dlg::IDC_DAYS), c.days) << c.start << " " << c.end;
        if (!c.refused) {
            EXPECT_EQ(f.dlg->Text(Weekday), c.weekday) << c.end;
        }
        EXPECT_EQ(f.host->LastMessage(), c.refused ? "Not enough difference between dates..." : "");
        if (c.refused) {
            EXPECT_EQ(f.host->focus, End);
        }
    }
}

TEST(SimpleInterest, DaysFromDatesBecomeTheSavedUnknownText) {
    Form f(Exact);
    f.host->Click(Dlg::IDC_UNKNOWN_DAYS);
    f.host->Enter(End, "3/15/2001");
    f.host->Click(Dlg::IDC_UNKNOWN_FUTURE_VALUE);
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_DAYS), "73");
}

TEST(SimpleInterest, BasisSwitchesCaptionAndTitleWithoutRecalculating) {
    Form f(Exact);
    EXPECT_EQ(f.dlg->Caption(), "Exact Simple Interest");
    f.host->Enter(Dlg::IDC_RATE, "8");
    f.host->Enter(Dlg::IDC_PRESENT_VALUE, "1000");
    f.host->Enter(End, "3/15/2001");
    f.host->Click(Calculate);
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_FUTURE_VALUE), "1016.00");
    f.host->Click(CSimpleInterestDlg::IDC_BASIS_360);
    EXPECT_EQ(f.dlg->Caption(), "Bankers' Rule Simple Interest");
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_FUTURE_VALUE), "1016.00");
    f.host->Click(Calculate);
    f.host->Click(Record);
    EXPECT_EQ(f.host->result, FormResult::Ok);
    EXPECT_EQ(f.doc.text, "\r\n          BANKERS' RULE SIMPLE INTEREST\r\n\r\n"
                          "Start Date:                               1/1/2001\r\n"
                          "End Date:                                3/15/2001\r\n"
                          "Number of Days:                                 73\r\n"
                          "Annual Rate (%):                             8.000\r\n"
                          "Present Value ($):                         1000.00\r\n"
                          "Future Value ($):                          1016.22\r\n"
                          "Interest ($):                                16.22\r\n");
    f.host->Click(CSimpleInterestDlg::IDC_BASIS_365);
    EXPECT_EQ(f.dlg->Caption(), "Exact Simple Interest");
}

TEST(BankDiscount, CancelWritesNothing) {
    Form f(Discount);
    EXPECT_EQ(f.dlg->Caption(), "Bank Discount");
    f.host->Enter(Dlg::IDC_DAYS, "90");
    f.host->Enter(Dlg::IDC_RATE, "6");
    f.host->Enter(Dlg::IDC_PRESENT_VALUE, "985");
    f.host->Click(Calculate);
    EXPECT_TRUE(f.dlg->IsEnabled(Record));
    f.host->Click(2);
    EXPECT_EQ(f.host->result, FormResult::Cancel);
    EXPECT_EQ(f.doc.text, "");
}

} // namespace
} // namespace kavrel
