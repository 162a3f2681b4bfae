// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Date entry fields: the keystroke filter, the exchange between a field and a CDate, and the
// operations of the forms with a start date, an end date and a day count.

#include "entry/date.h"
#include "entry/entry_checks.h"

#include <functional>
#include <string>
#include <string_view>

namespace kavrel {

class CFormModel;

// What the keystroke filter decided about a date field's new text.
enum class DateFieldVerdict {
    Accept,
    Reject,         // beep and take back the character just typed, no message
    Clear,          // a delimiter was deleted: the date starts over from an empty field
    OnlyFebruary28, // "Only 28 days in February", then take back the last character
};

// One memory serves every date field of every form: the field the filter last ran on and
// the number of delimiters in the last text it let stand there. It is how the filter tells a
// deleted delimiter from a typed character. An emptied field has none, so that the next
// digit is not taken for a deleted delimiter; and a text typed or pasted over a selection
// never clears the field, whatever it replaced.
struct DateFieldMemory {
    int controlId = 0;
    int delimiters = 0;
};
DateFieldMemory& TheDateFieldMemory();

// Date fields are read into 40-character buffers by the filter and the exchange.
inline constexpr size_t DateTextLimit = 39;

// The filter's rule on a date field's text after a change; updates the memory.
DateFieldVerdict CheckDateField(int controlId, std::string_view text,
                                DateFieldMemory& memory = TheDateFieldMemory(),
                                TextChange change = TextChange::Set);

// Runs the filter on the field's current text and carries out its verdict on the form.
void FilterDateField(CFormModel& form, int controlId);

// Saving parses the field's text into the date; loading shows a valid date and leaves the
// field alone otherwise.
void DDX_Date(CFormModel& form, bool save, int controlId, CDate& date);
// The exchange for CFormModel::BindExchange: BindExchange(DateExchange(*this, id, m_date)).
std::function<void(bool save)> DateExchange(CFormModel& form, int controlId, CDate& date);

// The controls of the forms with a start date, an end date and a day count.
enum DatePairControl : int {
    IDC_START_DATE = 1004,
    IDC_END_DATE = 1005,
    IDC_END_WEEKDAY = 1006,
    IDC_DAY_COUNT = 1007,
};

// Runs on every change of the start or end date (after the filter): reads the changed date
// and shows the day count and the end date's weekday.
void OnDatePairChange(CFormModel& form, int changedControl, int unknown, std::string& savedText,
                      CDate& start, CDate& end);

// Shows the start date moved by the whole days in the end-date field.
void SetEndDateFromDays(CFormModel& form, CDate& start, CDate& end, double days);

// 1 when the date is not valid (the message has been shown and the focus moved), else 0.
int RequireDate(CFormModel& form, int controlId, int messageId, CDate& date);

// 1 when the pair cannot be calculated with: a date is incomplete or the end is not at least
// two days after the start. The message has been shown and the focus moved.
int CheckDatePair(CFormModel& form, CDate& start, CDate& end, int startControl, int endControl);

} // namespace kavrel
