#include "calculators/date_arithmetic/date_arithmetic_dlg.h"

#include "entry/date_field.h"

#include <cstdlib>
#include <span>
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

using Dlg = CDateArithmeticDlg;

constexpr FieldInfo Fields[] = {
    {Dlg::IDC_DAYS, 1, 0, 8},
    {Dlg::IDC_MONTHS, 1, 0, 7},
    {Dlg::IDC_DAYS_BETWEEN, 0, 0, 8},
    {Dlg::IDC_MONTHS_BETWEEN, 0, 0, 7},
};

constexpr std::string_view DateBeyondLimits = "Calculated date exceeds preset limits....";

} // namespace

CDateArithmeticDlg::CDateArithmeticDlg() : CFormModel(IDD, "Date Arithmetic") {
    struct Field {
        int label;
        const char* text;
        int control;
        ControlKind kind;
        EditRule rule;
        const char* key;
    };
    const Field addFields[] = {
        {IDC_ADD_DAYS_DATE_LABEL, "Date", IDC_ADD_DAYS_DATE, ControlKind::Edit, EditRule::Date,
         "add-days.date"},
        {IDC_DAYS_LABEL, "Days", IDC_DAYS, ControlKind::Edit, EditRule::Integer, "add-days.days"},
        {IDC_DAYS_NEW_DATE_LABEL, "New Date", IDC_DAYS_NEW_DATE, ControlKind::Display,
         EditRule::None, "add-days.new-date"},
        {IDC_ADD_MONTHS_DATE_LABEL, "Date", IDC_ADD_MONTHS_DATE, ControlKind::Edit, EditRule::Date,
         "add-months.date"},
        {IDC_MONTHS_LABEL, "Months", IDC_MONTHS, ControlKind::Edit, EditRule::Integer,
         "add-months.months"},
        {IDC_MONTHS_NEW_DATE_LABEL, "New Date", IDC_MONTHS_NEW_DATE, ControlKind::Display,
         EditRule::None, "add-months.new-date"},
    };
    const Field differenceFields[] = {
        {IDC_DAYS_FIRST_LABEL, "Date", IDC_DAYS_FIRST_DATE, ControlKind::Edit, EditRule::Date,
         "days-between.first-date"},
        {IDC_DAYS_SECOND_LABEL, "Date", IDC_DAYS_SECOND_DATE, ControlKind::Edit, EditRule::Date,
         "days-between.second-date"},
        {IDC_DAYS_BETWEEN_LABEL, "Days", IDC_DAYS_BETWEEN, ControlKind::Display, EditRule::None,
         "days-between.days"},
        {IDC_MONTHS_FIRST_LABEL, "Date", IDC_MONTHS_FIRST_DATE, ControlKind::Edit, EditRule::Date,
         "months-between.first-date"},
        {IDC_MONTHS_SECOND_LABEL, "Date", IDC_MONTHS_SECOND_DATE, ControlKind::Edit, EditRule::Date,
         "months-between.second-date"},
        {IDC_MONTHS_BETWEEN_LABEL, "Months", IDC_MONTHS_BETWEEN, ControlKind::Display,
         EditRule::None, "months-between.months"},
    };
    const Field weekdayFields[] = {
        {IDC_WEEKDAY_DATE_LABEL, "Date", IDC_WEEKDAY_DATE, ControlKind::Edit, EditRule::Date,
         "weekday.date"},
        {IDC_DAY_OF_WEEK_LABEL, "Day of Week", IDC_DAY_OF_WEEK, ControlKind::Display,
         EditRule::None, "weekday.day-of-week"},
        {IDC_LEAP_YEAR_LABEL, "Leap Year ?", IDC_LEAP_YEAR, ControlKind::Display, EditRule::None,
         "weekday.leap-year"},
    };
    auto addSection = [this](int group, const char* title, std::span<const Field> fields) {
        AddControl({group, ControlKind::Group, title});
        LayoutSection section{group, {}};
        for (const Field& field : fields) {
            AddLabel(field.label, field.text);
            AddControl({field.control, field.kind, {}, field.rule});
            section.rows.push_back({field.label, field.control, 0, 0, field.key, {}});
        }
        AddSection(std::move(section));
    };
    addSection(IDC_ADD_GROUP, "Add to or Subtract from a Date", addFields);
    addSection(IDC_DIFFERENCE_GROUP, "Difference between Dates", differenceFields);
    addSection(IDC_WEEKDAY_GROUP, "Day of Week and Leap Year", weekdayFields);

    AddButton(IDC_CALCULATE_DATES, "&Calculate");
    AddButton(IDCANCEL, "Cancel");
    SetButtons({IDC_CALCULATE_DATES, IDCANCEL});
    SetDefaultButton(IDC_CALCULATE_DATES);

    BindExchange(DateExchange(*this, IDC_ADD_DAYS_DATE, m_addDaysDate));
    BindAmount(IDC_DAYS, m_days);
    BindExchange(DateExchange(*this, IDC_DAYS_NEW_DATE, m_daysNewDate));
    BindExchange(DateExchange(*this, IDC_ADD_MONTHS_DATE, m_addMonthsDate));
    BindAmount(IDC_MONTHS, m_months);
    BindExchange(DateExchange(*this, IDC_MONTHS_NEW_DATE, m_monthsNewDate));
    BindExchange(DateExchange(*this, IDC_DAYS_FIRST_DATE, m_daysFirst));
    BindExchange(DateExchange(*this, IDC_DAYS_SECOND_DATE, m_daysSecond));
    BindAmount(IDC_DAYS_BETWEEN, m_daysBetween);
    BindExchange(DateExchange(*this, IDC_MONTHS_FIRST_DATE, m_monthsFirst));
    BindExchange(DateExchange(*this, IDC_MONTHS_SECOND_DATE, m_monthsSecond));
    BindAmount(IDC_MONTHS_BETWEEN, m_monthsBetween);
    BindExchange(DateExchange(*this, IDC_WEEKDAY_DATE, m_weekdayDate));
}

FieldTable CDateArithmeticDlg::Table() const {
    return Fields;
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

void CDateArithmeticDlg::OnCalculate() {
    DoDataExchange(true);
    // The counts are typed as integers within +/-999999 days and +/-9999 months.
    if (!Move(m_addDaysDate, static_cast<int>(m_days), false, m_daysNewDate, IDC_DAYS,
              IDC_DAYS_NEW_DATE) ||
        !Move(m_addMonthsDate, static_cast<int>(m_months), true, m_monthsNewDate, IDC_MONTHS,
              IDC_MONTHS_NEW_DATE))
        return;

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
    DoDataExchange(false);
}

} // namespace kavrel
