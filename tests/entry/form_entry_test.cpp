// SPDX-License-Identifier: GPL-3.0-or-later
// Typing, pasting and reading a form's fields: each rule's keystroke checks as a table, the
// memories that let a shortened text pass, and the lists' lines.
#include "entry/cash_flow_list.h"
#include "entry/date_field.h"
#include "entry/form_model.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavrel {
namespace {

using test::RecordingHost;

enum { Integer = 10, Decimal = 13, Payments = 34, Flows = 35, PaymentCount = 31, FlowCount = 32 };
constexpr int Start = IDC_START_DATE, End = IDC_END_DATE, Weekday = IDC_END_WEEKDAY,
              Days = IDC_DAY_COUNT;

// One field of each rule: class 0 integer, class 3 decimal, a date pair as the dated
// calculators build it, and both kinds of list with their counts.
class RuleForm : public CFormModel {
public:
    RuleForm() : CFormModel(1, "Rules") {
        AddEdit(Integer, EditRule::Integer);
        AddEdit(Decimal, EditRule::Decimal);
        AddEdit(Start, EditRule::Date);
        AddEdit(End, EditRule::Date);
        AddDisplay(Weekday);
        AddEdit(Days, EditRule::None);
        AddControl({Payments, ControlKind::List, {}, EditRule::PaymentList});
        AddControl({Flows, ControlKind::List, {}, EditRule::CashFlowList});
        AddDisplay(PaymentCount);
        AddDisplay(FlowCount);
    }
    FieldTable Table() const override { return Fields; }
    CDate start, end;

protected:
    void OnEditChange(int id) override {
        if (id == Payments) return OnCashFlowLineChange(*this, id, PaymentCount, ListColumns::One);
        if (id == Flows) return OnCashFlowLineChange(*this, id, FlowCount, ListColumns::Two);
        CFormModel::OnEditChange(id);
        if (id == Start || id == End)
            OnDatePairChange(*this, id, m_unknown, m_savedText, start, end);
    }

private:
    static constexpr FieldInfo Fields[] = {{Integer, 0, 0, 0}, {Decimal, 0, 0, 3}};
};

using Form = test::Form<RuleForm>;

struct ChangeCase {
    int field;
    const char* typed; // a keystroke at a time
    const char* after; // nullptr, or the whole text after one change: a paste, a deletion
    const char* then;  // typed afterwards
    const char* shown;
    int beeps;
    const char* message = "";
    int maxYear = 2500;
};

void ExpectChanges(std::initializer_list<ChangeCase> rows) {
    for (const ChangeCase& c : rows) {
        SCOPED_TRACE(testing::Message() << '"' << c.typed << "\" / \"" << (c.after ? c.after : "")
                                        << "\" / \"" << c.then << '"');
        Form f;
        ScopedYearRange range(1600, c.maxYear);
        f.host.Type(c.field, c.typed);
        if (c.after) f.model.UserEdited(c.field, c.after);
        f.host.Type(c.field, c.then);
        EXPECT_EQ(f.model.Text(c.field), c.shown);
        EXPECT_EQ(f.host.beeps, c.beeps);
        EXPECT_EQ(f.host.LastMessage(), c.message);
    }
}

TEST(DateTyping, ChecksEveryKeystrokeAndRestartsWhenADelimiterIsDeleted) {
    ExpectChanges({
        {Start, "1/5/1999", nullptr, "", "1/5/1999", 0},
        {Start, "13", nullptr, "", "1", 1},
        {Start, "2/30", nullptr, "", "2/3", 1},
        {Start, "2/29", nullptr, "", "2/29", 0}, // the year is not known yet
        {Start, "1/31/2001", nullptr, "", "1/31/2001", 0},
        {Start, "0", nullptr, "", "", 1},
        {Start, "1a", nullptr, "", "1", 1},
        {Start, "1/1/3", nullptr, "", "1/1/", 1}, // the year begins with 1 or 2
        {Start, "1/1/2501", nullptr, "", "1/1/250", 1},
        {Start, "1/2/1999/", nullptr, "", "1/2/1999", 1}, // no third delimiter
        {Start, "/5", nullptr, "", "/5", 0},              // nothing is checked before a month
        {Start, "12/31/49999", nullptr, "", "12/31/4999", 1, "", 5000}, // a fifth digit
        {Start, "12/25/", "12/25", "", "", 0},
        {Start, "12/25/19", "12/25/1", "", "12/25/1", 0}, // a digit is deleted freely
        {Start, "12/", "", "5/1/2001", "5/1/2001", 0},    // emptied and typed again
        {Start, "12/", "5", "/1/2001", "5/1/2001", 0},    // typed over
        // Pasted: refused whole where typing would be refused.
        {Start, "", "13/1/2001", "", "", 1},
        {Start, "", "2/29/2001", "", "", 0, "Only 28 days in February"},
        {Start, "2", "2/30", "/1/2001", "2/1/2001", 1},
    });
}

TEST(DateTyping, TheMemoryFollowsTheLastDateFieldThatChanged) {
    Form f;
    f.host.Type(Start, "12/25/");
    f.host.Type(End, "1");
    f.model.UserEdited(Start, "12/25"); // counted from 0 again: no delimiter deleted
    EXPECT_EQ(f.model.Text(Start), "12/25");
}

TEST(NumberTyping, APasteIsRefusedWholeWhereTheRuleRefusesIt) {
    ExpectChanges({
        {Decimal, "2208.04", "2208.04qwsome text", "", "2208.04", 1},
        {Decimal, "2208.04", "abc", "", "2208.04", 1}, // shorter than what it replaced
        {Decimal, "12", "1299999999999", "", "12", 1, "Number is too large..."},
        {Decimal, "12", "12.5e3", "", "12.5e3", 0},
        {Decimal, "2208.04", "x", "", "", 1}, // one letter typed over the whole text
        {Integer, "12", "12345", "", "12", 1, "Number is too large..."},
        {Integer, "", "1a", "", "", 1},
    });
}

// A list checks the line being typed; pasted lines are read at Calculate, but not letters.
TEST(ListTyping, ChecksTheLineTyped) {
    ExpectChanges({
        {Payments, "-", nullptr, "", "", 1},
        {Flows, "-100 -5", nullptr, "", "-100 -5", 0}, // a minus starts either amount
        {Flows, "1000  0", nullptr, "", "1000 0", 1},
        {Flows, "-1", "-", "", "-", 0}, // shortened in the same line: unchecked
        {Payments, "100", "100\r\n200\r\n300", "", "100\r\n200\r\n300", 0},
        {Flows, "", "1000\t0\r\n0\t600", "", "1000\t0\r\n0\t600", 0},
        {Flows, "1000 0", "1000 0\r\n0 6OO", "", "1000 0", 1},
    });
}

TEST(ListTyping, TheMemoryOfEachListKindLastsAcrossForms) {
    Form f;
    f.host.Type(Payments, "12345");
    RuleForm other;
    RecordingHost otherHost(other);
    // A text set on the same line, shorter than the one remembered: not checked, not counted.
    other.SetText(Payments, "-");
    EXPECT_EQ(otherHost.beeps, 0);
    EXPECT_EQ(other.Text(PaymentCount), "");
    other.SetText(Flows, "1 2"); // a two-column list keeps its own memory
    EXPECT_EQ(other.Text(FlowCount), "1");
}

TEST(ListReading, CountsLinesAsAnEditControlDoes) {
    for (auto [text, lines] : {std::pair{"", 1}, {"1\r\n", 2}, {"1\r\n2\n3", 3}, {"1\r2", 1}})
        EXPECT_EQ(ListLineCount(text), lines) << text;
}

// Pasted lines may part their amounts by any run of blanks or tabs.
TEST(ListReading, ReadsPastedLinesPartedByBlanksOrTabs) {
    Form f;
    f.model.UserEdited(Flows, "1000   0\r\n0\t600\r\n0 600");
    std::vector<double> out, in;
    ASSERT_TRUE(ReadCashFlowLines(f.model, Flows, 3, in, out));
    EXPECT_EQ(out, (std::vector<double>{1000, 0, 0}));
    EXPECT_EQ(in, (std::vector<double>{0, 600, 600}));
}

// The end date from a solved day count.
TEST(DatePair, SetEndDateFromDaysMovesTheStartByWholeDays) {
    const std::tuple<const char*, double, const char*> rows[] = {
        {"1/1/2001", 59.9, "3/1/2001"},     // the fraction is dropped
        {"1/1/2001", 182620, "12/31/2500"}, // the last accepted day
        {"1/1/2001", 182621, ""},           // beyond it: the end field is emptied
        {"1/1/2001", 1e300, ""},
        {"1/1/2001", 0, "7/4/2001"}, // no positive count: nothing happens
        {"1/1/2001", std::nan(""), "7/4/2001"},
        {"", 10, "7/4/2001"}, // no start date: nothing happens
    };
    for (auto [start, days, shown] : rows) {
        Form f;
        f.host.Enter(Start, start);
        f.model.SetText(End, "7/4/2001");
        SetEndDateFromDays(f.model, f.model.start, f.model.end, days);
        EXPECT_EQ(f.model.Text(End), shown) << days;
    }
}

} // namespace
} // namespace kavrel
