// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The multi-line list field in which a series is typed, one period per line: the check of the
// line being typed, the live count of lines, and the reading of the lines at Calculate.

#include "entry/entry_checks.h"

#include <string_view>
#include <vector>

namespace kavrel {

class CFormModel;

// One column: a payment per line. Two columns: an outflow, one space, an inflow.
enum class ListColumns { One, Two };

// Lines are read into 80-character buffers.
inline constexpr size_t ListLineLimit = 80;

// The number of lines of a list's text as an edit control counts them: an empty text is one
// line, and a final line end adds an empty last line. Lines end in CR LF (or LF).
int ListLineCount(std::string_view text);
// Line `index` of the text without its line end, at most ListLineLimit characters; empty when
// the text has no such line.
std::string_view ListLine(std::string_view text, int index);

// The keystroke rule of one line. In two columns the amounts are parted by one blank: a space,
// or the tab of a row pasted from a spreadsheet.
KeystrokeVerdict CheckListLine(std::string_view line, ListColumns columns);

// The characters a list's lines can hold at all; a paste that brings any other is refused.
inline constexpr std::string_view ListCharacters = "0123456789.- \t\r\n";

// Each kind of list remembers, for the whole run, the line it checked last and that line's
// length. Deleting is never checked; the memory decides for a text the form sets.
struct ListLineMemory {
    int line = 0;
    size_t length = 0;
};
ListLineMemory& TheListLineMemory(ListColumns columns);

// The change handler of a list: checks the line that holds the insertion point and, when it
// passes, shows the number of lines in the count control. Pasted lines are not checked here
// but read at Calculate.
void OnCashFlowLineChange(CFormModel& form, int listId, int countId, ListColumns columns);

// Reads the first `count` lines of a one-column list. Entries after a line that stops the
// reading stay 0. False (a message has been shown) stops the Calculate.
bool ReadCashFlowLines(CFormModel& form, int listId, int count, std::vector<double>& payments);
// The same for a two-column list: outflow and inflow of each line, blank-separated.
bool ReadCashFlowLines(CFormModel& form, int listId, int count, std::vector<double>& inflows,
                       std::vector<double>& outflows);

} // namespace kavrel
