#include "calculators/discounted_cash_flow/discounted_cash_flow_dlg.h"
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
using Dlg = CDiscountedCashFlowDlg;

enum { Calculate = 1001, Record = 1003 };

struct Form {
    Form() : host(dlg, &doc) {
        TheDecimalFieldMemory() = {};
        TheListLineMemory(ListColumns::Two) = {};
        dlg.Open();
    }
    void Run(const char* perYear, const char* rate, const char* flows) {
        host.Enter(Dlg::IDC_PER_YEAR, perYear);
        if (*rate) host.Enter(Dlg::IDC_RATE, rate);
        host.Type(Dlg::IDC_CASH_FLOWS, flows);
        host.Click(Calculate);
    }
    Dlg dlg;
    BufferTarget doc;
    RecordingHost host;
};

struct DcfCase {
    const char* name;
    const char *perYear, *rate, *flows;
    const char *npv, *pi, *payback, *irr, *roi;
    const char* message;
};

// 30 years of monthly returns of 1079.19 on 180000: 5.99999 % a year.
std::string ThirtyYears() {
    std::string flows = "180000 0";
    for (int k = 0; k < 360; ++k)
        flows += "\r\n0 1079.19";
    return flows;
}
const std::string ThirtyYearFlows = ThirtyYears();

const DcfCase DcfCases[] = {
    {"investment that pays", "1", "10", "1000 0\r\n0 600\r\n0 600", "41.32", "1.04", "1.92",
     "13.066", "60.000", ""},
    {"investment that loses", "1", "10", "1000 0\r\n0 500\r\n0 500", "-132.23", "0.87", "none",
     "0 or less", "50.000", ""},
    {"no discount rate", "1", "", "1000 0\r\n0 600\r\n0 600", "0.00", "0.00", "0.00", "13.066",
     "60.000", ""},
    {"quarterly flows", "4", "8", "1000 0\r\n0 300\r\n0 300\r\n0 300\r\n0 300", "142.32", "1.14",
     "0.87", "30.855", "120.000", ""},
    {"thirty years monthly", "12", "", ThirtyYearFlows.c_str(), "0.00", "0.00", "0.00", "6.000",
     "7.195", ""},
    {"return beyond 1000 percent", "1", "", "1 0\r\n0 1000", "0.00", "0.00", "0.00", "> 1000",
     "100000.000", ""},
    // 1100 a period after 1000: 10 % exactly. Discounted at 5 % the return is 1047.62, of
    // which 1000 / 1047.62 = 0.95 of the period pays the investment back.
    {"one period at ten percent", "1", "5", "1000 0\r\n0 1100", "47.62", "1.05", "0.95", "10.000",
     "110.000", ""},
    // 1100 / 1.1 is 1000 up to rounding: the NPV is 0 and the payback comes at the end.
    {"zero net present value", "1", "10", "1000 0\r\n0 1100", "0.00", "1.00", "1.00", "10.000",
     "110.000", ""},
    // 0.1 + 0.2 exceeds 0.3 by rounding alone.
    {"returns equal to the outlay", "1", "", "0.3 0\r\n0 0.1\r\n0 0.2", "0.00", "0.00", "0.00",
     "0 or less", "50.000", ""},
    {"no outflows with a rate", "1", "10", "0 0\r\n0 600", "0.00", "0.00", "0.00", "", "",
     "No Cash Flow's Out (investments)..."},
    // Nothing paid out and no rate: no ROI to divide out, shown empty; the IRR has no bound.
    {"no outflows without a rate", "1", "", "0 0\r\n0 600", "0.00", "0.00", "0.00", "> 1000", "",
     ""},
};

TEST(DiscountedCashFlow, ShowsEveryMeasure) {
    for (const DcfCase& c : DcfCases) {
        SCOPED_TRACE(c.name);
        Form f;
        f.Run(c.perYear, c.rate, c.flows);
        EXPECT_EQ(f.host.LastMessage(), c.message);
        const std::pair<int, const char*> results[] = {{Dlg::IDC_NPV, c.npv},
                                                       {Dlg::IDC_PI, c.pi},
                                                       {Dlg::IDC_PAYBACK, c.payback},
                                                       {Dlg::IDC_IRR, c.irr},
                                                       {Dlg::IDC_ROI, c.roi}};
        for (auto [id, text] : results)
            EXPECT_EQ(f.dlg.Text(id), text) << id;
        EXPECT_TRUE(f.dlg.IsEnabled(Record));
    }
}

TEST(DiscountedCashFlow, OpensWithZeroResultsAndStopsWhenTheSeriesIsShortOrIncomplete) {
    Form opened;
    EXPECT_EQ(opened.dlg.Text(Dlg::IDC_PER_YEAR), "1");
    for (int id : {Dlg::IDC_COUNT, Dlg::IDC_IRR, Dlg::IDC_ROI})
        EXPECT_EQ(opened.dlg.Text(id), "") << id;
    for (int id : {Dlg::IDC_NPV, Dlg::IDC_PI, Dlg::IDC_PAYBACK})
        EXPECT_EQ(opened.dlg.Text(id), "0.00") << id;
    EXPECT_FALSE(opened.dlg.IsEnabled(Record));

    struct Case {
        const char *perYear, *flows, *message;
    };
    const Case cases[] = {
        {"1", "", "Not enough cash flows..."},
        {"1", "1000 0", "Not enough cash flows..."},
        {"1", "1000 0\r\n0 600\r\n", "Cash flows not complete..."},
        {"1", "1000 0\r\n600", "Cash flows not complete..."},
        {"", "1000 0\r\n0 600", "Please enter data..."},
    };
    for (const Case& c : cases) {
        Form f;
        f.Run(c.perYear, "", c.flows);
        EXPECT_EQ(f.host.LastMessage(), c.message) << c.flows;
        EXPECT_EQ(f.host.focus, *c.perYear ? Dlg::IDC_CASH_FLOWS : Dlg::IDC_PER_YEAR) << c.flows;
        EXPECT_FALSE(f.dlg.IsEnabled(Record)) << c.flows;
    }
}

TEST(DiscountedCashFlowList, TakesNegativeAmountsAndCountsAFinalEnter) {
    Form f;
    f.host.Type(Dlg::IDC_CASH_FLOWS, "-50 -20\r\n0 1");
    EXPECT_EQ(f.host.beeps, 0);
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_COUNT), "2");
    f.host.Type(Dlg::IDC_CASH_FLOWS, "\r\n0  5");
    EXPECT_EQ(f.host.beeps, 1);
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_CASH_FLOWS), "-50 -20\r\n0 1\r\n0 5");
    f.host.Type(Dlg::IDC_CASH_FLOWS, "\r\n");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_COUNT), "4");
}

// The IRR shown is a rate at which the series is worth nothing: discounted at it, the flows
// of this uneven series sum to (nearly) zero, within what three decimals can carry.
TEST(DiscountedCashFlowIrr, DiscountsTheSeriesToZero) {
    Form f;
    f.Run("2", "", "5000 0\r\n1000 800\r\n0 2500\r\n0 1500\r\n200 3100");
    const double out[] = {5000, 1000, 0, 0, 200}, in[] = {0, 800, 2500, 1500, 3100};
    const double irr = LeadingDouble(f.dlg.Text(Dlg::IDC_IRR));
    ASSERT_GT(irr, 0);
    auto npvAt = [&](double annualPercent) {
        double sum = 0;
        for (int i = 0; i < 5; ++i)
            sum += (in[i] - out[i]) / std::pow(1 + annualPercent / 200, i);
        return sum;
    };
    EXPECT_NEAR(npvAt(irr), 0.0, 0.05);
    EXPECT_GT(npvAt(irr - 0.01), 0.0);
    EXPECT_LT(npvAt(irr + 0.01), 0.0);
}

std::string Line(std::string_view label, std::string_view value) {
    return std::string(label) + std::string(50 - label.size() - value.size(), ' ') +
           std::string(value) + "\r\n";
}

// A period of the record's table: number, outflow and inflow right-aligned in 3, 16 and 16.
std::string Period(int period, const char* out, const char* in) {
    auto right = [](std::string text, size_t width) {
        return std::string(width - text.size(), ' ') + text;
    };
    return "   " + right(std::to_string(period), 3) + right(out, 16) + right(in, 16) + "\r\n";
}

const std::string Title = "\r\n" + std::string(15, ' ') + "DISCOUNTED CASH FLOW\r\n\r\n";
const std::string Heading =
    "Cash Flows (CF) in $:\r\n\r\n   Period       CF Out           CF In\r\n\r\n";

TEST(DiscountedCashFlowRecord, WritesTheTableAndTheResultsAsShown) {
    Form f;
    f.Run("1", "10", "1000 0\r\n0 500\r\n0 500");
    f.host.Click(Record);
    const std::string expected =
        Title + Line("Cash Flows per Year:", "1") + Heading + Period(0, "1000", "0") +
        Period(1, "0", "500") + Period(2, "0", "500") + "\r\n" +
        Line("Number of Cash Flows:", "3") + Line("Discount Rate (%):", "10.000") +
        Line("Net Present Value (NPV) ($):", "-132.23") +
        Line("Profitability Index (PI):", "0.87") + Line("Discounted Payback (years):", "none") +
        Line("Internal Rate of Return (IRR) (%):", "0 or less") +
        Line("Return On Investment (ROI) (%):", "50.000");
    EXPECT_EQ(f.doc.text, expected);
    EXPECT_EQ(f.host.result, FormResult::Ok);
}

TEST(DiscountedCashFlowRecord, RecordsAnEmptyRoiWhenNothingIsPaidOut) {
    Form f;
    f.Run("1", "", "0 0\r\n0 600");
    f.host.Click(Record);
    EXPECT_NE(f.doc.text.find(Line("Return On Investment (ROI) (%):", "")), std::string::npos);
    EXPECT_EQ(f.doc.text.find("inf"), std::string::npos);
    EXPECT_EQ(f.doc.text.find("nan"), std::string::npos);
}

TEST(DiscountedCashFlowRecord, PrintsPeriodsAStoppedCalculateDidNotReadAsZero) {
    Form f;
    f.Run("1", "10", "1000 0\r\n0 600\r\n0 600");
    ASSERT_TRUE(f.dlg.IsEnabled(Record));
    f.host.Enter(Dlg::IDC_CASH_FLOWS, "2000 0\r\n300\r\n0 900");
    f.host.Click(Calculate);
    EXPECT_EQ(f.host.LastMessage(), "Cash flows not complete...");
    f.host.Click(Record);
    const std::string table =
        Heading + Period(0, "2000", "0") + Period(1, "0", "0") + Period(2, "0", "0") + "\r\n";
    EXPECT_NE(f.doc.text.find(table), std::string::npos) << f.doc.text;
}

} // namespace
} // namespace kavrel
