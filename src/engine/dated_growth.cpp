// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/dated_growth.h"

#include <algorithm>
#include <array>
#include <climits>

namespace kavrel {

namespace {

// Day numbers of the month ends of one year, from one CDate day number per year: the walk over
// 900 years of months would otherwise spend most of its time on the calendar.
class MonthEnds {
public:
    void Load(int year) {
        m_year = year;
        m_leap = CDate(1, 1, year).IsLeapYear();
        long long day = CDate(12, 31, year - 1).DayNumber();
        m_dayNumber[0] = static_cast<int>(day);
        for (int month = 1; month <= 12; ++month) {
            day += month == 2 && !m_leap ? 28 : DaysInMonthBound[month];
            m_dayNumber[month] = static_cast<int>(std::min<long long>(day, INT_MAX));
        }
    }
    int Year() const { return m_year; }
    bool Leap() const { return m_leap; }
    int DayNumber(int month) const { return m_dayNumber[month]; }

private:
    int m_year = 0;
    bool m_leap = false;
    std::array<int, 13> m_dayNumber{};
};

} // namespace

double DatedGrowthFactor(const CDate& startDate, const CDate& endDate, int monthsPerPeriod,
                         double annualRate) {
    // A zero or negative step would never reach the end date.
    monthsPerPeriod = std::max(monthsPerPeriod, 1);
    const int endDay = endDate.DayNumber();
    int previousDay = startDate.DayNumber();
    if (previousDay >= endDay) return 1.0;

    // The boundary starts at December of the year before the start and steps by
    // monthsPerPeriod months (carrying into the year) to the last day of each month: the
    // months whose number is a multiple of monthsPerPeriod.
    long long year = static_cast<long long>(startDate.year) - 1;
    int month = 12;
    const int yearStep = monthsPerPeriod / 12;
    const int monthStep = monthsPerPeriod % 12;

    // Every pass moves the boundary on by monthsPerPeriod months from the start of the start
    // date's year, so the loop ends within this many passes; the cap only guards dates whose
    // years lie at the ends of int, where the boundary could no longer advance.
    const long long maxPasses =
        (static_cast<long long>(MonthsBetween(startDate, endDate)) + 12) / monthsPerPeriod + 2;
    MonthEnds monthEnds;
    double factor = 1.0;
    for (long long pass = 0; previousDay < endDay && pass < maxPasses; ++pass) {
        year += yearStep;
        month += monthStep;
        if (month > 12) {
            month -= 12;
            ++year;
        }
        const int boundaryYear =
            static_cast<int>(std::clamp<long long>(year, INT_MIN + 1LL, INT_MAX));
        if (pass == 0 || boundaryYear != monthEnds.Year()) monthEnds.Load(boundaryYear);
        int boundaryDay = monthEnds.DayNumber(month);
        bool leapYear = monthEnds.Leap();
        if (boundaryDay < previousDay) continue; // a period end before the start date
        if (boundaryDay >= endDay) {
            boundaryDay = endDay;
            leapYear = endDate.IsLeapYear();
        }
        const long long days = static_cast<long long>(boundaryDay) - previousDay;
        factor *= 1 + days * annualRate / (leapYear ? 366 : 365);
        previousDay = boundaryDay;
    }
    return factor;
}

} // namespace kavrel
