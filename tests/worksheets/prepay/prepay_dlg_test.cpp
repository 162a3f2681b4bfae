#include "worksheets/prepay/prepay_dlg.h"

#include "document/record.h"
#include "worksheets/worksheet_fixture.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

using namespace test;
using P = CPrepayDlg;
enum { Calculate = 1001, Record = 1003 };

struct Prepay {
    // Step 1: a 30-year 7.5 % mortgage of 100000 (payment 699.21) with the given balloon.
    void Step1(const char* balloon = "0") {
        drive.actions.push_back(LoanData("360", "7.5", "100000", balloon));
        drive.host.Click(P::IDC_DO_LOAN);
    }
    void Step2(const char* paymentsMade, const char* newPayment, const char* tax = "28") {
        drive.host.Enter(P::IDC_PAYMENTS_MADE, paymentsMade);
        drive.host.Enter(P::IDC_NEW_PAYMENT, newPayment);
        drive.host.Enter(P::IDC_INVESTMENT_RATE, "5");
        drive.host.Enter(P::IDC_TAX_BRACKET, tax);
        drive.host.Click(Calculate);
    }

    CPrepayDlg dlg;
    WorksheetDriver drive{dlg};
};

TEST(Prepay, OpensWithZeroPaymentsMadeAndNoResults) {
    Prepay f;
    EXPECT_EQ(f.dlg.Caption(), "Prepay Mortgage");
    ExpectTexts(f.dlg, {P::IDC_PAYMENTS_MADE}, "0");
    ExpectTexts(f.dlg, {P::IDC_TAX_BRACKET}, "0.000");
    ExpectTexts(f.dlg, {P::IDC_BENEFIT}, "0.00");
    ExpectTexts(f.dlg, {P::IDC_PERIODS}, "periods");
    ExpectTexts(f.dlg,
                {P::IDC_CURRENT_PAYMENT, P::IDC_NOW_OWE, P::IDC_NEW_PAYMENT, P::IDC_INVESTMENT_RATE,
                 P::IDC_PAYOFF, P::IDC_PREPAY_SAVINGS, P::IDC_INVEST_SAVINGS},
                "");
    EXPECT_FALSE(f.dlg.IsEnabled(Record));
}

TEST(Prepay, CalculateRefusals) {
    const struct {
        bool step1;
        const char *paymentsMade, *newPayment;
        const char* message;
        int focus;
        const char* periods; // the text beside the payoff count afterwards
    } cases[] = {
        {false, "0", "800", "Please enter data...", P::IDC_CURRENT_PAYMENT, "periods"},
        {true, "60", "699.20", "New payment is too small...", P::IDC_NEW_PAYMENT, "periods"},
        {true, "360", "800", "Number is too large...", P::IDC_PAYMENTS_MADE, "periods"},
        // Paid off within the first period: the count is rejected after the text changed.
        {true, "359", "5000", "Unknown exceeds preset limits...", 0, "periods (Monthly)"},
    };
    for (const auto& c : cases) {
        Prepay f;
        if (c.step1) f.Step1();
        f.Step2(c.paymentsMade, c.newPayment);
        EXPECT_EQ(f.drive.host.LastMessage(), c.message);
        if (c.focus) {
            EXPECT_EQ(f.drive.host.focus, c.focus) << c.message;
        }
        EXPECT_EQ(f.dlg.Text(P::IDC_PERIODS), c.periods) << c.message;
        EXPECT_EQ(f.dlg.Text(P::IDC_PAYOFF), "") << c.message;
        EXPECT_FALSE(f.dlg.IsEnabled(Record)) << c.message;
    }
}

TEST(Prepay, ALargerPaymentPaysTheLoanOffEarlierAndIsRecorded) {
    Prepay f;
    f.Step1();
    f.Step2("60", "800");
    ASSERT_TRUE(f.drive.host.messages.empty()) << f.drive.host.LastMessage();
    const double owe = LoopBalance(100000, 7.5, 12, 699.21, 60);
    EXPECT_EQ(f.dlg.Text(P::IDC_NOW_OWE), FormatFixed(owe, 2));
    // Paying 800 a month, the balance turns negative during the 216th payment.
    EXPECT_GT(LoopBalance(owe, 7.5, 12, 800, 215), 0.0);
    EXPECT_LT(LoopBalance(owe, 7.5, 12, 800, 216), 0.0);
    EXPECT_EQ(f.dlg.Text(P::IDC_PAYOFF), "216");
    EXPECT_EQ(f.dlg.Text(P::IDC_PERIODS), "periods (Monthly)");
    // Once the prepaid loan is gone, the regular loan still owes what the extra payments
    // would have grown to at the loan's own rate.
    const double n = std::log(800 / (800 - 0.075 / 12 * owe)) / std::log(1 + 0.075 / 12);
    const double owedStill = (800 - 699.21) * (std::pow(1 + 0.075 / 12, n) - 1) / (0.075 / 12);
    EXPECT_NEAR(LeadingDouble(f.dlg.Text(P::IDC_PREPAY_SAVINGS)), owedStill, 0.006);

    f.drive.host.Click(Record);
    EXPECT_EQ(f.drive.host.result, FormResult::Ok);
    EXPECT_EQ(RecordWidth(), 50);
    EXPECT_EQ(f.drive.doc.text,
              Title("PREPAY MORTGAGE") +
                  LoanLines("Current Loan Data:", "360", "7.500", "100000.00") +
                  Lines({{"Number of Payments Made:", "60"},
                         {"Your Current Payment ($):", "699.21"},
                         {"You Now Owe ($):", "94617.76"},
                         {"New Loan Payment ($):", "800.00"},
                         {"Average Annual Rate Earned on Your Investments (%):", "5.000"},
                         {"Your Tax Bracket (%):", "28.000"},
                         {"Mortgage will be paid off in 216 periods (Monthly)", nullptr},
                         {"Prepayment Savings at payoff time ($):", "45708.26"},
                         {"Your Investment Savings at payoff time ($):", "30512.99"},
                         {"", nullptr},
                         {"Benefit of Mortgage Prepayment over", nullptr},
                         {"Your Investments (favorable if plus) ($):", "15195.27"},
                         kRule}));
}

TEST(Prepay, TheRequiredPaymentAgainLeavesOnlyTheBalloon) {
    const struct {
        const char *balloon, *paymentsMade;
        const char *payoff, *prepaySavings, *nowOwe;
    } cases[] = {
        {"0", "60", "300", "", "94617.76"},
        {"0", "0", "360", "", "100000.00"}, // nothing paid yet: the principal is owed
        {"20000", "60", "300", "20000.00", nullptr},
    };
    for (const auto& c : cases) {
        Prepay f;
        f.Step1(c.balloon);
        const std::string payment = f.dlg.Text(P::IDC_CURRENT_PAYMENT);
        f.Step2(c.paymentsMade, payment.c_str(), "99");
        ASSERT_TRUE(f.drive.host.messages.empty()) << f.drive.host.LastMessage();
        EXPECT_EQ(f.dlg.Text(P::IDC_PAYOFF), c.payoff) << c.balloon;
        EXPECT_EQ(f.dlg.Text(P::IDC_PREPAY_SAVINGS), c.prepaySavings) << c.balloon;
        EXPECT_EQ(f.dlg.Text(P::IDC_INVEST_SAVINGS), "") << "nothing invested";
        if (c.nowOwe) {
            EXPECT_EQ(f.dlg.Text(P::IDC_NOW_OWE), c.nowOwe);
        }
    }
}

TEST(Prepay, RedoingStepOneClearsTheResultsButKeepsStepTwo) {
    Prepay f;
    f.Step1();
    f.Step2("60", "800");
    f.drive.host.Enter(P::IDC_NEW_PAYMENT, "900"); // typed, never read
    f.Step1();
    ExpectTexts(f.dlg, {P::IDC_NEW_PAYMENT}, "800.00");
    ExpectTexts(f.dlg, {P::IDC_PAYMENTS_MADE}, "60");
    ExpectTexts(f.dlg, {P::IDC_TAX_BRACKET}, "28.000");
    ExpectTexts(f.dlg,
                {P::IDC_NOW_OWE, P::IDC_PAYOFF, P::IDC_PREPAY_SAVINGS, P::IDC_INVEST_SAVINGS}, "");
    ExpectTexts(f.dlg, {P::IDC_BENEFIT}, "0.00");
    EXPECT_TRUE(f.dlg.IsEnabled(Record));
    f.drive.host.Click(Record);
    for (const std::string& line :
         {Lines({{"You Now Owe ($):", ""}}),
          Lines({{"Mortgage will be paid off in 0 periods (Monthly)", nullptr}})})
        EXPECT_NE(f.drive.doc.text.find("\r\n" + line), std::string::npos) << line;
}

} // namespace
} // namespace kavrel
