// SPDX-License-Identifier: GPL-3.0-or-later
// The date keystroke filter and CDate::Parse. The text is typed into a date field a character
// at a time, with the form's reactions to each verdict; a date the filter lets stand in full
// must parse to the same month, day and year. Any text at all goes through Parse, and every
// valid date it gives must survive formatting and day-number arithmetic.

#include "entry/date.h"
#include "entry/date_field.h"
#include "entry/number_text.h"
#include "fuzz_check.h"

#include <optional>
#include <string>

using namespace kavrel;

namespace {

// The field's text after typing; the form takes back a character on Reject and on
// "Only 28 days in February". Only deleting a delimiter clears the field, never typing.
std::string TypeDate(int controlId, std::string_view text, DateFieldMemory& memory) {
    std::string field;
    for (char c : text) {
        field.push_back(c);
        switch (CheckDateField(controlId, field, memory, TextChange::Typed)) {
        case DateFieldVerdict::Accept:
            break;
        case DateFieldVerdict::Reject:
        case DateFieldVerdict::OnlyFebruary28:
            field.pop_back();
            // The Backspace is a change of the text too.
            FUZZ_CHECK(CheckDateField(controlId, field, memory, TextChange::Deleted) ==
                       DateFieldVerdict::Accept);
            break;
        case DateFieldVerdict::Clear:
            FUZZ_CHECK(false);
            break;
        }
    }
    return field;
}

// A typed text of three non-empty parts with a four-digit year is a whole date.
void CheckTypedDate(const std::string& field) {
    const size_t first = field.find_first_of(DateDelimiters);
    if (first == std::string::npos) return;
    const size_t second = field.find_first_of(DateDelimiters, first + 1);
    if (second == std::string::npos) return;
    const std::string month = field.substr(0, first);
    const std::string day = field.substr(first + 1, second - first - 1);
    const std::string year = field.substr(second + 1);
    if (month.empty() || month.size() > 2 || day.empty() || day.size() > 2 || year.size() != 4)
        return;
    const CDate date = CDate::Parsed(field);
    FUZZ_CHECK(date.valid == 1);
    FUZZ_CHECK(date.month == LeadingInteger(month));
    FUZZ_CHECK(date.day == LeadingInteger(day));
    FUZZ_CHECK(date.year == LeadingInteger(year));
}

void CheckParsedDate(std::string_view text) {
    CDate date = CDate::Parsed(text);
    if (!date.valid) return;
    FUZZ_CHECK(date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31);
    FUZZ_CHECK(date.year >= CDate::MinYear && date.year <= CDate::MaxYear);
    const CDate again = CDate::Parsed(date.Format());
    FUZZ_CHECK(again.valid && again.month == date.month && again.day == date.day &&
               again.year == date.year);
    FUZZ_CHECK(date.FormatShort().size() == 8);
    CDate fromNumber;
    fromNumber.FromDayNumber(date.DayNumber());
    FUZZ_CHECK(fromNumber.month == date.month && fromNumber.day == date.day &&
               fromNumber.year == date.year);
    FUZZ_CHECK(date.DayOfWeek() >= 0 && date.DayOfWeek() <= 6);
    FUZZ_CHECK(DaysBetween(date, date.PlusDays(1)) == 1);
    CDate stepped = date;
    stepped.AddMonths(1);
    FUZZ_CHECK(MonthsBetween(date, stepped) == 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    fuzz::ByteReader input(data, size);
    const unsigned char flags = input.Byte();
    // The Date Arithmetic form widens the years to 5000 while it is open.
    std::optional<ScopedYearRange> wide;
    if (flags & 1) wide.emplace(CDate::DefaultMinYear, 5000);
    const std::string_view text = input.Rest();

    DateFieldMemory memory;
    const int controlId = 1004 + (flags >> 1) % 2;
    // A check of the whole text, as a paste gives it, must not upset the memory for typing.
    FUZZ_CHECK(CheckDateField(controlId, text, memory, TextChange::Inserted) !=
               DateFieldVerdict::Clear);
    // The filter reads no further than the field's buffer.
    const std::string typed = TypeDate(controlId, text.substr(0, DateTextLimit), memory);
    CheckTypedDate(typed);
    CheckParsedDate(text);
    CheckParsedDate(typed);
    return 0;
}
