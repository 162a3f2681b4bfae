#include "calculators/loan_amortization/loan_amortization_dlg.h"
#include "entry/date_field.h"
#include "resources/strings.h"
#include "schedule_lines.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <cctype>

namespace kavrel {
namespace {

using test::BufferTarget;
using test::RecordingHost;

enum { Name = 130, FirstDue = 131, Frequency = 30, Count = 31, Rate = 32, Principal = 33 };
enum { Payment = 34, Balloon = 35, Schedule = 138, Export = 139, Chart = 1006 };
enum { UnknownCount = 41, UnknownRate = 42, UnknownPrincipal = 43, UnknownPayment = 44 };
enum { UnknownBalloon = 45 };

struct Form {
    Form() : host(dlg, &doc) {
        TheDecimalFieldMemory() = {};
        TheDateFieldMemory() = {};
        CDate::SetTodayOverride(CDate(1, 15, 2001));
        dlg.Open();
    }
    ~Form() { CDate::SetTodayOverride(std::nullopt); }
    // Makes `unknownButton` the unknown, types the given fields and presses Calculate.
    void Calculate(int unknownButton, std::initializer_list<std::pair<int, const char*>> fields) {
        host.Click(unknownButton);
        for (auto [id, text] : fields)
            host.Enter(id, text);
        host.Click(1001);
    }
    CLoanAmortizationDlg dlg;
    BufferTarget doc;
    RecordingHost host;
};

TEST(LoanAmortization, OpensWithPaymentUnknownMonthlyAndToday) {
    Form f;
    EXPECT_EQ(f.dlg.Text(FirstDue), "1/15/2001");
    EXPECT_EQ(f.dlg.Text(Frequency), "Monthly");
    EXPECT_EQ(f.dlg.Text(Balloon), "0.00");
    for (int id : {+Count, +Rate, +Principal, +Payment})
        EXPECT_EQ(f.dlg.Text(id), "") << id;
    EXPECT_FALSE(f.dlg.IsEnabled(Payment));
    EXPECT_TRUE(f.dlg.IsChecked(UnknownPayment));
    for (int id : {+Schedule, +Export, +Chart})
        EXPECT_FALSE(f.dlg.IsEnabled(id)) << id;
}

struct SolveCase {
    const char* name;
    int unknownButton;
    int unknownField;
    const char *count, *rate, *principal, *payment, *balloon;
    const char* expected; // "" for "Unknown exceeds preset limits..."
    const char* balloonAfter = nullptr;
};

// Worked out independently: 1000 * 0.01 / (1 - 1.01^-12) = 88.8488; 88.85 * (1 - 1.01^-12) /
// 0.01 = 1000.0136; ln(88.85 / 78.85) / ln(1.01) = 11.9998, which leaves 1.01^12 * (1000 -
// 1000.0136) = -0.0154 owed; bisection on the present value gives 12.0026 %.
const SolveCase SolveCases[] = {
    {"payment", UnknownPayment, Payment, "12", "12", "1000", "", "0", "88.85"},
    {"principal", UnknownPrincipal, Principal, "12", "12", "", "88.85", "0", "1000.01"},
    {"count_rounds_and_resets_balloon", UnknownCount, Count, "", "12", "1000", "88.85", "0", "12",
     "-0.02"},
    {"rate", UnknownRate, Rate, "12", "", "1000", "88.85", "0", "12.003"},
    {"balloon_of_interest_only_loan", UnknownBalloon, Balloon, "24", "12", "1000", "10", "",
     "1000.00"},
    {"payment_short_of_interest", UnknownCount, Count, "", "12", "1000", "5", "0", ""},
    {"rate_of_a_gift", UnknownRate, Rate, "12", "", "1000", "50", "0", ""},
};

class LoanAmortizationSolve : public testing::TestWithParam<SolveCase> {};

TEST_P(LoanAmortizationSolve, ShowsTheResultOrRejectsIt) {
    const SolveCase& c = GetParam();
    Form f;
    f.host.Click(c.unknownButton);
    const std::pair<int, const char*> inputs[] = {{Count, c.count},
                                                  {Rate, c.rate},
                                                  {Principal, c.principal},
                                                  {Payment, c.payment},
                                                  {Balloon, c.balloon}};
    for (auto [id, text] : inputs)
        if (id != c.unknownField) f.host.Enter(id, text);
    f.host.Click(1001);
    EXPECT_EQ(f.dlg.Text(c.unknownField), c.expected);
    if (c.balloonAfter) {
        EXPECT_EQ(f.dlg.Text(Balloon), c.balloonAfter);
    }
    if (*c.expected) {
        EXPECT_TRUE(f.host.messages.empty()) << f.host.LastMessage();
        EXPECT_TRUE(f.dlg.IsEnabled(Schedule));
        if (c.unknownField == Balloon) {
            EXPECT_EQ(f.dlg.Text(Count), "24"); // left as entered
        }
    } else {
        EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_UNKNOWN_EXCEEDS_LIMITS));
        EXPECT_FALSE(f.dlg.IsEnabled(Schedule));
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, LoanAmortizationSolve, testing::ValuesIn(SolveCases),
                         [](const auto& tested) { return std::string(tested.param.name); });

TEST(LoanAmortization, CalculateWantsTheInputsAndADueDate) {
    Form f;
    f.Calculate(UnknownPayment, {{Count, "12"}, {Rate, "12"}});
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_ENTER_DATA));
    EXPECT_EQ(f.host.focus, Principal);

    f.host.Enter(Principal, "1000");
    f.host.Enter(FirstDue, "2/1/");
    f.host.Click(1001);
    EXPECT_EQ(f.host.LastMessage(), "Please enter a date...");
    EXPECT_EQ(f.host.focus, FirstDue);
    EXPECT_FALSE(f.dlg.IsEnabled(Schedule));
}

TEST(LoanAmortization, NameTakesFortyTwoCharacters) {
    Form f;
    f.host.Type(Name, std::string(50, 'x'));
    EXPECT_EQ(f.dlg.Text(Name), std::string(42, 'x'));
}

// Built by hand from the line formats; amounts from the loan worked out to many digits
// (payment 88.85, interest 1 % of each balance, the last line taking the remaining 87.955...).
const char* const TwelvePayments =
    "\r\n"
    "         L O A N   A M O R T I Z A T I O N   S C H E D U L E\r\n"
    "\r\n"
    " Prepared for: Jane Doe                                    1/15/2001\r\n"
    "\r\n"
    " Loan Principal: $      1000.00     Annual Interest Rate (%): 12.000\r\n"
    " Number of Payments:         12     Payments are made:       Monthly\r\n"
    " Periodic Payment: $      88.85     Balloon Payment:  $         0.00\r\n"
    "\r\n"
    "   Payment  Payment              Principal  Interest    Remaining\r\n"
    "   Number   Due Date   Payment    Portion   Portion     Principal\r\n"
    "   -------  --------  ---------  ---------  ---------  ----------\r\n"
    "\r\n"
    "       1     2/01/01      88.85      78.85      10.00      921.15\r\n"
    "       2     3/01/01      88.85      79.64       9.21      841.51\r\n"
    "       3     4/01/01      88.85      80.43       8.42      761.08\r\n"
    "       4     5/01/01      88.85      81.24       7.61      679.84\r\n"
    "       5     6/01/01      88.85      82.05       6.80      597.79\r\n"
    "       6     7/01/01      88.85      82.87       5.98      514.91\r\n"
    "       7     8/01/01      88.85      83.70       5.15      431.21\r\n"
    "       8     9/01/01      88.85      84.54       4.31      346.67\r\n"
    "       9    10/01/01      88.85      85.38       3.47      261.29\r\n"
    "      10    11/01/01      88.85      86.24       2.61      175.05\r\n"
    "      11    12/01/01      88.85      87.10       1.75       87.96\r\n"
    "                      ---------  ---------  ---------\r\n"
    "      Annual Totals:     977.35     912.04      65.31\r\n"
    "\r\n"
    "      12     1/01/02      88.83      87.96       0.88        0.00\r\n"
    "                      ---------  ---------  ---------\r\n"
    "      Annual Totals:      88.83      87.96       0.88\r\n"
    "\r\n";

void CalculateTwelvePayments(Form& f) {
    f.host.Enter(Name, "Jane Doe");
    f.Calculate(UnknownPayment,
                {{FirstDue, "2/1/2001"}, {Count, "12"}, {Rate, "12"}, {Principal, "1000"}});
    ASSERT_TRUE(f.dlg.IsEnabled(Schedule)) << f.host.LastMessage();
}

TEST(LoanAmortizationSchedule, TwelvePaymentsByteForByteIntoAnEmptyDocument) {
    Form f;
    CalculateTwelvePayments(f);
    f.host.Click(Schedule);
    EXPECT_EQ(f.doc.text, TwelvePayments);
    EXPECT_TRUE(f.doc.modified);
    // No question for an empty document; the length box, then the form closes.
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0], "len=" + std::to_string(std::string(TwelvePayments).size()));
    EXPECT_EQ(f.host.result, FormResult::Ok);
    EXPECT_EQ(f.host.waiting, 0);
}

TEST(LoanAmortizationSchedule, AsksBeforeReplacingText) {
    for (bool yes : {false, true}) {
        Form f;
        f.doc.text = "\r\n"; // one line break is text enough to ask
        CalculateTwelvePayments(f);
        f.host.answerYes = yes;
        f.host.Click(Schedule);
        ASSERT_FALSE(f.host.messages.empty());
        EXPECT_EQ(f.host.messages[0], LoadString(89));
        EXPECT_EQ(f.doc.text, yes ? TwelvePayments : "\r\n");
        EXPECT_EQ(f.host.result, yes ? FormResult::Ok : FormResult::None);
    }
}

// A failed Calculate has read the new values into the form, but the schedule stays that of
// the last Calculate that succeeded.
TEST(LoanAmortizationSchedule, UsesTheLastSuccessfulCalculation) {
    Form f;
    CalculateTwelvePayments(f);
    f.host.Enter(Principal, "5000");
    f.dlg.UserSelected(Frequency, 0);
    f.host.Enter(FirstDue, "2/1/");
    f.host.Click(1001);
    ASSERT_EQ(f.host.LastMessage(), "Please enter a date...");
    f.host.Click(Schedule);
    EXPECT_EQ(f.doc.text, TwelvePayments);
}

// Nothing is asked, and nothing of the text is lost, for a schedule that cannot be had.
TEST(LoanAmortizationSchedule, TooLargeLeavesTheDocumentAndTheFormOpen) {
    Form f;
    f.doc.text = "old text";
    f.Calculate(UnknownPayment,
                {{FirstDue, "1/1/2001"}, {Count, "900"}, {Rate, "6"}, {Principal, "100000"}});
    f.host.Click(Schedule);
    EXPECT_EQ(f.doc.text, "old text");
    EXPECT_FALSE(f.doc.modified);
    EXPECT_EQ(f.host.messages, std::vector<std::string>{"Amortization Schedule is too large..."});
    EXPECT_EQ(f.host.icons.back(), MessageIcon::Stop);
    EXPECT_EQ(f.host.result, FormResult::None);
    EXPECT_EQ(f.host.waiting, 0);
}

TEST(LoanAmortizationSchedule, SixHundredPaymentsFitWithABalloon) {
    Form f;
    f.Calculate(UnknownPayment, {{FirstDue, "1/1/2001"},
                                 {Count, "600"},
                                 {Rate, "6"},
                                 {Principal, "100000"},
                                 {Balloon, "20000"}});
    f.host.Click(Schedule);
    ASSERT_EQ(f.host.messages.size(), 1u) << f.host.LastMessage();
    EXPECT_EQ(f.host.messages[0], "len=" + std::to_string(f.doc.text.size()));
    EXPECT_NE(f.doc.text.find("Balloon Payment:  $     20000.00\r\n"), std::string::npos);
    const auto rows = test::ScheduleRows(f.doc.text);
    ASSERT_GE(rows.size(), 2u);
    const auto& last = rows[rows.size() - 2];
    EXPECT_EQ(last.number, 600);
    EXPECT_EQ(last.balance, 0);
    EXPECT_GT(last.paid, 20000 * 100); // the balloon is paid with the last payment
}

} // namespace
} // namespace kavrel
