// SPDX-License-Identifier: GPL-3.0-or-later
// The cash-flow list: the check of the line being typed, the live count, pasting, and the
// reading of the lines at Calculate. The input is pasted into a one- or two-column list, and
// typed into another; the amounts that the check lets stand must read back as finite numbers
// inside the list's bounds, and pasted ones as finite numbers.

#include "entry/cash_flow_list.h"
#include "entry/form_host.h"
#include "entry/form_model.h"
#include "entry/number_text.h"
#include "entry/utf8_text.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace kavrel;

namespace {

constexpr int ListId = 1010;
constexpr int CountId = 1011;

class ListForm : public CFormModel {
public:
    explicit ListForm(ListColumns columns) : CFormModel(100, "List"), m_columns(columns) {
        AddEdit(ListId,
                columns == ListColumns::One ? EditRule::PaymentList : EditRule::CashFlowList);
        AddDisplay(CountId);
    }
    FieldTable Table() const override { return {}; }

protected:
    void OnEditChange(int id) override {
        if (id == ListId) OnCashFlowLineChange(*this, ListId, CountId, m_columns);
    }

private:
    ListColumns m_columns;
};

// Types at the end of the text; the posted Backspace removes the last character.
class TypingHost : public IFormHost {
public:
    explicit TypingHost(CFormModel& form) : m_form(form) { form.Attach(this, nullptr); }
    void Type(char c) { m_form.UserEdited(ListId, m_form.Text(ListId) + c); }

    void Beep() override {}
    void TakeBackCharacter(int id) override {
        std::string text = m_form.Text(id);
        if (!text.empty()) text.pop_back();
        m_form.UserEdited(id, text);
    }
    MessageAnswer ShowMessage(std::string_view, MessageIcon, MessageButtons) override {
        ++messages;
        return MessageAnswer::Ok;
    }
    void MoveFocus(int) override {}
    void ControlChanged(int) override {}
    void EndForm(FormResult) override {}
    FormResult RunSubForm(CFormModel&) override { return FormResult::Cancel; }
    int CaretLine(int id) const override {
        const std::string& text = m_form.Text(id);
        return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    }

    int messages = 0;

private:
    CFormModel& m_form;
};

void CheckAmount(double value, double min, bool typed) {
    FUZZ_CHECK(std::isfinite(value));
    // Only typed amounts went through the amount rule; pasted ones are read as they are.
    if (typed) FUZZ_CHECK(value >= min && value <= 10000000000.0);
}

// Reads every line of the list as Calculate does.
void CheckReading(ListForm& form, TypingHost& host, ListColumns columns, bool typed) {
    const int count = ListLineCount(form.Text(ListId));
    host.messages = 0;
    if (columns == ListColumns::One) {
        std::vector<double> payments;
        const bool read = ReadCashFlowLines(form, ListId, count, payments);
        FUZZ_CHECK(read == (host.messages == 0));
        FUZZ_CHECK(payments.size() == static_cast<size_t>(count));
        for (double payment : payments)
            CheckAmount(payment, 0, typed);
    } else {
        std::vector<double> inflows, outflows;
        const bool read = ReadCashFlowLines(form, ListId, count, inflows, outflows);
        FUZZ_CHECK(read == (host.messages == 0));
        FUZZ_CHECK(inflows.size() == static_cast<size_t>(count) &&
                   outflows.size() == inflows.size());
        for (size_t i = 0; i < inflows.size(); ++i) {
            CheckAmount(inflows[i], -1000000000.0, typed);
            CheckAmount(outflows[i], -1000000000.0, typed);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    fuzz::ByteReader input(data, size);
    const ListColumns columns = input.Byte() & 1 ? ListColumns::Two : ListColumns::One;
    const std::string_view text = input.Rest().substr(0, 400);

    // The whole text pasted at once is kept as it is, or refused whole when it holds a
    // character no line can hold.
    ListForm pasteForm(columns);
    TypingHost pasteHost(pasteForm);
    pasteForm.UserEdited(ListId, text);
    if (!IsOneCharacter(text)) {
        const bool holdable = text.find_first_not_of(ListCharacters) == std::string_view::npos;
        FUZZ_CHECK(pasteForm.Text(ListId) == (holdable ? text : std::string_view()));
        FUZZ_CHECK(pasteForm.LineCount(ListId) == ListLineCount(pasteForm.Text(ListId)));
    }
    CheckReading(pasteForm, pasteHost, columns, false);

    ListForm form(columns);
    TypingHost host(form);
    TheListLineMemory(columns) = {};
    for (char c : text)
        host.Type(c);
    const std::string& typed = form.Text(ListId);
    // The live count follows every accepted keystroke.
    if (!typed.empty()) FUZZ_CHECK(LeadingInteger(form.Text(CountId)) == ListLineCount(typed));
    CheckReading(form, host, columns, true);
    return 0;
}
