#include "calculators/annuity/annuity_fv_dlg.h"
#include "calculators/annuity/annuity_pv_dlg.h"
#include "entry/number_text.h"
#include "resources/strings.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace kavrel {
namespace {

using test::BufferTarget;
using test::RecordingHost;
using Dlg = CAnnuityDlg;

enum { Calculate = 1001, Record = 1003 };
enum Entry { Daily = 0, Monthly = 3, Quarterly = 4 };

// The form of each caption: Loan and Lease value a present value, Save and Sinking Fund a
// future one.
std::unique_ptr<CAnnuityDlg> MakeForm(int captionId) {
    if (captionId == IDS_LOAN_CAPTION || captionId == IDS_LEASE_CAPTION)
        return std::make_unique<CAnnuityPvDlg>(captionId);
    return std::make_unique<CAnnuityFvDlg>(captionId);
}

struct Form {
    explicit Form(int captionId) : dlg(MakeForm(captionId)), host(*dlg, &doc) {
        TheDecimalFieldMemory() = {};
        dlg->Open();
    }
    CAnnuityDlg& operator*() { return *dlg; }
    std::unique_ptr<CAnnuityDlg> dlg;
    BufferTarget doc;
    RecordingHost host;
};

struct Input {
    int id;
    const char* text;
};

struct SolveCase {
    const char* name;
    int captionId;
    int entry; // the compounding entry chosen before typing
    const char* perYear;
    int unknownButton;
    int unknownField;
    std::vector<Input> inputs;
    const char* expected; // "" for "Unknown exceeds preset limits..."
};

const SolveCase SolveCases[] = {
    {"loan payment",
     IDS_LOAN_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_PAYMENT,
     Dlg::IDC_PAYMENT,
     {{Dlg::IDC_PAYMENT_COUNT, "48"}, {Dlg::IDC_RATE, "12"}, {Dlg::IDC_PRESENT_VALUE, "10000"}},
     "263.34"},
    {"lease payment",
     IDS_LEASE_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_PAYMENT,
     Dlg::IDC_PAYMENT,
     {{Dlg::IDC_PAYMENT_COUNT, "48"}, {Dlg::IDC_RATE, "12"}, {Dlg::IDC_PRESENT_VALUE, "10000"}},
     "260.73"},
    {"loan compounded quarterly",
     IDS_LOAN_CAPTION,
     Quarterly,
     "12",
     Dlg::IDC_UNKNOWN_PAYMENT,
     Dlg::IDC_PAYMENT,
     {{Dlg::IDC_PAYMENT_COUNT, "48"}, {Dlg::IDC_RATE, "12"}, {Dlg::IDC_PRESENT_VALUE, "10000"}},
     "262.76"},
    {"loan balloon",
     IDS_LOAN_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_BALLOON,
     Dlg::IDC_BALLOON,
     {{Dlg::IDC_PAYMENT_COUNT, "48"},
      {Dlg::IDC_RATE, "12"},
      {Dlg::IDC_PRESENT_VALUE, "10000"},
      {Dlg::IDC_PAYMENT, "200"}},
     "3877.74"},
    {"loan rate",
     IDS_LOAN_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_RATE,
     Dlg::IDC_RATE,
     {{Dlg::IDC_PAYMENT_COUNT, "48"},
      {Dlg::IDC_PRESENT_VALUE, "10000"},
      {Dlg::IDC_PAYMENT, "263.34"}},
     "12.000"},
    {"loan payment count",
     IDS_LOAN_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_PAYMENT_COUNT,
     Dlg::IDC_PAYMENT_COUNT,
     {{Dlg::IDC_RATE, "12"}, {Dlg::IDC_PRESENT_VALUE, "10000"}, {Dlg::IDC_PAYMENT, "263.34"}},
     "48.000"},
    {"payment below the interest",
     IDS_LOAN_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_PAYMENT_COUNT,
     Dlg::IDC_PAYMENT_COUNT,
     {{Dlg::IDC_RATE, "12"}, {Dlg::IDC_PRESENT_VALUE, "10000"}, {Dlg::IDC_PAYMENT, "90"}},
     ""},
    {"loan with a negative balloon",
     IDS_LOAN_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_PAYMENT,
     Dlg::IDC_PAYMENT,
     // 10000 - (-1000) / 1.01^48 = 10620.26 spread over 48 payments.
     {{Dlg::IDC_PAYMENT_COUNT, "48"},
      {Dlg::IDC_RATE, "12"},
      {Dlg::IDC_PRESENT_VALUE, "10000"},
      {Dlg::IDC_BALLOON, "-1000"}},
     "279.67"},
    {"loan rate beyond 1000 percent",
     IDS_LOAN_CAPTION,
     Daily,
     "1",
     Dlg::IDC_UNKNOWN_RATE,
     Dlg::IDC_RATE,
     {{Dlg::IDC_PAYMENT_COUNT, "2"}, {Dlg::IDC_PRESENT_VALUE, "100"}, {Dlg::IDC_PAYMENT, "10000"}},
     ""},
    {"sinking fund value",
     IDS_SINKING_FUND_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_FUTURE_VALUE,
     Dlg::IDC_FUTURE_VALUE,
     {{Dlg::IDC_PAYMENT_COUNT, "12"}, {Dlg::IDC_RATE, "6"}, {Dlg::IDC_PAYMENT, "100"}},
     "1233.56"},
    {"save value",
     IDS_SAVE_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_FUTURE_VALUE,
     Dlg::IDC_FUTURE_VALUE,
     {{Dlg::IDC_PAYMENT_COUNT, "12"}, {Dlg::IDC_RATE, "6"}, {Dlg::IDC_PAYMENT, "100"}},
     "1239.72"},
    {"save payment count",
     IDS_SAVE_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_PAYMENT_COUNT,
     Dlg::IDC_PAYMENT_COUNT,
     {{Dlg::IDC_RATE, "6"}, {Dlg::IDC_FUTURE_VALUE, "1239.72"}, {Dlg::IDC_PAYMENT, "100"}},
     "12.000"},
    {"sinking fund rate",
     IDS_SINKING_FUND_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_RATE,
     Dlg::IDC_RATE,
     {{Dlg::IDC_PAYMENT_COUNT, "12"},
      {Dlg::IDC_FUTURE_VALUE, "1233.56"},
      {Dlg::IDC_PAYMENT, "100"}},
     "6.001"},
    {"sinking fund payment",
     IDS_SINKING_FUND_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_PAYMENT,
     Dlg::IDC_PAYMENT,
     {{Dlg::IDC_PAYMENT_COUNT, "12"}, {Dlg::IDC_RATE, "6"}, {Dlg::IDC_FUTURE_VALUE, "1233.56"}},
     "100.00"},
    {"save rate with payments reaching the value",
     IDS_SAVE_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_RATE,
     Dlg::IDC_RATE,
     {{Dlg::IDC_PAYMENT_COUNT, "12"}, {Dlg::IDC_FUTURE_VALUE, "1200"}, {Dlg::IDC_PAYMENT, "100"}},
     ""},
    {"sinking fund rate with payments reaching the value",
     IDS_SINKING_FUND_CAPTION,
     Monthly,
     "12",
     Dlg::IDC_UNKNOWN_RATE,
     Dlg::IDC_RATE,
     {{Dlg::IDC_PAYMENT_COUNT, "12"}, {Dlg::IDC_FUTURE_VALUE, "1200"}, {Dlg::IDC_PAYMENT, "100"}},
     ""},
};

class AnnuitySolve : public testing::TestWithParam<SolveCase> {};

TEST_P(AnnuitySolve, ShowsTheResultOrRejectsIt) {
    const SolveCase& c = GetParam();
    Form f(c.captionId);
    f.host.Click(c.unknownButton);
    f.dlg->UserSelected(Dlg::IDC_COMPOUNDING, c.entry);
    f.host.Enter(Dlg::IDC_PAYMENTS_PER_YEAR, c.perYear);
    for (const Input& input : c.inputs)
        f.host.Enter(input.id, input.text);
    f.host.Click(Calculate);
    EXPECT_EQ(f.dlg->Text(c.unknownField), c.expected);
    if (*c.expected) {
        EXPECT_TRUE(f.host.messages.empty()) << f.host.LastMessage();
        EXPECT_TRUE(f.dlg->IsEnabled(Record));
    } else {
        EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_UNKNOWN_EXCEEDS_LIMITS));
        EXPECT_FALSE(f.dlg->IsEnabled(Record));
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, AnnuitySolve, testing::ValuesIn(SolveCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

// Present and future values summed payment by payment, against the forms' closed formulas.
TEST(Annuity, ValuesAreTheSumsOfTheDiscountedOrGrownPayments) {
    struct Case {
        int captionId;
        int unknownButton, unknownField;
        int direction; // -1: discounted to the start, 1: grown to the end
        int shift;     // the periods of the first payment's discount or growth
    };
    const Case cases[] = {
        {IDS_LOAN_CAPTION, Dlg::IDC_UNKNOWN_PRESENT_VALUE, Dlg::IDC_PRESENT_VALUE, -1, 1},
        {IDS_LEASE_CAPTION, Dlg::IDC_UNKNOWN_PRESENT_VALUE, Dlg::IDC_PRESENT_VALUE, -1, 0},
        {IDS_SINKING_FUND_CAPTION, Dlg::IDC_UNKNOWN_FUTURE_VALUE, Dlg::IDC_FUTURE_VALUE, 1, 0},
        {IDS_SAVE_CAPTION, Dlg::IDC_UNKNOWN_FUTURE_VALUE, Dlg::IDC_FUTURE_VALUE, 1, 1},
    };
    const int count = 30;
    const double payment = 250, i = 0.0075; // 9 % a year, paid and compounded monthly
    for (const Case& c : cases) {
        Form f(c.captionId);
        f.host.Click(c.unknownButton);
        f.host.Enter(Dlg::IDC_PAYMENT_COUNT, "30");
        f.host.Enter(Dlg::IDC_RATE, "9");
        f.host.Enter(Dlg::IDC_PAYMENT, "250");
        f.host.Click(Calculate);
        double sum = 0;
        for (int k = 0; k < count; ++k)
            sum += payment * std::pow(1 + i, c.direction * (k + c.shift));
        EXPECT_EQ(f.dlg->Text(c.unknownField), FormatFixed(sum, 2)) << c.captionId;
    }
}

TEST(Annuity, OpensWithMonthlyPaymentsAndThePaymentUnknown) {
    for (int caption :
         {IDS_LOAN_CAPTION, IDS_LEASE_CAPTION, IDS_SAVE_CAPTION, IDS_SINKING_FUND_CAPTION}) {
        Form f(caption);
        EXPECT_EQ(f.dlg->Caption(), LoadString(caption));
        EXPECT_EQ(f.dlg->AnnuityDue(), caption == IDS_LEASE_CAPTION || caption == IDS_SAVE_CAPTION);
        EXPECT_EQ(f.dlg->Text(Dlg::IDC_COMPOUNDING), "Monthly");
        EXPECT_EQ(f.dlg->Text(Dlg::IDC_PAYMENTS_PER_YEAR), "12");
        EXPECT_FALSE(f.dlg->IsEnabled(Dlg::IDC_PAYMENT));
        EXPECT_TRUE(f.dlg->IsChecked(Dlg::IDC_UNKNOWN_PAYMENT));
        EXPECT_FALSE(f.dlg->IsEnabled(Record));
        EXPECT_EQ(f.dlg->Text(Dlg::IDC_PAYMENT_COUNT), "");
    }
    Form loan(IDS_LOAN_CAPTION);
    EXPECT_EQ(loan.dlg->Text(Dlg::IDC_BALLOON), "0");
}

TEST(Annuity, TheCompoundingListRewritesPaymentsPerYearButNotTheOtherWay) {
    Form f(IDS_LOAN_CAPTION);
    f.dlg->UserSelected(Dlg::IDC_COMPOUNDING, Daily);
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_PAYMENTS_PER_YEAR), "365");
    f.dlg->UserSelected(Dlg::IDC_COMPOUNDING, 1);
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_PAYMENTS_PER_YEAR), "52");
    f.dlg->UserSelected(Dlg::IDC_COMPOUNDING, Daily);
    // Monthly payments with daily compounding: i = (1 + 0.12 / 365)^(365 / 12) - 1.
    f.host.Enter(Dlg::IDC_PAYMENTS_PER_YEAR, "12");
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_COMPOUNDING), "Daily");
    f.host.Enter(Dlg::IDC_PAYMENT_COUNT, "48");
    f.host.Enter(Dlg::IDC_RATE, "12");
    f.host.Enter(Dlg::IDC_PRESENT_VALUE, "10000");
    f.host.Click(Calculate);
    const double i = std::pow(1 + 0.12 / 365, 365.0 / 12) - 1;
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_PAYMENT),
              FormatFixed(10000 * i / (1 - std::pow(1 + i, -48)), 2));
}

TEST(Annuity, KeystrokesFollowTheFieldClasses) {
    Form f(IDS_LOAN_CAPTION);
    f.host.Enter(Dlg::IDC_BALLOON, "-500.25");
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_BALLOON), "-500.25");
    EXPECT_EQ(f.host.beeps, 0);
    f.host.Enter(Dlg::IDC_PRESENT_VALUE, "-");
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_PRESENT_VALUE), "");
    EXPECT_EQ(f.host.beeps, 1);
    f.host.Enter(Dlg::IDC_BALLOON, "-100000000000");
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_NUMBER_TOO_SMALL));
    f.host.Enter(Dlg::IDC_PAYMENTS_PER_YEAR, "0");
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_NUMBER_TOO_SMALL));
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_PAYMENTS_PER_YEAR), "");
}

TEST(Annuity, CalculateAsksForMissingInputs) {
    Form f(IDS_SAVE_CAPTION);
    f.host.Enter(Dlg::IDC_PAYMENT_COUNT, "12");
    f.host.Enter(Dlg::IDC_RATE, "6");
    f.host.Click(Calculate);
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_ENTER_DATA));
    EXPECT_EQ(f.host.focus, Dlg::IDC_FUTURE_VALUE);
}

std::string Line(std::string_view label, std::string_view value) {
    return std::string(label) + std::string(50 - label.size() - value.size(), ' ') +
           std::string(value) + "\r\n";
}

TEST(Annuity, RecordsTheLoanExample) {
    Form f(IDS_LOAN_CAPTION);
    f.host.Enter(Dlg::IDC_PAYMENT_COUNT, "48");
    f.host.Enter(Dlg::IDC_RATE, "12");
    f.host.Enter(Dlg::IDC_PRESENT_VALUE, "10000");
    f.host.Click(Calculate);
    f.host.Click(Record);
    const std::string expected =
        "\r\n" + std::string(13, ' ') + "LOAN (ORDINARY ANNUITY)\r\n\r\n" +
        Line("Compounding Period is:", "Monthly") + Line("Payments per Year:", "12") +
        Line("Number of Payments:", "48.000") + Line("Annual Rate (%):", "12.000") +
        Line("Present Value ($):", "10000.00") + Line("Periodic Payment ($):", "263.34") +
        Line("Balloon Payment ($):", "0.00");
    EXPECT_EQ(f.doc.text, expected);
    EXPECT_EQ(f.host.result, FormResult::Ok);
}

TEST(Annuity, RecordsTheSaveForm) {
    Form f(IDS_SAVE_CAPTION);
    f.dlg->UserSelected(Dlg::IDC_COMPOUNDING, Quarterly);
    f.host.Click(Dlg::IDC_UNKNOWN_FUTURE_VALUE);
    f.host.Enter(Dlg::IDC_PAYMENT_COUNT, "8");
    f.host.Enter(Dlg::IDC_RATE, "8");
    f.host.Enter(Dlg::IDC_PAYMENT, "500");
    f.host.Click(Calculate);
    f.host.Click(Record);
    // Quarterly payments at the start of each quarter: 500 * 1.02 * (1.02^8 - 1) / 0.02.
    const std::string fv = FormatFixed(500 * 1.02 * (std::pow(1.02, 8) - 1) / 0.02, 2);
    const std::string expected =
        "\r\n" + std::string(16, ' ') + "SAVE (ANNUITY DUE)\r\n\r\n" +
        Line("Compounding Period is:", "Quarterly") + Line("Payments per Year:", "4") +
        Line("Number of Payments:", "8.000") + Line("Annual Rate (%):", "8.000") +
        Line("Future Value ($):", fv) + Line("Periodic Payment ($):", "500.00");
    EXPECT_EQ(f.doc.text, expected);
}

} // namespace
} // namespace kavrel
