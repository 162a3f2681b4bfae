#include "entry/cash_flow_list.h"
#include "entry/form_model.h"
#include "resources/strings.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

using test::RecordingHost;

enum { List = 34, Count = 31 };

// A form with nothing but a list and its count.
class ListForm : public CFormModel {
public:
    explicit ListForm(ListColumns columns) : CFormModel(1, "List"), m_columns(columns) {
        AddControl({List, ControlKind::List, {}, EditRule::PaymentList});
        AddDisplay(Count);
    }
    FieldTable Table() const override { return {}; }

protected:
    void OnEditChange(int id) override {
        if (id == List) OnCashFlowLineChange(*this, List, Count, m_columns);
    }

private:
    ListColumns m_columns;
};

struct Fixture {
    explicit Fixture(ListColumns columns) : form(columns), host(form) {
        TheListLineMemory(ListColumns::One) = {};
        TheListLineMemory(ListColumns::Two) = {};
    }
    ListForm form;
    RecordingHost host;
};

TEST(ListLines, AreCountedAndReadAsAnEditControlDoes) {
    EXPECT_EQ(ListLineCount(""), 1);
    EXPECT_EQ(ListLineCount("100"), 1);
    EXPECT_EQ(ListLineCount("100\r\n"), 2);
    EXPECT_EQ(ListLineCount("100\r\n200\r\n300"), 3);
    EXPECT_EQ(ListLine("100\r\n200\r\n300", 1), "200");
    EXPECT_EQ(ListLine("100\n200", 1), "200");
    EXPECT_EQ(ListLine("100\r\n", 1), "");
    EXPECT_EQ(ListLine("100", 3), "");
    EXPECT_EQ(ListLine(std::string(100, '1'), 0).size(), ListLineLimit);
}

struct LineCase {
    const char* line;
    ListColumns columns;
    bool rejected;
    int messageId;
};

const LineCase LineCases[] = {
    {"", ListColumns::One, false, 0},
    {"100.25", ListColumns::One, false, 0},
    {"1e5", ListColumns::One, false, 0},
    {"-", ListColumns::One, true, 0},
    {"12.345", ListColumns::One, true, 0},
    {"100 ", ListColumns::One, true, 0},
    {"20000000000", ListColumns::One, true, IDS_NUMBER_TOO_LARGE},
    {"1000 0", ListColumns::Two, false, 0},
    {"-", ListColumns::Two, false, 0},
    {"-5 -", ListColumns::Two, false, 0},
    {"1000 ", ListColumns::Two, false, 0},
    {"  1000 0", ListColumns::Two, false, 0},
    {"1000\t0", ListColumns::Two, false, 0}, // a row pasted from a spreadsheet
    {"1000  ", ListColumns::Two, true, 0},
    {"1000 0 ", ListColumns::Two, true, 0},
    {"1000 1.234", ListColumns::Two, true, 0},
    {"-2000000000", ListColumns::Two, true, IDS_NUMBER_TOO_SMALL},
    {"0 -2000000000", ListColumns::Two, true, IDS_NUMBER_TOO_SMALL},
    {"1 20000000000", ListColumns::Two, true, IDS_NUMBER_TOO_LARGE},
};

TEST(ListLines, FollowTheAmountRulesOfTheirColumns) {
    for (const LineCase& c : LineCases) {
        KeystrokeVerdict verdict = CheckListLine(c.line, c.columns);
        EXPECT_EQ(verdict.rejected, c.rejected) << '"' << c.line << '"';
        EXPECT_EQ(verdict.messageId, c.messageId) << '"' << c.line << '"';
    }
}

struct TypingCase {
    ListColumns columns;
    const char* typed;
    const char* shown;
    int beeps;
    const char* count; // a refused keystroke is not counted
};

TEST(ListTyping, ChecksEveryKeystrokeAndCountsTheLines) {
    const TypingCase cases[] = {
        {ListColumns::One, "-", "", 1, ""},
        {ListColumns::Two, "-100 -5", "-100 -5", 0, "1"}, // a minus starts either amount
        {ListColumns::Two, "1000  0", "1000 0", 1, "1"},
        {ListColumns::One, "100\r\n200", "100\r\n200", 0, "2"},
        {ListColumns::One, "100\r\n200\r\n", "100\r\n200\r\n", 0, "3"}, // an empty last line
    };
    for (const TypingCase& c : cases) {
        Fixture f(c.columns);
        f.host.Type(List, c.typed);
        EXPECT_EQ(f.form.Text(List), c.shown) << c.typed;
        EXPECT_EQ(f.host.beeps, c.beeps) << c.typed;
        EXPECT_TRUE(f.host.messages.empty()) << c.typed;
        EXPECT_EQ(f.form.Text(Count), c.count) << c.typed;
    }
}

TEST(ListTyping, DeletingInsideALineIsNeverChecked) {
    Fixture f(ListColumns::Two);
    f.host.Type(List, "-1");
    // A shorter text in the same line, even one the rule would refuse, passes unchecked.
    f.form.UserEdited(List, "-");
    EXPECT_EQ(f.host.beeps, 0);
    EXPECT_EQ(f.form.Text(List), "-");
}

TEST(ListTyping, TheMemoryOfEachListKindLastsAcrossForms) {
    Fixture f(ListColumns::One);
    f.host.Type(List, "12345");
    ListForm other(ListColumns::One);
    RecordingHost otherHost(other);
    // A text the form sets on the same line, shorter than the one remembered: not checked, not
    // counted.
    other.SetText(List, "-");
    EXPECT_EQ(otherHost.beeps, 0);
    EXPECT_EQ(other.Text(Count), "");
    // A two-column list keeps its own memory.
    ListForm pair(ListColumns::Two);
    RecordingHost pairHost(pair);
    pair.SetText(List, "1 2");
    EXPECT_EQ(pair.Text(Count), "1");
}

TEST(ListReading, AWhollyPastedLineIsReadWithAnyBlanksBetweenItsAmounts) {
    Fixture f(ListColumns::Two);
    // Pasted lines are not checked as they come but read at Calculate.
    f.form.UserEdited(List, "1000   0\r\n0\t600\r\n0 600");
    EXPECT_EQ(f.host.beeps, 0);
    EXPECT_EQ(f.form.Text(Count), "3");
    std::vector<double> in, out;
    ASSERT_TRUE(ReadCashFlowLines(f.form, List, 3, in, out));
    EXPECT_EQ(out, (std::vector<double>{1000, 0, 0}));
    EXPECT_EQ(in, (std::vector<double>{0, 600, 600}));
}

struct IncompleteCase {
    const char* text;
    int count;
};

TEST(ListReading, ALineWithoutBothAmountsStopsTheReading) {
    for (IncompleteCase c : {IncompleteCase{"1000", 1}, {"1000 0\r\n", 2}, {"1000 0", 2}}) {
        Fixture f(ListColumns::Two);
        f.form.UserEdited(List, c.text);
        std::vector<double> in, out;
        EXPECT_FALSE(ReadCashFlowLines(f.form, List, c.count, in, out)) << c.text;
        EXPECT_EQ(f.host.LastMessage(), "Cash flows not complete...");
        EXPECT_EQ(f.host.focus, List);
    }
}

TEST(ListReading, AnEmptyLineIsAMissingPaymentAndLaterOnesStayZero) {
    Fixture f(ListColumns::One);
    f.form.UserEdited(List, "100\r\n\r\n300");
    std::vector<double> payments{7, 7, 7, 7};
    EXPECT_FALSE(ReadCashFlowLines(f.form, List, 3, payments));
    EXPECT_EQ(f.host.LastMessage(), "Payment missing...");
    EXPECT_EQ(f.host.focus, List);
    EXPECT_EQ(payments, (std::vector<double>{100, 0, 0}));

    f.form.UserEdited(List, "100\r\n250.5\r\n300");
    EXPECT_TRUE(ReadCashFlowLines(f.form, List, 3, payments));
    EXPECT_EQ(payments, (std::vector<double>{100, 250.5, 300}));
}

} // namespace
} // namespace kavrel
