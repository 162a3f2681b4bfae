#include "entry/date.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kavrel {
namespace {

struct Ymd {
    int month, day, year;
};

bool Matches(const CDate& date, Ymd expected) {
    return date.month == expected.month && date.day == expected.day && date.year == expected.year;
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
    int expected = 730426 - (400 * 365 + 97);
    Ymd d{1, 1, 1600};
    int checked = 0;
    while (d.year <= 5000) {
        CDate date(d.month, d.day, d.year);
        CDate back;
        back.FromDayNumber(expected);
        if (date.DayNumber() != expected || !Matches(back, d) || back.valid != 1) {
            ADD_FAILURE() << d.month << "/" << d.day << "/" << d.year << ": " << date.DayNumber()
                          << " instead of " << expected;
            break;
        }
        ++checked;
        ++expected;
        if (++d.day > TestMonthLength(d.month, d.year)) {
            d.day = 1;
            if (++d.month > 12) {
                d.month = 1;
                ++d.year;
            }
        }
    }
    EXPECT_EQ(checked, 3401 * 365 + 825); // 825 leap years in 1600..5000
    EXPECT_EQ(CDate(1, 1, 2000).DayNumber(), 730426);
}

TEST(CDate, DayOneIsTheFirstOfMarchOfYearZero) {
    CDate date;
    date.FromDayNumber(1);
    EXPECT_TRUE(Matches(date, {3, 1, 0}));
    EXPECT_EQ(date.DayNumber(), 1);
    EXPECT_EQ(date.valid, 0); // year 0 is outside every accepted range
}

struct ValidCase {
    Ymd date;
    int valid;
};

TEST(CDate, ValidatesMonthDayYearAndLeapYears) {
    const ValidCase cases[] = {
        {{2, 29, 2000}, 1}, {{2, 29, 2400}, 1},  {{2, 29, 1900}, 0},  {{2, 29, 2100}, 0},
        {{2, 29, 2004}, 1}, {{2, 29, 2001}, 0},  {{2, 28, 2001}, 1},  {{2, 30, 2000}, 0},
        {{1, 1, 1600}, 1},  {{12, 31, 2500}, 1}, {{12, 31, 1599}, 0}, {{1, 1, 2501}, 0},
        {{4, 31, 2001}, 0}, {{4, 30, 2001}, 1},  {{13, 1, 2001}, 0},  {{0, 1, 2001}, 0},
        {{1, 0, 2001}, 0},  {{1, 32, 2001}, 0},  {{-1, 5, 2001}, 0},  {{0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        CDate date;
        date.month = c.date.month;
        date.day = c.date.day;
        date.year = c.date.year;
        EXPECT_EQ(date.IsValid(), c.valid)
            << c.date.month << "/" << c.date.day << "/" << c.date.year;
        EXPECT_EQ(date.valid, c.valid);
    }
    EXPECT_EQ(CDate().valid, 0);
}

TEST(CDate, LeapYearRule) {
    const std::pair<int, int> cases[] = {{1600, 1}, {1700, 0}, {1900, 0}, {1996, 1},
                                         {2000, 1}, {2001, 0}, {2100, 0}, {2400, 1}};
    for (auto [year, leap] : cases)
        EXPECT_EQ(CDate(1, 1, year).IsLeapYear(), leap) << year;
}

TEST(ScopedYearRange, WidensTheLimitsAndRestoresThem) {
    ASSERT_EQ(CDate::MinYear, 1600);
    ASSERT_EQ(CDate::MaxYear, 2500);
    {
        ScopedYearRange wide(1600, 5000);
        EXPECT_EQ(CDate(12, 31, 5000).valid, 1);
        EXPECT_EQ(CDate(1, 1, 5001).valid, 0);
        {
            ScopedYearRange narrow(1900, 2000);
            EXPECT_EQ(CDate(1, 1, 2001).valid, 0);
        }
        EXPECT_EQ(CDate::MaxYear, 5000);
    }
    EXPECT_EQ(CDate(12, 31, 5000).valid, 0);
    EXPECT_EQ(CDate::MaxYear, 2500);

    EXPECT_THROW(
        {
            ScopedYearRange wide(1600, 5000);
            throw std::runtime_error("unwind");
        },
        std::runtime_error);
    EXPECT_EQ(CDate::MinYear, 1600);
    EXPECT_EQ(CDate::MaxYear, 2500);
}

struct MonthCase {
    Ymd from;
    int months;
    Ymd to;
};

TEST(CDate, AddMonthsCutsTheDayToTheMonthsEnd) {
    const MonthCase cases[] = {
        {{1, 31, 2001}, 1, {2, 28, 2001}},
        {{1, 31, 2000}, 1, {2, 29, 2000}},
        {{1, 15, 2001}, -1, {12, 15, 2000}},
        {{1, 15, 2001}, 13, {2, 15, 2002}},
        {{3, 31, 2001}, -1, {2, 28, 2001}},
        {{3, 31, 2000}, -1, {2, 29, 2000}},
        {{5, 31, 2001}, 1, {6, 30, 2001}},
        {{12, 31, 2000}, 2, {2, 28, 2001}},
        {{12, 15, 2001}, 1, {1, 15, 2002}},
        {{12, 15, 2001}, 11, {11, 15, 2002}},
        {{1, 15, 2001}, -13, {12, 15, 1999}},
        {{1, 15, 2001}, -12, {1, 15, 2000}},
        {{1, 15, 2001}, 24, {1, 15, 2003}},
        {{2, 29, 2000}, 12, {2, 28, 2001}},
        {{7, 4, 2001}, 0, {7, 4, 2001}},
        // Month 0 stands for December of the year before (the engine's period boundaries).
        {{0, 31, 2001}, 3, {3, 31, 2001}},
        {{0, 31, 2001}, 12, {12, 31, 2001}},
        {{0, 31, 2001}, 2, {2, 28, 2001}},
    };
    for (const auto& c : cases) {
        CDate date;
        date.month = c.from.month;
        date.day = c.from.day;
        date.year = c.from.year;
        date.AddMonths(c.months);
        EXPECT_TRUE(Matches(date, c.to)) << c.from.month << "/" << c.from.day << "/" << c.from.year
                                         << " + " << c.months << " gives " << date.Format();
        EXPECT_EQ(date.valid, 1);
    }
}

TEST(CDate, AddMonthsStepsExactlyThatManyCalendarMonths) {
    for (Ymd start : {Ymd{1, 31, 2000}, Ymd{8, 30, 1999}, Ymd{12, 1, 2003}, Ymd{2, 29, 2004}}) {
        for (int n = -40; n <= 40; ++n) {
            CDate a(start.month, start.day, start.year);
            CDate b = a;
            b.AddMonths(n);
            EXPECT_EQ(MonthsBetween(a, b), n);
            EXPECT_EQ(b.day, std::min(a.day, TestMonthLength(b.month, b.year)));
        }
    }
}

TEST(CDate, AddDaysAndPlusDays) {
    const CDate start(12, 31, 1999);
    CDate moved = start.PlusDays(60);
    EXPECT_TRUE(Matches(start, {12, 31, 1999})); // PlusDays leaves its date alone
    EXPECT_TRUE(Matches(moved, {2, 29, 2000}));
    moved.AddDays(-60);
    EXPECT_TRUE(Matches(moved, {12, 31, 1999}));

    CDate last(12, 31, 2500);
    last.AddDays(1);
    EXPECT_TRUE(Matches(last, {1, 1, 2501}));
    EXPECT_EQ(last.valid, 0);
    last.AddDays(-1);
    EXPECT_EQ(last.valid, 1);

    CDate far(1, 1, 2000);
    far.AddDays(2'000'000'000); // far beyond any calendar, but no overflow
    EXPECT_EQ(far.valid, 0);
}

struct ParseCase {
    const char* text;
    Ymd expected;
    int valid;
};

TEST(CDate, ParsesMonthDayYear) {
    const ParseCase cases[] = {
        {"12/25/1999", {12, 25, 1999}, 1},
        {"12-25-1999", {12, 25, 1999}, 1},
        {"12 25 1999", {12, 25, 1999}, 1},
        {"3/5/2001", {3, 5, 2001}, 1},
        {"//3//5 -2001", {3, 5, 2001}, 1},
        {"12/25/99", {12, 25, 0}, 0},
        {"012/25/1999", {0, 25, 1999}, 0},
        {"12/025/1999", {12, 0, 1999}, 0},
        {"12/25/19999", {12, 25, 0}, 0},
        {"12/25", {12, 25, 0}, 0},
        {"", {0, 0, 0}, 0},
        {"2/29/2001", {2, 29, 2001}, 0},
        {"x/5/2001", {0, 5, 2001}, 0},
        {"3/5/2001/9", {3, 5, 2001}, 1},
    };
    for (const auto& c : cases) {
        CDate date(7, 4, 1776); // every field is cleared first
        date.Parse(c.text);
        EXPECT_TRUE(Matches(date, c.expected)) << c.text << " gives " << date.Format();
        EXPECT_EQ(date.valid, c.valid) << c.text;
        EXPECT_TRUE(Matches(CDate::Parsed(c.text), c.expected)) << c.text;
    }
    // Only the first 59 characters are read.
    EXPECT_EQ(CDate::Parsed(std::string(56, ' ') + "1/2/2001").year, 0);
    EXPECT_EQ(CDate::Parsed(std::string(51, ' ') + "1/2/2001").year, 2001);
}

struct FormatCase {
    Ymd date;
    const char* full;
    const char* shortForm;
};

TEST(CDate, FormatsBothWays) {
    const FormatCase cases[] = {
        {{3, 5, 2001}, "3/5/2001", " 3/05/01"},     {{12, 25, 1999}, "12/25/1999", "12/25/99"},
        {{10, 10, 2000}, "10/10/2000", "10/10/00"}, {{1, 1, 2010}, "1/1/2010", " 1/01/10"},
        {{9, 30, 1609}, "9/30/1609", " 9/30/09"},
    };
    for (const auto& c : cases) {
        CDate date(c.date.month, c.date.day, c.date.year);
        EXPECT_EQ(date.FormatShort(), c.shortForm);
        EXPECT_EQ(date.Format(), c.full);
        EXPECT_TRUE(Matches(CDate::Parsed(date.Format()), c.date));
    }
}

TEST(CDate, DayOfWeek) {
    const std::pair<Ymd, int> cases[] = {
        {{1, 1, 2000}, 6}, {{7, 4, 1776}, 4},   {{9, 11, 2001}, 2},
        {{1, 1, 1900}, 1}, {{12, 25, 2023}, 1}, {{2, 29, 2400}, 2},
    };
    for (auto [date, weekday] : cases) {
        ScopedYearRange wide(1600, 5000);
        EXPECT_EQ(CDate(date.month, date.day, date.year).DayOfWeek(), weekday) << date.year;
    }
    EXPECT_EQ(WeekdayNames[CDate(1, 1, 2000).DayOfWeek()], "Sat");
    EXPECT_EQ(WeekdayNames[0], "Sun");
    // An invalid date still names a weekday.
    const int weekday = CDate().DayOfWeek();
    EXPECT_TRUE(weekday >= 0 && weekday <= 6);
}

struct BetweenCase {
    Ymd a, b;
    int days, days360, months;
};

TEST(CDate, DifferencesBetweenDates) {
    const BetweenCase cases[] = {
        {{1, 1, 2000}, {1, 1, 2001}, 366, 360, 12},
        {{1, 1, 2001}, {1, 1, 2000}, -366, -360, -12},
        {{1, 31, 2001}, {3, 1, 2001}, 29, 30, 2},
        {{2, 28, 2001}, {3, 31, 2001}, 31, 33, 1},
        {{5, 5, 2001}, {5, 5, 2001}, 0, 0, 0},
        {{12, 31, 1999}, {1, 1, 2000}, 1, 0, 1}, // 30 for the month, less 30 for the days
    };
    for (const auto& c : cases) {
        CDate a(c.a.month, c.a.day, c.a.year), b(c.b.month, c.b.day, c.b.year);
        EXPECT_EQ(DaysBetween(a, b), c.days);
        EXPECT_EQ(Days360Between(a, b), c.days360);
        EXPECT_EQ(MonthsBetween(a, b), c.months);
        EXPECT_EQ(a.IsBefore(b), c.days > 0);
        EXPECT_EQ(a.IsAfter(b), c.days < 0);
        EXPECT_EQ(a.IsSameDate(b), c.days == 0);
    }
}

TEST(CDate, SettersRecomputeTheFlag) {
    CDate date(1, 31, 2001);
    date.SetMonth(2);
    EXPECT_EQ(date.valid, 0); // 31 February
    date.SetLastDayOfMonth();
    EXPECT_TRUE(Matches(date, {2, 28, 2001}));
    EXPECT_EQ(date.valid, 1);
    date.year = 2000;
    date.SetLastDayOfMonth();
    EXPECT_EQ(date.day, 29);
    date.SetMonth(9);
    date.SetLastDayOfMonth();
    EXPECT_EQ(date.day, 30);
}

TEST(CDate, TodayCanBeFixed) {
    CDate::SetTodayOverride(CDate(3, 5, 2001));
    CDate today;
    today.SetToday();
    EXPECT_TRUE(Matches(today, {3, 5, 2001}));
    EXPECT_EQ(today.valid, 1);
    CDate::SetTodayOverride(std::nullopt);
    today.SetToday();
    EXPECT_EQ(today.valid, 1); // the clock's date lies within the accepted years
}

} // namespace
} // namespace kavrel
