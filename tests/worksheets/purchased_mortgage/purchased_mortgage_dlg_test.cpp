#include "worksheets/purchased_mortgage/purchased_mortgage_dlg.h"

#include "document/record.h"
#include "worksheets/worksheet_fixture.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

using namespace test;
using M = CPurchasedMortgageDlg;
enum { Calculate = 1001, Record = 1003 };

constexpr double Payment = 699.21; // of a 30-year 7.5 % mortgage of 100000

struct Purchase {
    void Step1(const char* balloon = "0") {
        drive.actions.push_back(LoanData("360", "7.5", "100000", balloon));
        drive.host.Click(M::IDC_DO_LOAN);
    }
    void LeavePaymentsMade(const char* paymentsMade) {
        drive.host.Enter(M::IDC_PAYMENTS_MADE, paymentsMade);
        dlg.UserLeft(M::IDC_PAYMENTS_MADE);
    }
    void Step2(const char* paymentsMade, const char* cost) {
        LeavePaymentsMade(paymentsMade);
        drive.host.Enter(M::IDC_COST, cost);
        drive.host.Click(Calculate);
    }

    CPurchasedMortgageDlg dlg;
    WorksheetDriver drive{dlg};
};

// The annual yield (monthly rate times 12) at which the payments left are worth the cost,
// by bisection over the plain sum of discounted payments.
double YieldByBisection(double cost, int paymentsLeft) {
    double low = 0.0, high = 1.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = (low + high) / 2;
        (LoopPresentValue(Payment, paymentsLeft, mid * 1200, 12, 0.0) > cost ? low : high) = mid;
    }
    return low * 1200;
}

TEST(PurchasedMortgage, OpensWithAZeroYield) {
    Purchase f;
    EXPECT_EQ(f.dlg.Caption(), "Purchased Mortgage Yield");
    ExpectTexts(f.dlg, {M::IDC_YIELD}, "0.000");
    ExpectTexts(f.dlg,
                {M::IDC_PAYMENTS_MADE, M::IDC_PAYMENT, M::IDC_PRESENT_VALUE, M::IDC_COST,
                 M::IDC_PAYMENTS_LEFT},
                "");
    EXPECT_FALSE(f.dlg.IsEnabled(Record));
}

TEST(PurchasedMortgage, LeavingThePaymentsMadeShowsThePresentValueOnceTheLoanIsKnown) {
    Purchase f;
    f.drive.host.Enter(M::IDC_COST, "55000");
    f.LeavePaymentsMade("240");
    EXPECT_EQ(f.dlg.Text(M::IDC_PRESENT_VALUE), "");
    EXPECT_EQ(f.dlg.Text(M::IDC_COST), "55000.00") << "reformatted";
    f.Step1();
    EXPECT_EQ(f.dlg.Text(M::IDC_PRESENT_VALUE), "") << "step 1 leaves it";
    f.dlg.UserLeft(M::IDC_PAYMENTS_MADE);
    EXPECT_EQ(f.dlg.Text(M::IDC_PRESENT_VALUE),
              FormatFixed(LoopBalance(100000, 7.5, 12, Payment, 240), 2));
    // No check here of payments made against the loan's term.
    f.LeavePaymentsMade("400");
    EXPECT_TRUE(f.drive.host.messages.empty());
}

TEST(PurchasedMortgage, YieldAgainstThePriceOfTheMortgage) {
    const std::string atValue = FormatFixed(LoopBalance(100000, 7.5, 12, Payment, 240), 2);
    const struct {
        std::string cost;
        double low, high; // bounds of the annual yield
    } cases[] = {
        // At the present value: the loan's own rate, but for the payment rounded down to the
        // cent, which leaves a few dollars owed at the end.
        {atValue, 7.498, 7.501},
        {"55000", 7.5, 99},    // below it: more
        {"62000", 0.001, 7.5}, // above it: less
    };
    for (const auto& c : cases) {
        Purchase f;
        f.Step1();
        f.Step2("240", c.cost.c_str());
        ASSERT_TRUE(f.drive.host.messages.empty()) << f.drive.host.LastMessage();
        EXPECT_EQ(f.dlg.Text(M::IDC_PAYMENTS_LEFT), "120");
        EXPECT_EQ(f.dlg.Text(M::IDC_PERIODS), "periods (Monthly)");
        EXPECT_EQ(f.dlg.Text(M::IDC_PRESENT_VALUE), atValue);
        const double yield = LeadingDouble(f.dlg.Text(M::IDC_YIELD));
        EXPECT_GT(yield, c.low) << c.cost;
        EXPECT_LT(yield, c.high) << c.cost;
        EXPECT_NEAR(yield, YieldByBisection(LeadingDouble(c.cost), 120), 0.0006) << c.cost;
        EXPECT_TRUE(f.dlg.IsEnabled(Record));
    }
}

TEST(PurchasedMortgage, CalculateRefusalsAndTheSolversLimits) {
    const struct {
        const char* balloon; // nullptr: step 1 not done
        const char *paymentsMade, *cost;
        const char* message; // "" when a yield is shown
        const char* yield;
    } cases[] = {
        {nullptr, "240", "55000", "Please enter data...", "0.000"},
        {"0", "360", "55000", "Number is too large...", "0.000"},
        // The plain sum of the payments left (120 x 699.21; 120 x 684.37 + 20000 with a
        // balloon): a yield of 0. A cent more and no positive yield exists.
        {"0", "240", "83905.20", "", "0.000"},
        {"20000", "240", "102124.40", "", "0.000"},
        {"0", "240", "83905.21", "Unknown exceeds preset limits...", ""},
        // Half the payments' sum for one payment a month: far above 99 % a year.
        {"0", "359", "300", "Unknown exceeds preset limits...", ""},
    };
    for (const auto& c : cases) {
        Purchase f;
        if (c.balloon) f.Step1(c.balloon);
        f.Step2(c.paymentsMade, c.cost);
        EXPECT_EQ(f.drive.host.LastMessage(), c.message) << c.cost;
        EXPECT_EQ(f.dlg.Text(M::IDC_YIELD), c.yield) << c.cost;
        EXPECT_EQ(f.dlg.IsEnabled(Record), !*c.message) << c.cost;
    }
}

TEST(PurchasedMortgage, RecordsSixtyThreeColumnsWithThePaymentsLeft) {
    Purchase f;
    f.Step1();
    f.Step2("240", "55000");
    f.drive.host.Click(Record);
    EXPECT_EQ(f.drive.host.result, FormResult::Ok);
    EXPECT_EQ(RecordWidth(), 50);
    EXPECT_EQ(f.drive.doc.text,
              Title("PURCHASED MORTGAGE YIELD") +
                  LoanLines("Current Loan Data:", "360", "7.500", "100000.00") +
                  Lines({{"Number of Payments made:", "240"},
                         {"Current Payment is ($):", "699.21"},
                         {"Present Value of Mortgage ($):", "58907.64"},
                         {"Cost of Mortgage plus Fees ($):", "55000.00"},
                         {"Mortgage will be paid off in 120 periods (Monthly)", nullptr},
                         {"", nullptr},
                         {"Yield to Maturity (%):", "9.084"},
                         kRule}));
}

} // namespace
} // namespace kavrel
