#include "document/record.h"
#include "entry/form_model.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace kavrel {
namespace {

std::string Blanks(int count) {
    return std::string(static_cast<size_t>(count), ' ');
}

enum { FirstLabel = 201, SecondLabel = 202, FirstValue = 11, SecondValue = 12 };

constexpr FieldInfo Fields[] = {
    {FirstValue, 1, FirstLabel, 3},
    {SecondValue, 1, SecondLabel, 3},
};

// Two rows of a label and a display; the tests set the texts they need.
class TwoFieldForm : public CFormModel {
public:
    explicit TwoFieldForm(std::string caption) : CFormModel(900, std::move(caption)) {
        AddLabel(FirstLabel, "Present Value ($):");
        AddDisplay(FirstValue);
        AddLabel(SecondLabel, "Cash Flows (CF) in $:");
        AddDisplay(SecondValue);
    }
    FieldTable Table() const override { return Fields; }
};

struct TitleCase {
    std::string caption;
    int width;
    std::string expected;
};

TEST(RecordTitle, CentresTheUpperCasedCaption) {
    const TitleCase cases[] = {
        // (50 - 17) / 2 = 16
        {"Compound Interest", 50, "\r\n" + Blanks(16) + "COMPOUND INTEREST\r\n\r\n"},
        // (50 - 29) / 2 = 10.5, truncated
        {"Bankers' Rule Simple Interest", 50,
         "\r\n" + Blanks(10) + "BANKERS' RULE SIMPLE INTEREST\r\n\r\n"},
        // (63 - 15) / 2 = 24
        {"Prepay Mortgage", 63, "\r\n" + Blanks(24) + "PREPAY MORTGAGE\r\n\r\n"},
        // Wider than the line: no fill.
        {std::string(60, 'w'), 50, "\r\n" + std::string(60, 'W') + "\r\n\r\n"},
        // At most 78 characters of the caption.
        {std::string(80, 'w'), 50, "\r\n" + std::string(78, 'W') + "\r\n\r\n"},
    };
    for (const TitleCase& c : cases) {
        ScopedRecordWidth width(c.width);
        TwoFieldForm form(c.caption);
        StringSink out;
        RecordTitle(form, out);
        EXPECT_EQ(out.Text(), c.expected) << c.caption;
    }
}

struct FieldCase {
    const char* name;
    std::string label;
    std::string value;
    bool labelEnabled;
    int width;
    std::string expected;
};

TEST(RecordField, WritesLabelFillAndValue) {
    const std::string benefit =
        "Benefit of Mortgage Prepayment over\r\nYour Investments (favorable if plus) ($):";
    const std::string closingCosts =
        "All other Closing Costs including\n\rOrigination Fee and Appraisal ($):";
    const std::string wideLabel = "Average Annual Rate Earned on Your Investments (%):";
    const std::string longValue = "1234567890123456789012345678901234567890";
    const FieldCase cases[] = {
        // 50 - 6 - 18 = 26
        {"plain", "Present Value ($):", "905.78", true, 50,
         "Present Value ($):" + Blanks(26) + "905.78\r\n"},
        {"empty value", "Present Value ($):", "", true, 50,
         "Present Value ($):" + Blanks(32) + "\r\n"},
        {"disabled label", "Present Value ($):", "905.78", false, 50, ""},
        // Only the 41 characters of the last line count: 63 - 5 - 41 = 17.
        {"two-line label", benefit, "12.00", true, 63, benefit + Blanks(17) + "12.00\r\n"},
        // Counted from the first carriage return: 35 - 2 = 33; 50 - 6 - 33 = 11.
        {"line feed before return", closingCosts, "100.00", true, 50,
         closingCosts + Blanks(11) + "100.00\r\n"},
        // 51 + 5 > 50: no fill, nothing cut.
        {"wider than the line", wideLabel, "8.000", true, 50, wideLabel + "8.000\r\n"},
        // At most 38 characters of the value.
        {"long value", "Present Value ($):", longValue, true, 50,
         "Present Value ($):" + longValue.substr(0, 38) + "\r\n"},
    };
    for (const FieldCase& c : cases) {
        ScopedRecordWidth width(c.width);
        TwoFieldForm form("Test");
        form.SetText(FirstLabel, c.label);
        form.SetText(FirstValue, c.value);
        form.Enable(FirstLabel, c.labelEnabled);
        StringSink out;
        RecordField(form, form.Table(), out, 0);
        EXPECT_EQ(out.Text(), c.expected) << c.name;
    }
}

struct LineCase {
    int labelId;
    double value;
    const char* text;
    int limitClass;
    int width;
    std::string expected;
};

TEST(RecordLine, IndentsLabelAndRightAlignsText) {
    const LineCase cases[] = {
        {0, 5.0, "x", 3, 50, "\r\n"},
        // The value in its class format; 50 - 5 - 16 - 3 = 26.
        {55, 8.5, "", 6, 50, "   Annual Rate (%):" + Blanks(26) + "8.500\r\n"},
        // Class 3: two digits; 50 - 7 - 19 - 3 = 21.
        {56, 1234.5, "", 3, 50, "   Loan Principal ($):" + Blanks(21) + "1234.50\r\n"},
        {54, 360.0, "", 0, 50, "   Number of Payments:" + Blanks(25) + "360\r\n"},
        // A text wins over the value; 63 - 7 - 18 - 3 = 35.
        {53, 12.0, "Monthly", 3, 63, "   Payments are Made:" + Blanks(35) + "Monthly\r\n"},
        // No string 1: the worksheets' closing rule, 53 blanks and ten dashes.
        {1, 0.0, "----------", 3, 63, Blanks(53) + "----------\r\n"},
        {1, 100.0, "", 4, 50, Blanks(44) + "100.00\r\n"},
        // 3 + 48 + 5 > 50: no fill.
        {65, 0.0, "12345", 3, 50, "   Life Expectancy Table Ages are from 35 to 110...12345\r\n"},
    };
    for (const LineCase& c : cases) {
        ScopedRecordWidth width(c.width);
        StringSink out;
        RecordLine(c.labelId, c.value, c.text, c.limitClass, out);
        EXPECT_EQ(out.Text(), c.expected) << "label " << c.labelId;
    }
}

const std::string CashFlowHeading =
    "Cash Flows (CF) in $:\r\n\r\n   Period       CF Out           CF In\r\n\r\n";

TEST(RecordCashFlows, WritesHeadingAndOneLinePerPeriod) {
    TwoFieldForm form("Discounted Cash Flow");
    const std::vector<double> out{1000.0, 0.0};
    const std::vector<double> in{0.0, 1500.4};
    StringSink sink;
    // Three periods but only two flows read: the third is written as zeros.
    RecordCashFlows(form, form.Table(), sink, 3.0, out, in);
    EXPECT_EQ(sink.Text(), CashFlowHeading +                                           //
                               "     0" + Blanks(12) + "1000" + Blanks(15) + "0\r\n" + //
                               "     1" + Blanks(15) + "0" + Blanks(12) + "1500\r\n" + //
                               "     2" + Blanks(15) + "0" + Blanks(15) + "0\r\n" + "\r\n");
}

TEST(RecordCashFlows, CountsPeriodsBelowAFractionalNumber) {
    TwoFieldForm form("Discounted Cash Flow");
    const std::vector<double> flows{2499.6, 10.0};
    StringSink none;
    RecordCashFlows(form, form.Table(), none, 0.0, flows, flows);
    EXPECT_EQ(none.Text(), CashFlowHeading + "\r\n");
    StringSink two;
    RecordCashFlows(form, form.Table(), two, 1.5, flows, flows);
    EXPECT_EQ(two.Text(), CashFlowHeading +                                              //
                              "     0" + Blanks(12) + "2500" + Blanks(12) + "2500\r\n" + //
                              "     1" + Blanks(14) + "10" + Blanks(14) + "10\r\n" + "\r\n");
}

TEST(ScopedRecordWidth, RestoresThePreviousWidthEvenWhenAnExceptionUnwinds) {
    EXPECT_EQ(RecordWidth(), 50);
    {
        ScopedRecordWidth worksheet(63);
        {
            ScopedRecordWidth inner(40);
            EXPECT_EQ(RecordWidth(), 40);
        }
        EXPECT_EQ(RecordWidth(), 63);
    }
    EXPECT_THROW(
        {
            ScopedRecordWidth worksheet(63);
            throw std::runtime_error("record failed");
        },
        std::runtime_error);
    EXPECT_EQ(RecordWidth(), 50);
    StringSink out;
    RecordLine(1, 0.0, "----------", 3, out);
    EXPECT_EQ(out.Text(), Blanks(40) + "----------\r\n");
}

} // namespace
} // namespace kavrel
