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

enum { Calculate = 1001, Record = 1003, Daily = 0, Monthly = 3, Quarterly = 4, Annually = 6 };
enum Field : int {
    N = Dlg::IDC_PAYMENT_COUNT,
    Rate = Dlg::IDC_RATE,
    Pv = Dlg::IDC_PRESENT_VALUE,
    Pmt = Dlg::IDC_PAYMENT,
    Balloon = Dlg::IDC_BALLOON,
    Fv = Dlg::IDC_FUTURE_VALUE,
};
const int Loan = IDS_LOAN_CAPTION, Lease = IDS_LEASE_CAPTION, Save = IDS_SAVE_CAPTION,
          Sink = IDS_SINKING_FUND_CAPTION;

int UnknownButtonOf(int field) {
    return field == Fv ? Dlg::IDC_UNKNOWN_FUTURE_VALUE : field + 10;
}

// Loan and Lease value a present value, Save and Sinking Fund a future one.
struct Form {
    explicit Form(int caption)
        : dlg(caption == Loan || caption == Lease
                  ? std::unique_ptr<Dlg>(std::make_unique<CAnnuityPvDlg>(caption))
                  : std::make_unique<CAnnuityFvDlg>(caption)),
          host(*dlg, &doc) {
        TheDecimalFieldMemory() = {};
        dlg->Open();
    }
    // Makes `unknown` the unknown, enters the non-empty texts and presses Calculate.
    void Solve(int unknown, std::initializer_list<std::pair<int, const char*>> inputs) {
        host.Click(UnknownButtonOf(unknown));
        for (auto [id, text] : inputs)
            if (*text) host.Enter(id, text);
        host.Click(Calculate);
    }
    std::unique_ptr<Dlg> dlg;
    BufferTarget doc;
    RecordingHost host;
};

std::string Block(std::string_view title,
                  std::initializer_list<std::pair<std::string_view, std::string>> fields) {
    std::string text = "\r\n" + std::string((50 - title.size()) / 2, ' ') + std::string(title);
    text += "\r\n\r\n";
    for (const auto& [label, value] : fields)
        text += std::string(label) + std::string(50 - label.size() - value.size(), ' ') + value +
                "\r\n";
    return text;
}

struct SolveCase {
    const char* name;
    int caption, unknown;
    const char *count, *rate, *value, *payment, *balloon; // value: present or future
    const char* expected; // "" for "Unknown exceeds preset limits..."
    int entry = Monthly;
    const char* perYear = "12";
};

// The negative balloon: 10000 - (-1000) / 1.01^48 = 10620.26 spread over 48 payments.
const SolveCase SolveCases[] = {
    {"loan_payment", Loan, Pmt, "48", "12", "10000", "", "", "263.34"},
    {"lease_payment", Lease, Pmt, "48", "12", "10000", "", "", "260.73"},
    {"loan_compounded_quarterly", Loan, Pmt, "48", "12", "10000", "", "", "262.76", Quarterly},
    {"loan_balloon", Loan, Balloon, "48", "12", "10000", "200", "", "3877.74"},
    {"loan_rate", Loan, Rate, "48", "", "10000", "263.34", "", "12.000"},
    {"loan_payment_count", Loan, N, "", "12", "10000", "263.34", "", "48.000"},
    {"payment_below_the_interest", Loan, N, "", "12", "10000", "90", "", ""},
    {"loan_with_a_negative_balloon", Loan, Pmt, "48", "12", "10000", "", "-1000", "279.67"},
    // Solved by bisection: 1460 daily payments of 7.50 repay 10000 at 4.60553 % a year.
    {"loan_rate_paid_daily", Loan, Rate, "1460", "", "10000", "7.5", "", "4.606", Daily, "365"},
    // 100000 / (1 - 1.1667^-360) * 0.1667, nearly the interest alone, and back.
    {"loan_payment_over_a_huge_growth", Loan, Pmt, "360", "200", "100000", "", "", "16666.67"},
    {"loan_value_over_a_huge_growth", Loan, Pv, "360", "200", "", "16666.67", "", "100000.02"},
    {"loan_rate_beyond_1000_percent", Loan, Rate, "2", "", "100", "10000", "", "", Daily, "1"},
    {"sinking_fund_value", Sink, Fv, "12", "6", "", "100", "", "1233.56"},
    {"save_value", Save, Fv, "12", "6", "", "100", "", "1239.72"},
    {"save_payment_count", Save, N, "", "6", "1239.72", "100", "", "12.000"},
    {"sinking_fund_rate", Sink, Rate, "12", "", "1233.56", "100", "", "6.001"},
    {"sinking_fund_payment", Sink, Pmt, "12", "6", "1233.56", "", "", "100.00"},
    // 200 years at 9999 %: the value grows past every limit, the payment is below a cent.
    {"sinking_fund_value_overflowing", Sink, Fv, "200", "9999", "", "0.01", "", "", Annually, "1"},
    {"sinking_fund_payment_overflowing", Sink, Pmt, "200", "9999", "1e9", "", "", "", Annually,
     "1"},
    {"save_rate_with_payments_reaching_the_value", Save, Rate, "12", "", "1200", "100", "", ""},
    {"sinking_rate_with_payments_reaching_the_value", Sink, Rate, "12", "", "1200", "100", "", ""},
};

TEST(Annuity, SolvesTheUnknownOrRejectsIt) {
    for (const SolveCase& c : SolveCases) {
        SCOPED_TRACE(c.name);
        Form f(c.caption);
        f.dlg->UserSelected(Dlg::IDC_COMPOUNDING, c.entry);
        f.host.Enter(Dlg::IDC_PAYMENTS_PER_YEAR, c.perYear);
        const bool pv = c.caption == Loan || c.caption == Lease;
        f.Solve(c.unknown, {{N, c.count},
                            {Rate, c.rate},
                            {pv ? Pv : Fv, c.value},
                            {Pmt, c.payment},
                            {Balloon, c.balloon}});
        EXPECT_EQ(f.dlg->Text(c.unknown), c.expected);
        EXPECT_EQ(f.host.LastMessage(), *c.expected ? "" : LoadString(IDS_UNKNOWN_EXCEEDS_LIMITS));
        EXPECT_EQ(f.dlg->IsEnabled(Record), *c.expected != 0);
    }
}

// Present and future values summed payment by payment, against the forms' closed formulas.
TEST(Annuity, ValuesAreTheSumsOfTheDiscountedOrGrownPayments) {
    struct Case {
        int caption, unknown;
        int direction; // -1: discounted to the start, 1: grown to the end
        int shift;     // the periods of the first payment's discount or growth
    };
    const Case cases[] = {
        {Loan, Pv, -1, 1}, {Lease, Pv, -1, 0}, {Sink, Fv, 1, 0}, {Save, Fv, 1, 1}};
    for (const Case& c : cases) {
        Form f(c.caption);
        f.Solve(c.unknown, {{N, "30"}, {Rate, "9"}, {Pmt, "250"}});
        double sum = 0; // 9 % a year, paid and compounded monthly
        for (int k = 0; k < 30; ++k)
            sum += 250 * std::pow(1.0075, c.direction * (k + c.shift));
        EXPECT_EQ(f.dlg->Text(c.unknown), FormatFixed(sum, 2)) << c.caption;
    }
}

TEST(Annuity, OpensWithMonthlyPaymentsAndThePaymentUnknown) {
    for (int caption : {Loan, Lease, Save, Sink}) {
        Form f(caption);
        EXPECT_EQ(f.dlg->Caption(), LoadString(caption));
        EXPECT_EQ(f.dlg->AnnuityDue(), caption == Lease || caption == Save);
        EXPECT_EQ(f.dlg->Text(Dlg::IDC_COMPOUNDING), "Monthly");
        EXPECT_EQ(f.dlg->Text(Dlg::IDC_PAYMENTS_PER_YEAR), "12");
        EXPECT_FALSE(f.dlg->IsEnabled(Pmt));
        EXPECT_TRUE(f.dlg->IsChecked(Dlg::IDC_UNKNOWN_PAYMENT));
        EXPECT_FALSE(f.dlg->IsEnabled(Record));
        EXPECT_EQ(f.dlg->Text(N), "");
        if (caption == Loan) {
            EXPECT_EQ(f.dlg->Text(Balloon), "0");
        }
    }
}

TEST(Annuity, TheCompoundingListRewritesPaymentsPerYearButNotTheOtherWay) {
    Form f(Loan);
    f.dlg->UserSelected(Dlg::IDC_COMPOUNDING, Daily);
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_PAYMENTS_PER_YEAR), "365");
    f.dlg->UserSelected(Dlg::IDC_COMPOUNDING, 1);
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_PAYMENTS_PER_YEAR), "52");
    f.dlg->UserSelected(Dlg::IDC_COMPOUNDING, Daily);
    f.host.Enter(Dlg::IDC_PAYMENTS_PER_YEAR, "12");
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_COMPOUNDING), "Daily");
    f.Solve(Pmt, {{N, "48"}, {Rate, "12"}, {Pv, "10000"}});
    // Monthly payments with daily compounding: i = (1 + 0.12 / 365)^(365 / 12) - 1.
    const double i = std::pow(1 + 0.12 / 365, 365.0 / 12) - 1;
    EXPECT_EQ(f.dlg->Text(Pmt), FormatFixed(10000 * i / (1 - std::pow(1 + i, -48)), 2));
}

TEST(Annuity, KeystrokesFollowTheFieldClasses) {
    Form f(Loan);
    f.host.Enter(Balloon, "-500.25");
    EXPECT_EQ(f.dlg->Text(Balloon), "-500.25");
    EXPECT_EQ(f.host.beeps, 0);
    f.host.Enter(Pv, "-");
    EXPECT_EQ(f.dlg->Text(Pv), "");
    EXPECT_EQ(f.host.beeps, 1);
    f.host.Enter(Balloon, "-100000000000");
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_NUMBER_TOO_SMALL));
    f.host.Enter(Dlg::IDC_PAYMENTS_PER_YEAR, "0");
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_NUMBER_TOO_SMALL));
    EXPECT_EQ(f.dlg->Text(Dlg::IDC_PAYMENTS_PER_YEAR), "");
}

TEST(Annuity, CalculateAsksForMissingInputs) {
    Form f(Save);
    f.Solve(Pmt, {{N, "12"}, {Rate, "6"}});
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_ENTER_DATA));
    EXPECT_EQ(f.host.focus, Fv);
}

TEST(Annuity, RecordsTheLoanAndSaveForms) {
    Form loan(Loan);
    loan.Solve(Pmt, {{N, "48"}, {Rate, "12"}, {Pv, "10000"}});
    loan.host.Click(Record);
    EXPECT_EQ(loan.doc.text,
              Block("LOAN (ORDINARY ANNUITY)", {{"Compounding Period is:", "Monthly"},
                                                {"Payments per Year:", "12"},
                                                {"Number of Payments:", "48.000"},
                                                {"Annual Rate (%):", "12.000"},
                                                {"Present Value ($):", "10000.00"},
                                                {"Periodic Payment ($):", "263.34"},
                                                {"Balloon Payment ($):", "0.00"}}));
    EXPECT_EQ(loan.host.result, FormResult::Ok);

    Form save(Save);
    save.dlg->UserSelected(Dlg::IDC_COMPOUNDING, Quarterly);
    save.Solve(Fv, {{N, "8"}, {Rate, "8"}, {Pmt, "500"}});
    save.host.Click(Record);
    // Quarterly payments at the start of each quarter: 500 * 1.02 * (1.02^8 - 1) / 0.02.
    EXPECT_EQ(save.doc.text, Block("SAVE (ANNUITY DUE)",
                                   {{"Compounding Period is:", "Quarterly"},
                                    {"Payments per Year:", "4"},
                                    {"Number of Payments:", "8.000"},
                                    {"Annual Rate (%):", "8.000"},
                                    {"Future Value ($):",
                                     FormatFixed(500 * 1.02 * (std::pow(1.02, 8) - 1) / 0.02, 2)},
                                    {"Periodic Payment ($):", "500.00"}}));
}

} // namespace
} // namespace kavrel
