// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/cash_flow_list.h"

#include "entry/form_model.h"
#include "entry/number_text.h"

#include <new>
#include <string>

namespace kavrel {

namespace {

constexpr int AmountDigits = 2;
constexpr double LargestAmount = 10000000000.0;
constexpr double SmallestOutflowOrInflow = -1000000000.0;

constexpr std::string_view NoMemory = "No memory for cash flows...";
constexpr std::string_view PaymentMissing = "Payment missing...";
constexpr std::string_view CashFlowsIncomplete = "Cash flows not complete...";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The next blank-separated word of a line, advancing pos past it; empty when there is none.
std::string_view NextWord(std::string_view line, size_t& pos) {
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
    size_t start = pos;
    while (pos < line.size() && !IsBlank(line[pos]))
        ++pos;
    return line.substr(start, pos - start);
}

std::string_view WithoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line.substr(0, ListLineLimit);
}

// The lines of a text in order, each found where the previous one ended.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_rest(text) {}
    // The next line as ListLine gives it; empty once the text is used up.
    std::string_view Next() {
        const size_t end = m_rest.find('\n');
        const std::string_view line = m_rest.substr(0, end);
        m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
        return WithoutCarriageReturn(line);
    }

private:
    std::string_view m_rest;
};

std::string_view LastLine(std::string_view text) {
    const size_t end = text.rfind('\n');
    return WithoutCarriageReturn(end == std::string_view::npos ? text : text.substr(end + 1));
}

// A fresh array of count zeros; false when memory cannot be had.
bool Allocate(std::vector<double>& values, int count) {
    values.clear();
    values.shrink_to_fit();
    try {
        values.assign(static_cast<size_t>(count > 0 ? count : 0), 0.0);
    } catch (const std::bad_alloc&) {
        values.clear();
        return false;
    }
    return true;
}

void StopAtList(CFormModel& form, int listId, std::string_view message) {
    form.MessageText(message);
    form.MoveFocus(listId);
}

} // namespace

int ListLineCount(std::string_view text) {
    int lines = 1;
    for (char c : text)
        if (c == '\n') ++lines;
    return lines;
}

std::string_view ListLine(std::string_view text, int index) {
    if (index < 0) return {};
    size_t start = 0;
    for (int line = 0; line < index; ++line) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) return {};
        start = end + 1;
    }
    return LineReader(text.substr(start)).Next();
}

KeystrokeVerdict CheckListLine(std::string_view line, ListColumns columns) {
    if (columns == ListColumns::One) return CheckDecimalText(line, AmountDigits, 0, LargestAmount);
    // Split at the first blank after the first amount; whatever follows that one blank is the
    // second amount, so a second blank is a character the check refuses.
    size_t start = 0;
    while (start < line.size() && IsBlank(line[start]))
        ++start;
    size_t blank = line.find_first_of(" \t", start);
    std::string_view first =
        line.substr(start, blank == std::string_view::npos ? blank : blank - start);
    std::string_view second =
        blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
    KeystrokeVerdict verdict =
        CheckDecimalText(first, AmountDigits, SmallestOutflowOrInflow, LargestAmount);
    if (verdict.rejected) return verdict;
    return CheckDecimalText(second, AmountDigits, SmallestOutflowOrInflow, LargestAmount);
}

ListLineMemory& TheListLineMemory(ListColumns columns) {
    static ListLineMemory memories[2];
    return memories[columns == ListColumns::One ? 0 : 1];
}

void OnCashFlowLineChange(CFormModel& form, int listId, int countId, ListColumns columns) {
    const std::string& text = form.Text(listId);
    const TextEdit* edit = form.UserChange(listId);
    const TextChange change = edit ? edit->change : TextChange::Set;
    if (change == TextChange::Inserted &&
        std::string_view(text)
                .substr(edit->position, edit->inserted)
                .find_first_not_of(ListCharacters) != std::string_view::npos) {
        form.Reject(listId, KeystrokeVerdict::Reject());
        return;
    }

    const int lineCount = form.LineCount(listId);
    // Without a view the insertion point is where typing leaves it, at the end.
    int caret = form.Host() ? form.Host()->CaretLine(listId) : lineCount - 1;
    if (caret < 0 || caret >= lineCount) caret = lineCount - 1;
    // The last line is found from the end, so that typing at the end of a long list stays cheap.
    std::string_view line = caret == lineCount - 1 ? LastLine(text) : ListLine(text, caret);

    ListLineMemory& memory = TheListLineMemory(columns);
    const bool shorter = caret == memory.line && line.size() < memory.length;
    memory.line = caret;
    memory.length = line.size();
    if (change == TextChange::Set && shorter) return;
    // Deleting inside a line leaves the count as it is; deleting line ends changes it.
    if (change == TextChange::Deleted && edit->removed.find('\n') == std::string::npos) return;

    if (change == TextChange::Typed || change == TextChange::Set) {
        KeystrokeVerdict verdict = CheckListLine(line, columns);
        if (verdict.rejected) {
            form.Reject(listId, verdict);
            return;
        }
    }
    form.SetText(countId, FormatInt(lineCount));
}

bool ReadCashFlowLines(CFormModel& form, int listId, int count, std::vector<double>& payments) {
    if (!Allocate(payments, count)) {
        form.MessageText(NoMemory);
        return false;
    }
    LineReader lines(form.Text(listId));
    for (int i = 0; i < count; ++i) {
        std::string_view line = lines.Next();
        if (line.empty()) {
            StopAtList(form, listId, PaymentMissing);
            return false;
        }
        payments[i] = LeadingDouble(line);
    }
    return true;
}

bool ReadCashFlowLines(CFormModel& form, int listId, int count, std::vector<double>& inflows,
                       std::vector<double>& outflows) {
    if (!Allocate(inflows, count) || !Allocate(outflows, count)) {
        inflows.clear();
        outflows.clear();
        form.MessageText(NoMemory);
        return false;
    }
    LineReader lines(form.Text(listId));
    for (int i = 0; i < count; ++i) {
        std::string_view line = lines.Next();
        size_t pos = 0;
        std::string_view out = NextWord(line, pos);
        std::string_view in = NextWord(line, pos);
        if (out.empty() || in.empty()) {
            StopAtList(form, listId, CashFlowsIncomplete);
            return false;
        }
        outflows[i] = LeadingDouble(out);
        inflows[i] = LeadingDouble(in);
    }
    return true;
}

} // namespace kavrel
