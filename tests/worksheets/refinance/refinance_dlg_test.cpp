#include "worksheets/refinance/refinance_dlg.h"

#include "document/record.h"
#include "worksheets/worksheet_fixture.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

using namespace test;
using R = CRefinanceDlg;
enum { Calculate = 1001, Record = 1003, SubCount = 31, SubRate = 32, SubPrincipal = 33 };
enum { SubBalloon = 35, SubFrequency = 30 };

// A 30-year 7.5 % mortgage of 100000 (payment 699.21).
constexpr double CurrentPayment = 699.21;
const double NowOwe = LoopBalance(100000, 7.5, 12, CurrentPayment, 60);

struct Refinance {
    void Step1(const char* penalty = "0", const char* paymentsMade = "60",
               const char* balloon = "0") {
        drive.actions.push_back(LoanData("360", "7.5", "100000", balloon));
        drive.host.Click(R::IDC_DO_CURRENT_LOAN);
        drive.host.Enter(R::IDC_PENALTY, penalty);
        drive.host.Enter(R::IDC_PAYMENTS_MADE, paymentsMade);
    }
    void Future(const char* count, const char* rate, const char* principal = nullptr,
                const char* balloon = nullptr) {
        drive.actions.push_back(LoanData(count, rate, principal, balloon));
        drive.host.Click(R::IDC_DO_FUTURE_LOAN);
    }
    void Step2(const char* rate, const char* points, const char* count = nullptr,
               const char* balloon = nullptr, const char* penalty = "0") {
        Future(count, rate, nullptr, balloon);
        drive.actions.push_back(test::LoanFees(penalty, points, "0"));
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

TEST(Refinance, OpensWithOnlyTheZeroDefaultsShown) {
    Refinance f;
    EXPECT_EQ(f.dlg.Caption(), "Refinancing a Mortgage");
    ExpectTexts(f.dlg, {R::IDC_PENALTY}, "0.000");
    ExpectTexts(f.dlg, {R::IDC_COST, R::IDC_SAVINGS}, "0.00");
    ExpectTexts(f.dlg,
                {R::IDC_PAYMENTS_MADE, R::IDC_CURRENT_PAYMENT, R::IDC_NOW_OWE,
                 R::IDC_FUTURE_PAYMENT, R::IDC_WILL_OWE, R::IDC_INVESTMENT_RATE, R::IDC_YEARS_KEPT},
                "");
    EXPECT_FALSE(f.dlg.IsEnabled(Record));
}

TEST(Refinance, LaterStepsNeedTheEarlierOnes) {
    const struct {
        const char* paymentsMade; // nullptr: step 1 not done
        int button;
        const char* message;
    } cases[] = {
        {nullptr, R::IDC_DO_FUTURE_LOAN, "Missing data from previous steps..."},
        {nullptr, R::IDC_DO_FEES, "Missing data from previous steps..."},
        {"", R::IDC_DO_FUTURE_LOAN, "Missing data from previous steps..."},
        {"60", R::IDC_DO_FEES, "Missing data from previous steps..."},
        {"360", R::IDC_DO_FUTURE_LOAN, "Number is too large..."},
    };
    for (const auto& c : cases) {
        Refinance f;
        if (c.paymentsMade) f.Step1("0", c.paymentsMade);
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
    f.Step1();
    EXPECT_EQ(f.dlg.Text(R::IDC_CURRENT_PAYMENT), "699.21");
    EXPECT_EQ(f.dlg.Text(R::IDC_NOW_OWE), "") << "not computed before step 2";
    f.Future(nullptr, "6", nullptr, "1000");
    ASSERT_EQ(f.drive.seen.size(), 2u);
    const auto& future = f.drive.seen[1];
    EXPECT_EQ(future.caption, "Future Loan Data");
    const std::map<int, std::string> defaults = {{SubPrincipal, FormatFixed(NowOwe, 2)},
                                                 {SubCount, "300"},
                                                 {SubRate, ""},
                                                 {SubBalloon, "0.00"},
                                                 {SubFrequency, "Monthly"}};
    for (const auto& [id, text] : defaults)
        EXPECT_EQ(future.texts.at(id), text) << id;
    EXPECT_EQ(f.dlg.Text(R::IDC_NOW_OWE), "94617.76");
    EXPECT_EQ(f.dlg.Text(R::IDC_WILL_OWE), "94617.76");
    const std::string payment = f.dlg.Text(R::IDC_FUTURE_PAYMENT);
    EXPECT_NEAR(LeadingDouble(payment), LoopPayment(94617.76, 6, 12, 300, 1000), 0.006);

    // Reopened, it shows the terms entered, balloon included, and its OK keeps them.
    f.Future(nullptr, nullptr);
    EXPECT_EQ(f.drive.seen[2].texts.at(SubRate), "6.000");
    EXPECT_EQ(f.drive.seen[2].texts.at(SubBalloon), "1000.00");
    EXPECT_EQ(f.dlg.Text(R::IDC_FUTURE_PAYMENT), payment);
}

TEST(Refinance, CancellingTheFutureLoanStillRecomputesWhatIsOwed) {
    Refinance f;
    f.Step1();
    f.Future(nullptr, "6", "100000");
    const std::string payment = f.dlg.Text(R::IDC_FUTURE_PAYMENT);
    f.drive.host.Enter(R::IDC_PAYMENTS_MADE, "120");
    f.drive.host.Click(R::IDC_DO_FUTURE_LOAN); // no action queued: the sub-form is cancelled
    EXPECT_EQ(f.dlg.Text(R::IDC_FUTURE_PAYMENT), payment);
    EXPECT_EQ(f.dlg.Text(R::IDC_WILL_OWE), "100000.00");
    EXPECT_EQ(f.dlg.Text(R::IDC_NOW_OWE),
              FormatFixed(LoopBalance(100000, 7.5, 12, CurrentPayment, 120), 2));
}

TEST(Refinance, ANewPrincipalBelowWhatIsOwedIsPutBack) {
    for (const bool accepted : {true, false}) {
        // Rounded down to the cent it is less than a cent short; a cent less is more.
        const std::string principal =
            FormatFixed(std::floor(NowOwe * 100) / 100 - (accepted ? 0 : 0.01), 2);
        Refinance f;
        f.Step1();
        f.Future(nullptr, "6", principal.c_str());
        const auto& messages = f.drive.seen.back().messages;
        EXPECT_EQ(messages, accepted
                                ? std::vector<std::string>{}
                                : std::vector<std::string>{"New loan less than current loan..."});
        EXPECT_EQ(f.dlg.Text(R::IDC_WILL_OWE), accepted ? principal : "") << principal;
    }
}

TEST(Refinance, CalculateChecksTheStepsAndTheYearsKept) {
    const struct {
        bool step2;
        const char *paymentsMade, *rate, *years; // payments made typed again after step 2
        const char* message;                     // "" when the savings are computed
        int focus;
    } cases[] = {
        {true, "60", "", "5", "Please enter data...", R::IDC_INVESTMENT_RATE},
        {false, "60", "5", "5", "Please enter data...", R::IDC_NOW_OWE},
        {true, "60", "5", "25", "", 0}, // 12 x 25 = 300 payments: exactly the new loan
        {true, "60", "5", "26", "Too many years to keep loan...", R::IDC_YEARS_KEPT},
        {true, "360", "5", "5", "Number is too large...", R::IDC_PAYMENTS_MADE},
    };
    for (const auto& c : cases) {
        Refinance f;
        f.Step1();
        if (c.step2) f.Step2("6", "1");
        f.drive.host.Enter(R::IDC_PAYMENTS_MADE, c.paymentsMade);
        f.Step3(c.rate, c.years);
        EXPECT_EQ(f.drive.host.LastMessage(), c.message) << c.years;
        EXPECT_EQ(f.dlg.IsEnabled(Record), !*c.message) << c.years;
        if (c.focus) {
            EXPECT_EQ(f.drive.host.focus, c.focus) << c.years;
        }
    }
}

// What a monthly loan owing `owed` still costs over `kept` months, term by term at 5 %: its
// payments, then its payoff with the penalty; or, once its `left` payments run out, nothing
// after the last, which brings the balance left.
double CostAtFivePercent(double owed, double ratePercent, double payment, int left, int kept,
                         double penalty) {
    const double u = 0.05 / 12;
    double value = 0.0;
    for (int t = 1; t <= kept; ++t) {
        owed = owed * (1 + ratePercent / 1200) - payment;
        value += payment / std::pow(1 + u, t);
        if (t == left) return value + owed / std::pow(1 + u, t);
    }
    return value + owed * (1 + penalty / 100) / std::pow(1 + u, kept);
}

TEST(Refinance, SavingsCompareBothLoansAtTheInvestmentRate) {
    const struct {
        double penalty, futurePenalty, points, balloon, futureBalloon;
        int futurePayments, yearsKept;
    } cases[] = {
        {0, 0, 1, 0, 0, 300, 5},
        // The current loan's penalty counts in the cost and again at the payoff.
        {2, 0, 1, 0, 0, 300, 5},
        // The current loan runs out (60 + 360 > 360): nothing is due after its last payment,
        // which brings its balloon, and no penalty.
        {0, 0, 0, 0, 0, 360, 30},
        {2, 0, 0, 20000, 0, 360, 30},
        // Both loans end with the years kept: their balloons are due, without penalties.
        {2, 2, 1, 20000, 10000, 300, 25},
    };
    for (const auto& c : cases) {
        Refinance f;
        f.Step1(FormatFixed(c.penalty, 0).c_str(), "60", FormatFixed(c.balloon, 0).c_str());
        f.Step2("6", FormatFixed(c.points, 0).c_str(), FormatInt(c.futurePayments).c_str(),
                FormatFixed(c.futureBalloon, 0).c_str(), FormatFixed(c.futurePenalty, 0).c_str());
        f.Step3("5", FormatInt(c.yearsKept).c_str());
        ASSERT_TRUE(f.drive.host.messages.empty()) << f.drive.host.LastMessage();

        const double payment = Cents(LoopPayment(100000, 7.5, 12, 360, c.balloon));
        const double owed = LoopBalance(100000, 7.5, 12, payment, 60);
        const double owe = Cents(owed);
        const double futurePayment =
            Cents(LoopPayment(owe, 6, 12, c.futurePayments, c.futureBalloon));
        const double cost = Cents((c.points * owe + c.penalty * owe) * 0.01);
        const int kept = 12 * c.yearsKept;
        const double savings =
            CostAtFivePercent(owed, 7.5, payment, 300, kept, c.penalty) -
            CostAtFivePercent(owe, 6, futurePayment, c.futurePayments, kept, c.futurePenalty) -
            cost;
        EXPECT_NEAR(f.Value(R::IDC_COST), cost, 1e-9) << c.penalty;
        EXPECT_NEAR(f.Value(R::IDC_SAVINGS), savings, 0.0051) << c.balloon << " " << c.yearsKept;
    }
}

TEST(Refinance, ANewLoanContinuingTheOldOneSavesNothing) {
    Refinance f;
    f.Step1();
    f.Step2("7.5", "0");
    f.Step3("5", "5");
    // Only the rounding of the shown payments and balances remains (a cent a month at most).
    EXPECT_NEAR(f.Value(R::IDC_SAVINGS), 0.0, 0.05);
    EXPECT_TRUE(f.dlg.IsEnabled(Record));
}

TEST(Refinance, RecordsSixtyThreeColumnsOnceTheDocumentHasRoom) {
    Refinance f;
    f.Step1("2", "60");
    f.Step2("6", "1");
    f.Step3("5", "5");
    f.drive.doc = BufferTarget(100);
    f.drive.host.Click(Record);
    EXPECT_EQ(f.drive.host.LastMessage(), "The Document Window is full...");
    EXPECT_EQ(f.drive.host.result, FormResult::None);
    EXPECT_EQ(RecordWidth(), 50);

    f.drive.doc = BufferTarget();
    f.drive.host.Click(Record);
    EXPECT_EQ(f.drive.host.result, FormResult::Ok);
    EXPECT_EQ(RecordWidth(), 50);
    EXPECT_EQ(f.drive.doc.text,
              Title("REFINANCING A MORTGAGE") +
                  LoanLines("Current Loan Data:", "360", "7.500", "100000.00") +
                  Lines({{"Penalty for Early Payoff (%):", "2.000"},
                         {"Number of Payments you made:", "60"},
                         {"Your Current Payment ($):", "699.21"},
                         {"You Now Owe ($):", "94617.76"},
                         {"", nullptr}}) +
                  LoanLines("Future Loan Data:", "300", "6.000", "94617.76") +
                  Lines({{"Future Loan Fees:", nullptr},
                         {"   Penalty for Early Payoff (%):", "0.000"},
                         {"   Points of new loan Amount (%):", "1.000"},
                         {"   All other Loan Costs ($):", "0.00"},
                         {"", nullptr},
                         {"Total Refinance Cost ($):", "2838.53"},
                         {"Your Future Payment ($):", "609.62"},
                         {"You Will Owe ($):", "94617.76"},
                         {"", nullptr},
                         {"Average Annual Rate Earned on Your Investments (%):", "5.000"},
                         {"Estimate the Number of Years You Will Keep Loan:", "5"},
                         {"", nullptr},
                         {"Total Savings by Refinancing ($):", "4589.16"},
                         kRule}));
}

} // namespace
} // namespace kavrel
