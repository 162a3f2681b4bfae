#include "entry/cash_flow_list.h"
#include "entry/date_field.h"
#include "entry/form_model.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

using test::RecordingHost;

enum { Integer = 10, Decimal = 13, Date = 1004, Payments = 34, Flows = 35 };
enum { PaymentCount = 31, FlowCount = 32 };

// One field of each rule: class 0 integer, class 3 decimal, a date, and both kinds of list.
class EveryRuleForm : public CFormModel {
public:
    EveryRuleForm() : CFormModel(1, "Rules") {
        AddEdit(Integer, EditRule::Integer);
        AddEdit(Decimal, EditRule::Decimal);
        AddEdit(Date, EditRule::Date);
        AddControl({Payments, ControlKind::List, {}, EditRule::PaymentList});
        AddControl({Flows, ControlKind::List, {}, EditRule::CashFlowList});
        AddDisplay(PaymentCount);
        AddDisplay(FlowCount);
    }
    FieldTable Table() const override { return m_table; }

protected:
    void OnEditChange(int id) override {
        if (id == Payments)
            OnCashFlowLineChange(*this, Payments, PaymentCount, ListColumns::One);
        else if (id == Flows)
            OnCashFlowLineChange(*this, Flows, FlowCount, ListColumns::Two);
        else
            CFormModel::OnEditChange(id);
    }

private:
    static constexpr FieldInfo m_table[] = {{Integer, 0, 0, 0}, {Decimal, 0, 0, 3}};
};

struct ChangeCase {
    int field;
    const char* typed; // first, a keystroke at a time
    const char* after; // the whole text after one change: a paste, or typing over a selection
    const char* then;  // typed afterwards
    const char* shown;
    int beeps;
    const char* message;
};

TEST(PastedText, IsRefusedWholeWhereTheFieldsRuleRefusesIt) {
    const ChangeCase cases[] = {
        {Decimal, "2208.04", "2208.04qwsome text", "", "2208.04", 1, ""},
        {Decimal, "2208.04", "abc", "", "2208.04", 1, ""}, // shorter than what it replaced
        {Decimal, "12", "1299999999999", "", "12", 1, "Number is too large..."},
        {Decimal, "12", "12.5e3", "", "12.5e3", 0, ""},
        {Decimal, "2208.04", "x", "", "", 1, ""}, // one letter typed over the whole text
        {Integer, "12", "12345", "", "12", 1, "Number is too large..."},
        {Integer, "", "1a", "", "", 1, ""},
        {Date, "", "13/1/2001", "", "", 1, ""},
        {Date, "", "2/29/2001", "", "", 0, "Only 28 days in February"},
        {Date, "1/", "1/5/2001", "", "1/5/2001", 0, ""},
        {Date, "2", "2/30", "/1/2001", "2/1/2001", 1, ""},
        // Emptied and typed again, or typed over: no delimiter was deleted.
        {Date, "12/", "", "5/1/2001", "5/1/2001", 0, ""},
        {Date, "12/", "5", "/1/2001", "5/1/2001", 0, ""},
        // Lists take pasted lines as they are, to be read at Calculate, but not letters.
        {Payments, "100", "100\r\n200\r\n300", "", "100\r\n200\r\n300", 0, ""},
        {Payments, "100", "100\r\n1,000", "", "100", 1, ""},
        {Flows, "", "1000\t0\r\n0\t600", "", "1000\t0\r\n0\t600", 0, ""},
        {Flows, "1000 0", "1000 0\r\n0 6OO", "", "1000 0", 1, ""},
    };
    for (const ChangeCase& c : cases) {
        TheDecimalFieldMemory() = {};
        TheDateFieldMemory() = {};
        TheListLineMemory(ListColumns::One) = {};
        TheListLineMemory(ListColumns::Two) = {};
        EveryRuleForm form;
        RecordingHost host(form);
        host.Type(c.field, c.typed);
        form.UserEdited(c.field, c.after);
        host.Type(c.field, c.then);
        EXPECT_EQ(form.Text(c.field), c.shown) << c.after;
        EXPECT_EQ(host.beeps, c.beeps) << c.after;
        EXPECT_EQ(host.LastMessage(), c.message) << c.after;
    }
}

} // namespace
} // namespace kavrel
