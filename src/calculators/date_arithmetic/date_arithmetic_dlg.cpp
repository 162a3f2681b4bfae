// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/date_arithmetic/date_arithmetic_dlg.h"

#include "entry/date_field.h"

#include <cstdlib>
#include <string_view>

namespace kavrel {

namespace {

enum Label : int {
    IDC_ADD_GROUP = 1050,
    IDC_DIFFERENCE_GROUP = 1051,
    IDC_WEEKDAY_GROUP = 1052,
    IDC_ADD_DAYS_DATE_LABEL = 1060,
    IDC_DAYS_LABEL,
    IDC_DAYS_NEW_DATE_LABEL,
    IDC_ADD_MONTHS_DATE_LABEL,
    IDC_MONTHS_LABEL,
    IDC_MONTHS_NEW_DATE_LABEL,
    IDC_DAYS_FIRST_LABEL,
    IDC_DAYS_SECOND_LABEL,
    IDC_DAYS_BETWEEN_LABEL,
    IDC_MONTHS_FIRST_LABEL,
    IDC_MONTHS_SECOND_LABEL,
    IDC_MONTHS_BETWEEN_LABEL,
    IDC_WEEKDAY_DATE_LABEL,
    IDC_DAY_OF_WEEK_LABEL,
    IDC_LEAP_YEAR_LABEL,
};

constexpr std::string_view DateBeyondLimits = "Calculated date exceeds preset limits....";

} // namespace

CDateArithmeticDlg::CDateArithmeticDlg() : CFormModel(IDD, "Date Arithmetic") {
    // The counts are never required: a calculation without its date is skipped.
    DeclareRows({
        Row::Section(IDC_ADD_GROUP, "Add to or Subtract from a Date"),
        Row::Date(IDC_ADD_DAYS_DATE, {IDC_ADD_DAYS_DATE_LABEL, "Date"}, m_addDaysDate)
            .Key("add-days.date"),
        Row::Optional(IDC_DAYS, {IDC_DAYS_LABEL, "Days"}, LimitClass::SignedLongCount, m_days)
            .Key("add-days.days"),
        Row::DateResult(IDC_DAYS_NEW_DATE, {IDC_DAYS_NEW_DATE_LABEL, "New Date"}, m_daysNewDate)
            .Key("add-days.new-date"),
        Row::Date(IDC_ADD_MONTHS_DATE, {IDC_ADD_MONTHS_DATE_LABEL, "Date"}, m_addMonthsDate)
            .Key("add-months.date"),
        Row::Optional(IDC_MONTHS, {IDC_MONTHS_LABEL, "Months"}, LimitClass::SignedCount, m_months)
            .Key("add-months.months"),
        Row::DateResult(IDC_MONTHS_NEW_DATE, {IDC_MONTHS_NEW_DATE_LABEL, "New Date"},
                        m_monthsNewDate)
            .Key("add-months.new-date"),
        Row::Section(IDC_DIFFERENCE_GROUP, "Difference between Dates"),
        Row::Date(IDC_DAYS_FIRST_DATE, {IDC_DAYS_FIRST_LABEL, "Date"}, m_daysFirst)
            .Key("days-between.first-date"),
        Row::Date(IDC_DAYS_SECOND_DATE, {IDC_DAYS_SECOND_LABEL, "Date"}, m_daysSecond)
            .Key("days-between.second-date"),
        Row::Result(IDC_DAYS_BETWEEN, {IDC_DAYS_BETWEEN_LABEL, "Days"}, LimitClass::SignedLongCount,
                    m_daysBetween)
            .Key("days-between.days"),
        Row::Date(IDC_MONTHS_FIRST_DATE, {IDC_MONTHS_FIRST_LABEL, "Date"}, m_monthsFirst)
            .Key("months-between.first-date"),
        Row::Date(IDC_MONTHS_SECOND_DATE, {IDC_MONTHS_SECOND_LABEL, "Date"}, m_monthsSecond)
            .Key("months-between.second-date"),
        Row::Result(IDC_MONTHS_BETWEEN, {IDC_MONTHS_BETWEEN_LABEL, "Months"},
                    LimitClass::SignedCount, m_monthsBetween)
            .Key("months-between.months"),
        Row::Section(IDC_WEEKDAY_GROUP, "Day of Week and Leap Year"),
        Row::Date(IDC_WEEKDAY_DATE, {IDC_WEEKDAY_DATE_LABEL, "Date"}, m_weekdayDate)
            .Key("weekday.date"),
        Row::Result(IDC_DAY_OF_WEEK, {IDC_DAY_OF_WEEK_LABEL, "Day of Week"})
            .Key("weekday.day-of-week"),
        Row::Result(IDC_LEAP_YEAR, {IDC_LEAP_YEAR_LABEL, "Leap Year ?"}).Key("weekday.leap-year"),
    });
    AddButton(IDC_CALCULATE_DATES, "&Calculate");
    AddButton(IDCANCEL, "Cancel");
    SetButtons({IDC_CALCULATE_DATES, IDCANCEL});
    SetDefaultButton(IDC_CALCULATE_DATES);
}

void CDateArithmeticDlg::OnClicked(int id) {
    if (id == IDC_CALCULATE_DATES)
        OnCalculate();
    else
        CFormModel::OnClicked(id);
}

bool CDateArithmeticDlg::Move(CDate& date, int count, bool months, CDate& moved, int countControl,
                              int resultControl) {
    if (!date.IsValid()) {
        moved = CDate();
        SetText(resultControl, "");
        return true;
    }
    moved = date;
    if (months)
        moved.AddMonths(count);
    else
        moved.AddDays(count);
    if (moved.IsValid()) return true;
    MessageText(DateBeyondLimits);
    MoveFocus(countControl);
    return false;
}

bool CDateArithmeticDlg::Solve(double& /*result*/) {
    // The counts are typed as integers within +/-999999 days and +/-9999 months.
    if (!Move(m_addDaysDate, static_cast<int>(m_days), false, m_daysNewDate, IDC_DAYS,
              IDC_DAYS_NEW_DATE) ||
        !Move(m_addMonthsDate, static_cast<int>(m_months), true, m_monthsNewDate, IDC_MONTHS,
              IDC_MONTHS_NEW_DATE))
        return false;

    m_daysBetween = m_daysFirst.IsValid() && m_daysSecond.IsValid()
                        ? std::abs(DaysBetween(m_daysFirst, m_daysSecond))
                        : 0;
    m_monthsBetween = 0;
    if (m_monthsFirst.IsValid() && m_monthsSecond.IsValid())
        m_monthsBetween = m_monthsFirst.IsAfter(m_monthsSecond)
                              ? MonthsBetween(m_monthsSecond, m_monthsFirst)
                              : MonthsBetween(m_monthsFirst, m_monthsSecond);

    const bool weekdayKnown = m_weekdayDate.IsValid();
    SetText(IDC_DAY_OF_WEEK,
            weekdayKnown ? std::string(WeekdayNames[m_weekdayDate.DayOfWeek()]) : "");
    SetText(IDC_LEAP_YEAR, weekdayKnown ? (m_weekdayDate.IsLeapYear() ? "Yes" : "No") : "");
    return true;
}

} // namespace kavrel
