#include "calculators/unequal_payments/unequal_payments_dlg.h"
#include "entry/cash_flow_list.h"
#include "entry/number_text.h"
#include "resources/strings.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavrel {
namespace {

using test::BufferTarget;
using test::RecordingHost;
using Dlg = CUnequalPaymentsDlg;

enum { Calculate = 1001, Record = 1003 };

struct Form {
    Form() : host(dlg, &doc) {
        TheDecimalFieldMemory() = {};
        TheListLineMemory(ListColumns::One) = {};
        dlg.Open();
    }
    // Fills the form the way a person types it; an empty text leaves a field alone.
    void Fill(const char* perYear, const char* rate, const char* pv, const char* payments) {
        if (*perYear) host.Enter(Dlg::IDC_PAYMENTS_PER_YEAR, perYear);
        if (*rate) host.Enter(Dlg::IDC_RATE, rate);
        if (*pv) host.Enter(Dlg::IDC_PRESENT_VALUE, pv);
        host.Type(Dlg::IDC_PAYMENTS, payments);
    }
    Dlg dlg;
    BufferTarget doc;
    RecordingHost host;
};

struct SolveCase {
    const char* name;
    int unknownButton, unknownField;
    const char *perYear, *rate, *pv, *payments;
    const char* expected; // the unknown's text, or "" when a message stops the Calculate
    const char* message;  // the message shown, if any
};

const char* const Twelve100s =
    "100\r\n100\r\n100\r\n100\r\n100\r\n100\r\n100\r\n100\r\n100\r\n100\r\n"
    "100\r\n100";

// 30 years of monthly payments of 1079.19 repay 180000 at 5.99999 % a year.
std::string Repeated(const std::string& line, int times) {
    std::string text = line;
    for (int k = 1; k < times; ++k)
        text += "\r\n" + line;
    return text;
}
const std::string ThirtyYears = Repeated("1079.19", 360);

const SolveCase SolveCases[] = {
    {"present value", Dlg::IDC_UNKNOWN_PRESENT_VALUE, Dlg::IDC_PRESENT_VALUE, "1", "10", "",
     "100\r\n200\r\n300", "481.59", ""},
    {"rate", Dlg::IDC_UNKNOWN_RATE, Dlg::IDC_RATE, "1", "", "481.59", "100\r\n200\r\n300", "10.000",
     ""},
    {"monthly present value", Dlg::IDC_UNKNOWN_PRESENT_VALUE, Dlg::IDC_PRESENT_VALUE, "12", "12",
     "", Twelve100s, "1125.51", ""},
    {"monthly rate", Dlg::IDC_UNKNOWN_RATE, Dlg::IDC_RATE, "12", "", "1125.51", Twelve100s,
     "12.000", ""},
    {"payments not above the value", Dlg::IDC_UNKNOWN_RATE, Dlg::IDC_RATE, "1", "", "250",
     "100\r\n100", "", "Unknown exceeds preset limits..."},
    {"thirty years of monthly payments", Dlg::IDC_UNKNOWN_RATE, Dlg::IDC_RATE, "12", "", "180000",
     ThirtyYears.c_str(), "6.000", ""},
    {"rate beyond 1000 percent a period", Dlg::IDC_UNKNOWN_RATE, Dlg::IDC_RATE, "1", "", "1",
     "10000000", "", "Unknown exceeds preset limits..."},
    {"final Enter", Dlg::IDC_UNKNOWN_PRESENT_VALUE, Dlg::IDC_PRESENT_VALUE, "1", "10", "",
     "100\r\n200\r\n", "", "Payment missing..."},
    {"no payments", Dlg::IDC_UNKNOWN_PRESENT_VALUE, Dlg::IDC_PRESENT_VALUE, "1", "10", "", "", "",
     "Please enter payments..."},
    {"missing rate", Dlg::IDC_UNKNOWN_PRESENT_VALUE, Dlg::IDC_PRESENT_VALUE, "1", "", "", "100", "",
     "Please enter data..."},
};

class UnequalPaymentsSolve : public testing::TestWithParam<SolveCase> {};

TEST_P(UnequalPaymentsSolve, ShowsTheResultOrStops) {
    const SolveCase& c = GetParam();
    Form f;
    f.host.Click(c.unknownButton);
    f.Fill(c.perYear, c.rate, c.pv, c.payments);
    f.host.Click(Calculate);
    EXPECT_EQ(f.dlg.Text(c.unknownField), c.expected);
    EXPECT_EQ(f.host.LastMessage(), c.message);
    EXPECT_EQ(f.dlg.IsEnabled(Record), *c.expected != '\0');
}

INSTANTIATE_TEST_SUITE_P(Examples, UnequalPaymentsSolve, testing::ValuesIn(SolveCases),
                         [](const auto& tested) {
                             std::string name = tested.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(UnequalPayments, OpensWithOnePaymentAYearAndNoneCounted) {
    Form f;
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_PAYMENTS_PER_YEAR), "1");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_PAYMENT_COUNT), "0");
    EXPECT_EQ(f.dlg.CurrentUnknown(), Dlg::IDC_PRESENT_VALUE);
    EXPECT_FALSE(f.dlg.IsEnabled(Record));
}

TEST(UnequalPayments, TheListCountsWhatIsTypedAndRefusesAMinus) {
    Form f;
    f.host.Type(Dlg::IDC_PAYMENTS, "-");
    EXPECT_EQ(f.host.beeps, 1);
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_PAYMENTS), "");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_PAYMENT_COUNT), "0");
    f.host.Type(Dlg::IDC_PAYMENTS, "50\r\n60");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_PAYMENT_COUNT), "2");
    f.host.Type(Dlg::IDC_PAYMENTS, "\r\n");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_PAYMENT_COUNT), "3");
}

// Uneven payments at an uneven rate, valued period by period.
TEST(UnequalPayments, PresentValueIsTheSumOfTheDiscountedPayments) {
    Form f;
    f.Fill("4", "7.5", "", "250.5\r\n0\r\n1200\r\n75.25\r\n3000");
    f.host.Click(Calculate);
    const double payments[] = {250.5, 0, 1200, 75.25, 3000};
    double pv = 0, factor = 1;
    for (double payment : payments) {
        factor /= 1 + 0.075 / 4;
        pv += payment * factor;
    }
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_PRESENT_VALUE), FormatFixed(pv, 2));
}

std::string Line(std::string_view label, std::string_view value) {
    return std::string(label) + std::string(50 - label.size() - value.size(), ' ') +
           std::string(value) + "\r\n";
}

const std::string Title =
    "\r\n" + std::string(6, ' ') + "ORDINARY ANNUITY WITH UNEQUAL PAYMENTS\r\n\r\n";

TEST(UnequalPayments, RecordsTheFieldsAndEveryPayment) {
    Form f;
    f.Fill("1", "10", "", "100\r\n200\r\n300");
    f.host.Click(Calculate);
    f.host.Click(Record);
    const std::string expected =
        Title + Line("Payments per Year:", "1") + Line("Annual Rate (%):", "10.000") +
        Line("Present Value ($):", "481.59") + Line("Number of Payments:", "3") +
        "Periodic Payments ($):\r\n" + Line("   ", "100.00") + Line("   ", "200.00") +
        Line("   ", "300.00");
    EXPECT_EQ(f.doc.text, expected);
    EXPECT_EQ(f.host.result, FormResult::Ok);
}

TEST(UnequalPayments, RecordAfterAStoppedCalculatePrintsUnreadPaymentsAsZero) {
    Form f;
    f.Fill("1", "10", "", "100\r\n200\r\n300");
    f.host.Click(Calculate);
    ASSERT_TRUE(f.dlg.IsEnabled(Record));
    f.host.Enter(Dlg::IDC_PAYMENTS, "700\r\n\r\n900");
    f.host.Click(Calculate);
    EXPECT_EQ(f.host.LastMessage(), "Payment missing...");
    f.host.Click(Record);
    const std::string payments = "Periodic Payments ($):\r\n" + Line("   ", "700.00") +
                                 Line("   ", "0.00") + Line("   ", "0.00");
    ASSERT_GE(f.doc.text.size(), payments.size());
    EXPECT_EQ(f.doc.text.substr(f.doc.text.size() - payments.size()), payments);
}

} // namespace
} // namespace kavrel
