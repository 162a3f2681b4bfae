// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A calendar date of the Gregorian calendar, typed and shown as month/day/year with a
// four-digit year. A plain value with public fields. An invalid date is no error: every
// operation works on the fields and recomputes the flag, and forms test the flag before they
// compute.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kavrel {

struct CDate {
    int month = 0;
    int day = 0;
    int year = 0;
    int valid = 0; // 1 when month, day and year form a date inside MinYear..MaxYear

    // The accepted years, shared by every date check of the program. Change them only through
    // ScopedYearRange.
    static constexpr int DefaultMinYear = 1600;
    static constexpr int DefaultMaxYear = 2500;
    static inline int MinYear = DefaultMinYear;
    static inline int MaxYear = DefaultMaxYear;

    CDate() = default;
    CDate(int m, int d, int y) : month(m), day(d), year(y) { Validate(); }

    // Reads a month/day/year text (delimiters "/", "-" and blank); two-digit years are not
    // expanded and leave the date invalid.
    void Parse(std::string_view text);
    static CDate Parsed(std::string_view text);

    // "%d/%d/%d": 3/5/2001.
    std::string Format() const;
    // Eight characters for the schedule's columns: " 3/05/01", "12/25/99".
    std::string FormatShort() const;

    void Validate();
    int IsValid();
    int IsLeapYear() const;

    // The local date of the system clock, or the date fixed by SetTodayOverride.
    void SetToday();
    // Fixes "today" for every SetToday (the command line's --today, tests); nullopt restores
    // the clock.
    static void SetTodayOverride(std::optional<CDate> today);

    // Day 1 is 1 March of year 0 of the proleptic Gregorian calendar.
    int DayNumber() const;
    void FromDayNumber(int n);

    void AddDays(int n);
    CDate PlusDays(int n) const;
    // Steps whole months; the day is cut to the last day of the new month.
    void AddMonths(int n);

    // 0 is Sunday, 6 is Saturday.
    int DayOfWeek() const;

    int IsBefore(const CDate& other) const { return DayNumber() < other.DayNumber(); }
    int IsAfter(const CDate& other) const { return DayNumber() > other.DayNumber(); }
    int IsSameDate(const CDate& other) const { return DayNumber() == other.DayNumber(); }
};

inline constexpr std::array<std::string_view, 7> WeekdayNames = {"Sun", "Mon", "Tue", "Wed",
                                                                 "Thu", "Fri", "Sat"};

// The bound of each month's day, indexed by month 1..12 (February 29; the leap-year rule
// is checked separately). Index 0 is unused.
inline constexpr std::array<int, 13> DaysInMonthBound = {0,  31, 29, 31, 30, 31, 30,
                                                         31, 31, 30, 31, 30, 31};

// The delimiters between month, day and year.
inline constexpr std::string_view DateDelimiters = "/- ";

// Day count from a to b, positive when b is later.
int DaysBetween(const CDate& a, const CDate& b);
// Days on 30-day months, without month-end adjustment.
int Days360Between(const CDate& a, const CDate& b);
// Whole calendar months from a to b; the days are ignored.
int MonthsBetween(const CDate& a, const CDate& b);

// Widens (or narrows) the accepted years for its lifetime and restores the previous limits
// on leaving the scope, also when an exception unwinds it.
class ScopedYearRange {
public:
    ScopedYearRange(int minYear, int maxYear)
        : m_savedMin(CDate::MinYear), m_savedMax(CDate::MaxYear) {
        CDate::MinYear = minYear;
        CDate::MaxYear = maxYear;
    }
    ~ScopedYearRange() {
        CDate::MinYear = m_savedMin;
        CDate::MaxYear = m_savedMax;
    }
    ScopedYearRange(const ScopedYearRange&) = delete;
    ScopedYearRange& operator=(const ScopedYearRange&) = delete;

private:
    int m_savedMin;
    int m_savedMax;
};

} // namespace kavrel
