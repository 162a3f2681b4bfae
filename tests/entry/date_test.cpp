// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar counted the slow way, and dates parsed, formatted and moved, as tables.
#include "entry/date.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace kavrel {
namespace {

CDate Raw(int month, int day, int year) { // fields as given, flag not yet computed
    CDate date;
    date.month = month, date.day = day, date.year = year;
    return date;
}

bool TestLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}
int TestMonthLength(int m, int y) {
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && TestLeap(y) ? 29 : lengths[m - 1];
}

TEST(CDate, DayNumbersAgreeWithCountingDaysOverTheWholeRange) {
    ScopedYearRange wide(1600, 5000);
    // 1 January 2000 is day 730426; 1600..1999 are 400 years with 97 leap days.
    int expected = 730426 - (400 * 365 + 97), checked = 0;
    for (int y = 1600; y <= 5000; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= TestMonthLength(m, y); ++d, ++expected, ++checked) {
                CDate back;
                back.FromDayNumber(expected);
                if (CDate(m, d, y).DayNumber() != expected || back.month != m || back.day != d ||
                    back.year != y || back.valid != 1)
                    FAIL() << m << "/" << d << "/" << y << " is not day " << expected;
            }
    EXPECT_EQ(checked, 3401 * 365 + 825); // 825 leap years in 1600..5000
}

TEST(CDate, RefusesWhatIsNoDateOfTheAcceptedYears) {
    // Every valid date is counted above; these are not.
    const CDate rows[] = {Raw(2, 29, 1900), Raw(2, 29, 2100), Raw(2, 30, 2000), Raw(12, 31, 1599),
                          Raw(1, 1, 2501),  Raw(4, 31, 2001), Raw(13, 1, 2001), Raw(0, 1, 2001),
                          Raw(1, 0, 2001),  Raw(1, 32, 2001), Raw(-1, 5, 2001), CDate()};
    for (CDate date : rows) {
        EXPECT_EQ(date.IsValid(), 0) << date.Format();
        EXPECT_EQ(date.IsLeapYear(), TestLeap(date.year)) << date.year;
    }
}

TEST(CDate, ParsesMonthDayYearAndFormatsBothWays) {
    const std::tuple<const char*, const char*, int, const char*> rows[] = {
        {"12/25/1999", "12/25/1999", 1, "12/25/99"},
        {"12-25-1999", "12/25/1999", 1, ""},
        {"//3//5 -2001", "3/5/2001", 1, " 3/05/01"},
        {"3/5/2001/9", "3/5/2001", 1, ""},
        {"9/30/1609", "9/30/1609", 1, " 9/30/09"},
        {"12/25/99", "12/25/0", 0, ""},
        {"012/25/1999", "0/25/1999", 0, ""},
        {"12/025/1999", "12/0/1999", 0, ""},
        {"12/25/19999", "12/25/0", 0, ""},
        {"", "0/0/0", 0, ""},
        {"x/5/2001", "0/5/2001", 0, ""},
        {"2/29/2001", "2/29/2001", 0, ""},
    };
    for (auto [text, expected, valid, shortForm] : rows) {
        CDate date(7, 4, 1776); // every field is cleared first
        date.Parse(text);
        EXPECT_EQ(date.Format(), expected) << text;
        EXPECT_EQ(date.valid, valid) << text;
        EXPECT_EQ(*shortForm ? date.FormatShort() : "", shortForm) << text;
    }
    // Only the first 59 characters are read.
    EXPECT_EQ(CDate::Parsed(std::string(56, ' ') + "1/2/2001").year, 0);
    EXPECT_EQ(CDate::Parsed(std::string(51, ' ') + "1/2/2001").year, 2001);
}

TEST(CDate, MovesByMonthsCuttingTheDayToTheMonthsEnd) {
    // Month 0 stands for December of the year before (the engine's period boundaries).
    CDate december = Raw(0, 31, 2001);
    december.AddMonths(3);
    EXPECT_EQ(december.Format(), "3/31/2001");
    EXPECT_EQ(december.valid, 1);
    for (CDate start : {CDate(1, 31, 2000), CDate(8, 30, 1999), CDate(2, 29, 2004)})
        for (int n = -40; n <= 40; ++n) {
            CDate moved = start;
            moved.AddMonths(n);
            EXPECT_EQ(MonthsBetween(start, moved), n);
            EXPECT_EQ(moved.day, std::min(start.day, TestMonthLength(moved.month, moved.year)));
        }
    CDate last(12, 31, 2500);
    last.AddDays(1);
    EXPECT_EQ(last.Format(), "1/1/2501");
    EXPECT_EQ(last.valid, 0);
    last.AddDays(2'000'000'000); // far beyond any calendar, without overflow
    EXPECT_EQ(last.valid, 0);
}

TEST(CDate, WeekdaysAndDifferences) {
    const struct {
        CDate a, b;
        int weekdayOfA, days, days360, months;
    } rows[] = {
        {CDate(1, 1, 2000), CDate(1, 1, 2001), 6, 366, 360, 12},
        {CDate(1, 1, 2001), CDate(1, 1, 2000), 1, -366, -360, -12},
        {CDate(1, 31, 2001), CDate(3, 1, 2001), 3, 29, 30, 2},
        {CDate(12, 31, 1999), CDate(1, 1, 2000), 5, 1, 0, 1}, // no month-end adjustment
        {CDate(7, 4, 1776), CDate(7, 4, 1776), 4, 0, 0, 0},
        {CDate(1, 1, 1900), CDate(3, 1, 1900), 1, 59, 60, 2},
        {CDate(2, 29, 2400), CDate(3, 1, 2400), 2, 1, 2, 1},
    };
    for (const auto& c : rows) {
        SCOPED_TRACE(c.a.Format() + " to " + c.b.Format());
        EXPECT_EQ(c.a.DayOfWeek(), c.weekdayOfA);
        EXPECT_EQ(DaysBetween(c.a, c.b), c.days);
        EXPECT_EQ(Days360Between(c.a, c.b), c.days360);
        EXPECT_EQ(MonthsBetween(c.a, c.b), c.months);
        EXPECT_EQ(c.a.IsBefore(c.b), c.days > 0);
    }
}

} // namespace
} // namespace kavrel
