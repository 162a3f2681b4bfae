#include "entry/date.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <tuple>

namespace kavrel {
namespace {

CDate Raw(int month, int day, int year) { // fields as given, flag not yet computed
    CDate date;
    date.month = month, date.day = day, date.year = year;
    return date;
}

// The calendar counted the slow way, without any of the date type's formulas.
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
    EXPECT_EQ(CDate(1, 1, 2000).DayNumber(), 730426);
    EXPECT_EQ(Raw(3, 1, 0).DayNumber(), 1);
}

TEST(CDate, ValidatesMonthDayYearAndLeapYears) {
    const std::pair<CDate, int> cases[] = {
        {Raw(2, 29, 2000), 1}, {Raw(2, 29, 2400), 1},  {Raw(2, 29, 1900), 0},
        {Raw(2, 29, 2100), 0}, {Raw(2, 29, 2004), 1},  {Raw(2, 30, 2000), 0},
        {Raw(1, 1, 1600), 1},  {Raw(12, 31, 2500), 1}, {Raw(12, 31, 1599), 0},
        {Raw(1, 1, 2501), 0},  {Raw(4, 31, 2001), 0},  {Raw(4, 30, 2001), 1},
        {Raw(13, 1, 2001), 0}, {Raw(0, 1, 2001), 0},   {Raw(1, 0, 2001), 0},
        {Raw(1, 32, 2001), 0}, {Raw(-1, 5, 2001), 0},  {CDate(), 0},
    };
    for (auto [date, valid] : cases) {
        EXPECT_EQ(date.IsValid(), valid) << date.Format();
        EXPECT_EQ(date.IsLeapYear(), TestLeap(date.year)) << date.year;
    }
}

TEST(ScopedYearRange, WidensTheLimitsAndRestoresThem) {
    ASSERT_EQ(CDate::MinYear, 1600);
    ASSERT_EQ(CDate::MaxYear, 2500);
    {
        ScopedYearRange wide(1600, 5000);
        EXPECT_EQ(CDate(12, 31, 5000).valid, 1);
        EXPECT_EQ(CDate(1, 1, 5001).valid, 0);
    }
    EXPECT_EQ(CDate(12, 31, 5000).valid, 0);
    EXPECT_THROW(
        {
            ScopedYearRange wide(1500, 5000);
            throw std::runtime_error("unwind");
        },
        std::runtime_error);
    EXPECT_EQ(CDate::MinYear, 1600);
    EXPECT_EQ(CDate::MaxYear, 2500);
}

TEST(CDate, AddMonthsCutsTheDayToTheMonthsEnd) {
    const std::tuple<CDate, int, std::string> cases[] = {
        {Raw(1, 31, 2001), 1, "2/28/2001"},
        {Raw(1, 31, 2000), 1, "2/29/2000"},
        {Raw(1, 15, 2001), -1, "12/15/2000"},
        {Raw(1, 15, 2001), 13, "2/15/2002"},
        {Raw(3, 31, 2001), -1, "2/28/2001"},
        {Raw(5, 31, 2001), 1, "6/30/2001"},
        {Raw(12, 15, 2001), 11, "11/15/2002"},
        {Raw(1, 15, 2001), -13, "12/15/1999"},
        // Month 0 stands for December of the year before (the engine's period boundaries).
        {Raw(0, 31, 2001), 3, "3/31/2001"},
        {Raw(0, 31, 2001), 12, "12/31/2001"},
    };
    for (auto [date, months, expected] : cases) {
        date.AddMonths(months);
        EXPECT_EQ(date.Format(), expected) << months;
        EXPECT_EQ(date.valid, 1);
    }
    // Any step lands that many calendar months away, on the same day or the month's last.
    for (CDate start : {CDate(1, 31, 2000), CDate(8, 30, 1999), CDate(2, 29, 2004)})
        for (int n = -40; n <= 40; ++n) {
            CDate moved = start;
            moved.AddMonths(n);
            EXPECT_EQ(MonthsBetween(start, moved), n);
            EXPECT_EQ(moved.day, std::min(start.day, TestMonthLength(moved.month, moved.year)));
        }
}

TEST(CDate, AddDaysAndPlusDays) {
    const CDate start(12, 31, 1999);
    CDate moved = start.PlusDays(60);
    EXPECT_EQ(start.Format(), "12/31/1999"); // PlusDays leaves its date alone
    EXPECT_EQ(moved.Format(), "2/29/2000");
    moved.AddDays(-60);
    EXPECT_EQ(moved.Format(), "12/31/1999");
    CDate last(12, 31, 2500);
    last.AddDays(1);
    EXPECT_EQ(last.Format(), "1/1/2501");
    EXPECT_EQ(last.valid, 0);
    last.AddDays(2'000'000'000); // far beyond any calendar, without overflow
    EXPECT_EQ(last.valid, 0);
}

TEST(CDate, ParsesMonthDayYear) {
    const std::tuple<const char*, const char*, int> cases[] = {
        {"12/25/1999", "12/25/1999", 1}, {"12-25-1999", "12/25/1999", 1},
        {"12 25 1999", "12/25/1999", 1}, {"//3//5 -2001", "3/5/2001", 1},
        {"3/5/2001/9", "3/5/2001", 1},   {"12/25/99", "12/25/0", 0},
        {"012/25/1999", "0/25/1999", 0}, {"12/025/1999", "12/0/1999", 0},
        {"12/25/19999", "12/25/0", 0},   {"", "0/0/0", 0},
        {"x/5/2001", "0/5/2001", 0},     {"2/29/2001", "2/29/2001", 0},
    };
    for (auto [text, expected, valid] : cases) {
        CDate date(7, 4, 1776); // every field is cleared first
        date.Parse(text);
        EXPECT_EQ(date.Format(), expected) << text;
        EXPECT_EQ(date.valid, valid) << text;
        EXPECT_EQ(CDate::Parsed(text).Format(), expected);
    }
    // Only the first 59 characters are read.
    EXPECT_EQ(CDate::Parsed(std::string(56, ' ') + "1/2/2001").year, 0);
    EXPECT_EQ(CDate::Parsed(std::string(51, ' ') + "1/2/2001").year, 2001);
}

TEST(CDate, FormatsBothWays) {
    const std::tuple<CDate, const char*, const char*> cases[] = {
        {CDate(3, 5, 2001), "3/5/2001", " 3/05/01"},
        {CDate(12, 25, 1999), "12/25/1999", "12/25/99"},
        {CDate(10, 10, 2000), "10/10/2000", "10/10/00"},
        {CDate(9, 30, 1609), "9/30/1609", " 9/30/09"},
    };
    for (auto [date, full, shortForm] : cases) {
        EXPECT_EQ(date.Format(), full);
        EXPECT_EQ(date.FormatShort(), shortForm);
    }
}

TEST(CDate, DayOfWeek) {
    const std::pair<CDate, int> cases[] = {
        {CDate(1, 1, 2000), 6}, {CDate(7, 4, 1776), 4},   {CDate(9, 11, 2001), 2},
        {CDate(1, 1, 1900), 1}, {CDate(12, 25, 2023), 1}, {Raw(2, 29, 2400), 2},
    };
    for (auto [date, weekday] : cases)
        EXPECT_EQ(date.DayOfWeek(), weekday) << date.Format();
    EXPECT_EQ(WeekdayNames[6], "Sat");
    const int weekday = CDate().DayOfWeek(); // an invalid date still names a weekday
    EXPECT_TRUE(weekday >= 0 && weekday <= 6);
}

TEST(CDate, DifferencesBetweenDates) {
    struct Case {
        CDate a, b;
        int days, days360, months;
    };
    const Case cases[] = {
        {CDate(1, 1, 2000), CDate(1, 1, 2001), 366, 360, 12},
        {CDate(1, 1, 2001), CDate(1, 1, 2000), -366, -360, -12},
        {CDate(1, 31, 2001), CDate(3, 1, 2001), 29, 30, 2},
        {CDate(12, 31, 1999), CDate(1, 1, 2000), 1, 0, 1}, // no month-end adjustment
        {CDate(5, 5, 2001), CDate(5, 5, 2001), 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DaysBetween(c.a, c.b), c.days);
        EXPECT_EQ(Days360Between(c.a, c.b), c.days360);
        EXPECT_EQ(MonthsBetween(c.a, c.b), c.months);
        EXPECT_EQ(c.a.IsBefore(c.b), c.days > 0);
        EXPECT_EQ(c.a.IsAfter(c.b), c.days < 0);
        EXPECT_EQ(c.a.IsSameDate(c.b), c.days == 0);
    }
}

TEST(CDate, TodayOverride) {
    CDate date;
    CDate::SetTodayOverride(CDate(3, 5, 2001));
    date.SetToday();
    EXPECT_EQ(date.Format(), "3/5/2001");
    CDate::SetTodayOverride(std::nullopt);
    date.SetToday();
    EXPECT_EQ(date.valid, 1); // the clock's date lies within the accepted years
}

} // namespace
} // namespace kavrel
