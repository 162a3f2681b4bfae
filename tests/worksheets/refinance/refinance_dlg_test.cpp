#include "worksheets/refinance/refinance_dlg.h"

#include "document/record.h"
#include "worksheets/worksheet_fixture.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

using test::CancelSubForm;
using test::Cents;
using test::LoanData;
using test::LoanFees;
using test::LoopBalance;
using test::LoopPayment;
using test::LoopPresentValue;
using test::WorksheetDriver;

using R = CRefinanceDlg;
enum { Calculate = 1001, Record = 1003 };
enum { SubCount = 31, SubRate = 32, SubPrincipal = 33, SubBalloon = 35, SubFrequency = 30 };

// A 30-year 7.5 % mortgage of 100000 (payment 699.21), 60 payments made.
constexpr double CurrentPayment = 699.21;

struct Refinance {
    Refinance() = default;
    // Step 1: the current loan, then its penalty and the payments made.
    void Step1(const char* penalty = "0", const char* paymentsMade = "60",
               const char* count = "360") {
        drive.actions.push_back(LoanData(count, "7.5", "100000", "0"));
        drive.host.Click(R::IDC_DO_CURRENT_LOAN);
        drive.host.Enter(R::IDC_PENALTY, penalty);
        drive.host.Enter(R::IDC_PAYMENTS_MADE, paymentsMade);
    }
    void Step2(test::SubFormAction future, test::SubFormAction fees) {
        drive.actions.push_back(std::move(future));
        drive.host.Click(R::IDC_DO_FUTURE_LOAN);
        drive.actions.push_back(std::move(fees));
        drive.host.Click(R::IDC_DO_FEES);
    }
    void Step3(const char* rate, const char* years) {
        drive.host.Enter(R::IDC_INVESTMENT_RATE, rate);
        drive.host.Enter(R::IDC_YEARS_KEPT, years);
        drive.host.Click(Calculate);
    }
    double Value(int id) const { return LeadingDouble(dlg.Text(id)); }

    CRefinanceDlg dlg;
    WorksheetDriver drive{dlg};
};

// The amount owed after 60 payments, paid one month at a time.
double NowOwe() {
    return LoopBalance(100000, 7.5, 12, CurrentPayment, 60);
}

TEST(Refinance, OpensWithOnlyTheZeroDefaultsShown) {
    Refinance f;
    EXPECT_EQ(f.dlg.Caption(), "Refinancing a Mortgage");
    EXPECT_EQ(f.dlg.Text(R::IDC_PENALTY), "0.000");
    EXPECT_EQ(f.dlg.Text(R::IDC_COST), "0.00");
    EXPECT_EQ(f.dlg.Text(R::IDC_SAVINGS), "0.00");
    for (int id :
         {R::IDC_PAYMENTS_MADE, R::IDC_CURRENT_PAYMENT, R::IDC_NOW_OWE, R::IDC_FUTURE_PAYMENT,
          R::IDC_WILL_OWE, R::IDC_INVESTMENT_RATE, R::IDC_YEARS_KEPT})
        EXPECT_EQ(f.dlg.Text(id), "") << id;
    EXPECT_FALSE(f.dlg.IsEnabled(Record));
}

TEST(Refinance, LaterStepsNeedTheEarlierOnes) {
    const struct {
        bool step1;
        const char* paymentsMade;
        int button;
        const char* message;
    } cases[] = {
        {false, "", R::IDC_DO_FUTURE_LOAN, "Missing data from previous steps..."},
        {false, "", R::IDC_DO_FEES, "Missing data from previous steps..."},
        {true, "", R::IDC_DO_FUTURE_LOAN, "Missing data from previous steps..."},
        {true, "60", R::IDC_DO_FEES, "Missing data from previous steps..."},
        {true, "360", R::IDC_DO_FUTURE_LOAN, "Number is too large..."},
        {true, "361", R::IDC_DO_FUTURE_LOAN, "Number is too large..."},
    };
    for (const auto& c : cases) {
        Refinance f;
        if (c.step1) {
            f.Step1("0", c.paymentsMade);
        }
        const size_t opened = f.drive.seen.size();
        f.drive.host.Click(c.button);
        EXPECT_EQ(f.drive.host.LastMessage(), c.message) << c.paymentsMade;
        EXPECT_EQ(f.drive.seen.size(), opened) << "no sub-form opens";
        if (std::string(c.message) == "Number is too large...") {
            EXPECT_EQ(f.drive.host.focus, R::IDC_PAYMENTS_MADE);
        }
    }
}

TEST(Refinance, TheFutureLoanStartsAsTheRestOfTheCurrentOne) {
    Refinance f;
    f.Step1("0", "60");
    EXPECT_EQ(f.dlg.Text(R::IDC_CURRENT_PAYMENT), "699.21");
    EXPECT_EQ(f.dlg.Text(R::IDC_NOW_OWE), "") << "not computed before step 2";
    f.drive.actions.push_back(LoanData(nullptr, "6", nullptr, "1000"));
    f.drive.host.Click(R::IDC_DO_FUTURE_LOAN);

    ASSERT_EQ(f.drive.seen.size(), 2u);
    const auto& future = f.drive.seen[1];
    EXPECT_EQ(future.caption, "Future Loan Data");
    EXPECT_EQ(future.texts.at(SubPrincipal), FormatFixed(NowOwe(), 2));
    EXPECT_EQ(future.texts.at(SubCount), "300");
    EXPECT_EQ(future.texts.at(SubRate), "");
    EXPECT_EQ(future.texts.at(SubBalloon), "0.00");
    EXPECT_EQ(future.texts.at(SubFrequency), "Monthly");
    EXPECT_EQ(f.dlg.Text(R::IDC_NOW_OWE), "94617.76");
    EXPECT_EQ(f.dlg.Text(R::IDC_WILL_OWE), "94617.76");
    EXPECT_NEAR(f.Value(R::IDC_FUTURE_PAYMENT), LoopPayment(94617.76, 6, 12, 300, 1000), 0.006);

    // Reopened, it keeps the terms but not the balloon; its OK then drops the balloon.
    f.drive.actions.push_back(LoanData(nullptr, nullptr, nullptr, nullptr));
    f.drive.host.Click(R::IDC_DO_FUTURE_LOAN);
    EXPECT_EQ(f.drive.seen[2].texts.at(SubRate), "6.000");
    EXPECT_EQ(f.drive.seen[2].texts.at(SubBalloon), "0.00");
    EXPECT_EQ(f.dlg.Text(R::IDC_FUTURE_PAYMENT), "609.62");
}

TEST(Refinance, CancellingTheFutureLoanStillRecomputesWhatIsOwed) {
    Refinance f;
    f.Step1("0", "60");
    f.drive.actions.push_back(LoanData(nullptr, "6", "100000", nullptr));
    f.drive.host.Click(R::IDC_DO_FUTURE_LOAN);
    const std::string payment = f.dlg.Text(R::IDC_FUTURE_PAYMENT);
    EXPECT_EQ(f.dlg.Text(R::IDC_WILL_OWE), "100000.00");

    f.drive.host.Enter(R::IDC_PAYMENTS_MADE, "120");
    f.drive.actions.push_back(CancelSubForm());
    f.drive.host.Click(R::IDC_DO_FUTURE_LOAN);
    EXPECT_EQ(f.dlg.Text(R::IDC_FUTURE_PAYMENT), payment);
    EXPECT_EQ(f.dlg.Text(R::IDC_WILL_OWE), "100000.00");
    EXPECT_EQ(f.dlg.Text(R::IDC_NOW_OWE),
              FormatFixed(LoopBalance(100000, 7.5, 12, CurrentPayment, 120), 2));
}

TEST(Refinance, ANewPrincipalBelowWhatIsOwedIsPutBack) {
    const double owe = NowOwe();
    const struct {
        double principal;
        bool accepted;
    } cases[] = {
        {std::floor(owe * 100) / 100, true},         // less than a cent short
        {std::floor(owe * 100) / 100 - 0.01, false}, // more than a cent short
    };
    for (const auto& c : cases) {
        Refinance f;
        f.Step1("0", "60");
        const std::string principal = FormatFixed(c.principal, 2);
        f.drive.actions.push_back(LoanData(nullptr, "6", principal.c_str(), nullptr));
        f.drive.host.Click(R::IDC_DO_FUTURE_LOAN);
        const auto& messages = f.drive.seen.back().messages;
        if (c.accepted) {
            EXPECT_TRUE(messages.empty()) << principal;
            EXPECT_EQ(f.dlg.Text(R::IDC_WILL_OWE), principal);
        } else {
            ASSERT_EQ(messages.size(), 1u) << principal;
            EXPECT_EQ(messages[0], "New loan less than current loan...");
            EXPECT_EQ(f.dlg.Text(R::IDC_WILL_OWE), "") << "the sub-form stayed open";
        }
    }
}

TEST(Refinance, CalculateChecksTheStepsAndTheYearsKept) {
    const struct {
        bool step2;
        const char *rate, *years;
        const char* message; // "" when the savings are computed
        int focus;
    } cases[] = {
        {true, "", "5", "Please enter data...", R::IDC_INVESTMENT_RATE},
        {false, "5", "5", "Please enter data...", R::IDC_NOW_OWE},
        {true, "5", "25", "", 0}, // 12 x 25 = 300 payments: exactly the new loan
        {true, "5", "26", "Too many years to keep loan...", R::IDC_YEARS_KEPT},
    };
    for (const auto& c : cases) {
        Refinance f;
        f.Step1();
        if (c.step2) f.Step2(LoanData(nullptr, "6", nullptr, nullptr), LoanFees("0", "1", "0"));
        f.Step3(c.rate, c.years);
        EXPECT_EQ(f.drive.host.LastMessage(), c.message) << c.years;
        EXPECT_EQ(f.dlg.IsEnabled(Record), !*c.message) << c.years;
        if (c.focus) {
            EXPECT_EQ(f.drive.host.focus, c.focus) << c.years;
        }
    }
}

TEST(Refinance, SavingsCompareBothLoansAtTheInvestmentRate) {
    const struct {
        const char* penalty;
        const char* futureCount; // nullptr: the payments left, 300
        const char* points;
        const char* years;
        double currentPenalty, pointsPercent;
        int futurePayments, yearsKept;
    } cases[] = {
        {"0", nullptr, "1", "5", 0, 1, 300, 5},
        // The current loan's penalty counts in the cost and again at the payoff.
        {"2", nullptr, "1", "5", 2, 1, 300, 5},
        // The current loan runs past its last payment (60 + 360 > 360) without a message.
        {"0", "360", "0", "30", 0, 0, 360, 30},
    };
    for (const auto& c : cases) {
        Refinance f;
        f.Step1(c.penalty, "60");
        f.Step2(LoanData(c.futureCount, "6", nullptr, nullptr), LoanFees("0", c.points, "0"));
        f.Step3("5", c.years);
        ASSERT_TRUE(f.drive.host.messages.empty()) << f.drive.host.LastMessage();

        const double owe = Cents(NowOwe());
        const double futurePayment = Cents(LoopPayment(owe, 6, 12, c.futurePayments));
        const double cost = Cents((c.pointsPercent * owe + c.currentPenalty * owe) * 0.01);
        const int kept = 12 * c.yearsKept;
        const double currentEnd = LoopBalance(100000, 7.5, 12, CurrentPayment, 60 + kept);
        const double futureEnd = LoopBalance(owe, 6, 12, futurePayment, kept);
        const double savings = LoopPresentValue(CurrentPayment, kept, 5, 12,
                                                currentEnd * (1 + c.currentPenalty / 100)) -
                               LoopPresentValue(futurePayment, kept, 5, 12, futureEnd) - cost;
        EXPECT_NEAR(f.Value(R::IDC_COST), cost, 1e-9) << c.penalty;
        EXPECT_NEAR(f.Value(R::IDC_SAVINGS), savings, 0.0051) << c.penalty << " " << c.years;
    }
}

TEST(Refinance, ANewLoanContinuingTheOldOneSavesNothing) {
    Refinance f;
    f.Step1("0", "60");
    f.Step2(LoanData(nullptr, "7.5", nullptr, nullptr), LoanFees("0", "0", "0"));
    f.Step3("5", "5");
    // Only the rounding of the shown payments and balances remains (a cent a month at most).
    EXPECT_NEAR(f.Value(R::IDC_SAVINGS), 0.0, 0.05);
    EXPECT_TRUE(f.dlg.IsEnabled(Record));
}

TEST(Refinance, RecordsSixtyThreeColumnsAndCloses) {
    Refinance f;
    f.Step1("2", "60");
    f.Step2(LoanData(nullptr, "6", nullptr, nullptr), LoanFees("0", "1", "0"));
    f.Step3("5", "5");
    f.drive.host.Click(Record);
    EXPECT_EQ(f.drive.host.result, FormResult::Ok);
    EXPECT_EQ(RecordWidth(), 50);
    EXPECT_EQ(f.drive.doc.text,
              "\r\n"
              "                    REFINANCING A MORTGAGE\r\n"
              "\r\n"
              "Current Loan Data:\r\n"
              "   Payments are Made:                                   Monthly\r\n"
              "   Number of Payments:                                      360\r\n"
              "   Annual Rate (%):                                       7.500\r\n"
              "   Loan Principal ($):                                100000.00\r\n"
              "   Balloon Payment ($):                                    0.00\r\n"
              "\r\n"
              "Penalty for Early Payoff (%):                             2.000\r\n"
              "Number of Payments you made:                                 60\r\n"
              "Your Current Payment ($):                                699.21\r\n"
              "You Now Owe ($):                                       94617.76\r\n"
              "\r\n"
              "Future Loan Data:\r\n"
              "   Payments are Made:                                   Monthly\r\n"
              "   Number of Payments:                                      300\r\n"
              "   Annual Rate (%):                                       6.000\r\n"
              "   Loan Principal ($):                                 94617.76\r\n"
              "   Balloon Payment ($):                                    0.00\r\n"
              "\r\n"
              "Future Loan Fees:\r\n"
              "   Penalty for Early Payoff (%):                          0.000\r\n"
              "   Points of new loan Amount (%):                         1.000\r\n"
              "   All other Loan Costs ($):                               0.00\r\n"
              "\r\n"
              "Total Refinance Cost ($):                               2838.53\r\n"
              "Your Future Payment ($):                                 609.62\r\n"
              "You Will Owe ($):                                      94617.76\r\n"
              "\r\n"
              "Average Annual Rate Earned on Your Investments (%):       5.000\r\n"
              "Estimate the Number of Years You Will Keep Loan:              5\r\n"
              "\r\n"
              "Total Savings by Refinancing ($):                       4589.16\r\n"
              "                                                     ----------\r\n");
}

TEST(Refinance, AFullDocumentKeepsTheWorksheetOpenAndTheWidthRestored) {
    Refinance f;
    f.drive.doc = test::BufferTarget(100);
    f.Step1();
    f.Step2(LoanData(nullptr, "6", nullptr, nullptr), LoanFees("0", "0", "0"));
    f.Step3("5", "5");
    f.drive.host.Click(Record);
    EXPECT_EQ(f.drive.host.LastMessage(), "The Document Window is full...");
    EXPECT_EQ(f.drive.host.result, FormResult::None);
    EXPECT_EQ(RecordWidth(), 50);
}

} // namespace
} // namespace kavrel
