// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/date_field.h"

#include "entry/form_model.h"
#include "entry/number_text.h"
#include "resources/strings.h"

namespace kavrel {

namespace {

constexpr std::string_view DateNotComplete = "Date not complete!";
constexpr std::string_view OnlyFebruary28Text = "Only 28 days in February";

bool IsDelimiter(char c) {
    return DateDelimiters.find(c) != std::string_view::npos;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Every prefix of the year must be able to grow into an accepted year: with 1600..2500 the
// first digit is 1 or 2, the first two 16..25, the first three 160..250.
bool YearPrefixInRange(long year, size_t digits) {
    long scale = 1;
    for (size_t d = digits; d < 4; ++d)
        scale *= 10;
    return year >= CDate::MinYear / scale && year <= CDate::MaxYear / scale;
}

// The month, day and year typed so far must each be able to grow into a date.
DateFieldVerdict CheckDateParts(const std::string_view (&parts)[3], int delimiters) {
    const std::string_view monthPart = parts[0];
    if (monthPart.empty()) return DateFieldVerdict::Accept;
    const long month = LeadingInteger(monthPart);
    if (month < 1 || month > 12) return DateFieldVerdict::Reject;

    const std::string_view dayPart = parts[1];
    if (delimiters < 1 || dayPart.empty()) return DateFieldVerdict::Accept;
    const long day = LeadingInteger(dayPart);
    if (day < 1 || day > DaysInMonthBound[month]) return DateFieldVerdict::Reject;

    const std::string_view yearPart = parts[2];
    if (delimiters < 2 || yearPart.empty()) return DateFieldVerdict::Accept;
    const long year = LeadingInteger(yearPart);
    if (yearPart.size() > 4 || !YearPrefixInRange(year, yearPart.size()))
        return DateFieldVerdict::Reject;
    if (yearPart.size() == 4 && month == 2 && day > 28 &&
        !CDate(1, 1, static_cast<int>(year)).IsLeapYear())
        return DateFieldVerdict::OnlyFebruary28;
    return DateFieldVerdict::Accept;
}

} // namespace

DateFieldMemory& TheDateFieldMemory() {
    static DateFieldMemory memory;
    return memory;
}

DateFieldVerdict CheckDateField(int controlId, std::string_view text, DateFieldMemory& memory,
                                TextChange change) {
    if (controlId != memory.controlId) {
        memory.controlId = controlId;
        memory.delimiters = 0;
    }
    text = text.substr(0, DateTextLimit);
    if (text.empty()) {
        memory.delimiters = 0;
        return DateFieldVerdict::Accept;
    }

    std::string_view parts[3];
    int delimiters = 0;
    size_t partStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsDigit(text[i])) continue;
        if (!IsDelimiter(text[i]) || delimiters == 2) return DateFieldVerdict::Reject;
        parts[delimiters++] = text.substr(partStart, i - partStart);
        partStart = i + 1;
    }
    parts[delimiters] = text.substr(partStart);

    const bool typing = change == TextChange::Typed || change == TextChange::Inserted;
    if (!typing && delimiters == memory.delimiters - 1) {
        memory.delimiters = 0;
        return DateFieldVerdict::Clear;
    }
    // Only a text that stands is remembered: the one a rejection takes back to is the last one
    // that stood.
    const DateFieldVerdict verdict = CheckDateParts(parts, delimiters);
    if (verdict == DateFieldVerdict::Accept) memory.delimiters = delimiters;
    return verdict;
}

void FilterDateField(CFormModel& form, int controlId) {
    switch (CheckDateField(controlId, form.Text(controlId), TheDateFieldMemory(),
                           form.ChangeOf(controlId))) {
    case DateFieldVerdict::Accept:
        break;
    case DateFieldVerdict::Reject:
        form.Reject(controlId, KeystrokeVerdict::Reject());
        break;
    case DateFieldVerdict::Clear:
        form.SetText(controlId, "");
        break;
    case DateFieldVerdict::OnlyFebruary28:
        form.MessageText(OnlyFebruary28Text);
        form.TakeBack(controlId);
        break;
    }
}

void DDX_Date(CFormModel& form, bool save, int controlId, CDate& date) {
    if (save)
        date.Parse(std::string_view(form.Text(controlId)).substr(0, DateTextLimit));
    else if (date.IsValid())
        form.SetText(controlId, date.Format());
}

std::function<void(bool save)> DateExchange(CFormModel& form, int controlId, CDate& date) {
    return [&form, controlId, &date](bool save) { DDX_Date(form, save, controlId, date); };
}

void OnDatePairChange(CFormModel& form, int changedControl, int unknown, std::string& savedText,
                      CDate& start, CDate& end) {
    const std::string_view text = std::string_view(form.Text(changedControl)).substr(0, 79);
    if (changedControl == IDC_START_DATE)
        start.Parse(text);
    else if (changedControl == IDC_END_DATE)
        end.Parse(text);

    if (!end.IsValid()) form.SetText(IDC_END_WEEKDAY, "   ");
    if (!start.IsValid() || !end.IsValid()) {
        form.SetText(IDC_DAY_COUNT, "");
        return;
    }
    const int days = DaysBetween(start, end);
    if (days <= 0) {
        form.Message(IDS_NOT_ENOUGH_DIFFERENCE);
        form.SetText(IDC_DAY_COUNT, "");
        form.MoveFocus(changedControl);
        return;
    }
    form.SetText(IDC_DAY_COUNT, FormatInt(days));
    if (unknown == IDC_DAY_COUNT) savedText = form.Text(IDC_DAY_COUNT);
    form.SetText(IDC_END_WEEKDAY, std::string(WeekdayNames[end.DayOfWeek()]));
}

void SetEndDateFromDays(CFormModel& form, CDate& start, CDate& end, double days) {
    if (!start.IsValid() || !(days > 0)) return;
    // Any count beyond this leaves every accepted year behind; the cap keeps the conversion
    // to int defined for whatever the field holds.
    constexpr double FarBeyondAnyDate = 1e9;
    const int whole =
        days >= FarBeyondAnyDate ? static_cast<int>(FarBeyondAnyDate) : static_cast<int>(days);
    end = start.PlusDays(whole);
    form.SetText(IDC_END_DATE, end.IsValid() ? end.Format() : std::string());
}

int RequireDate(CFormModel& form, int controlId, int messageId, CDate& date) {
    if (date.IsValid()) return 0;
    form.Message(messageId);
    form.MoveFocus(controlId);
    return 1;
}

int CheckDatePair(CFormModel& form, CDate& start, CDate& end, int startControl, int endControl) {
    const bool startValid = start.IsValid();
    const bool endValid = end.IsValid();
    if (startValid && endValid && DaysBetween(start, end) > 1) return 0;
    if (startValid && endValid) {
        form.Message(IDS_NOT_ENOUGH_DIFFERENCE);
        form.MoveFocus(startControl);
    } else {
        form.MessageText(DateNotComplete);
        form.MoveFocus(startValid ? endControl : startControl);
    }
    return 1;
}

} // namespace kavrel
