// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Date Arithmetic: five independent calendar calculations in one form (a date plus days, a
// date plus months, the days and the months between two dates, the weekday and leap year of
// a date). No unknown and no Record; Calculate is the default button. While the form exists
// dates are accepted up to the year 5000.

#include "entry/date.h"
#include "entry/form_model.h"

namespace kavrel {

class CDateArithmeticDlg : public CFormModel {
public:
    enum { IDD = 115, CommandId = 32792 };
    enum Control : int {
        IDC_CALCULATE_DATES = IDOK,
        IDC_ADD_DAYS_DATE = 131,
        IDC_ADD_MONTHS_DATE = 48,
        IDC_DAYS = 1031,
        IDC_DAYS_NEW_DATE = 1032,
        IDC_MONTHS = 1034,
        IDC_MONTHS_NEW_DATE = 1035,
        IDC_DAYS_FIRST_DATE = 1036,
        IDC_DAYS_SECOND_DATE = 1037,
        IDC_DAYS_BETWEEN = 1038,
        IDC_MONTHS_FIRST_DATE = 1039,
        IDC_MONTHS_SECOND_DATE = 1040,
        IDC_MONTHS_BETWEEN = 1041,
        IDC_WEEKDAY_DATE = 1042,
        IDC_DAY_OF_WEEK = 1043,
        IDC_LEAP_YEAR = 1044,
    };
    static constexpr int LastYear = 5000;

    CDateArithmeticDlg();

protected:
    void OnClicked(int id) override;
    bool Solve(double& result) override;

private:
    // Moves a valid date by days or months into its result; false when the result leaves the
    // accepted years (the message has been shown).
    bool Move(CDate& date, int count, bool months, CDate& moved, int countControl,
              int resultControl);

    // First, so that the wider years hold for every date of the form and end after them.
    ScopedYearRange m_years{CDate::DefaultMinYear, LastYear};
    CDate m_addDaysDate, m_daysNewDate;
    CDate m_addMonthsDate, m_monthsNewDate;
    CDate m_daysFirst, m_daysSecond;
    CDate m_monthsFirst, m_monthsSecond;
    CDate m_weekdayDate;
    double m_days = 0.0;
    double m_months = 0.0;
    double m_daysBetween = 0.0;
    double m_monthsBetween = 0.0;
};

} // namespace kavrel
