#include "engine/dated_growth.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace kavrel {
namespace {

struct GrowthCase {
    const char* name;
    CDate start, end;
    int monthsPerPeriod;
    double rate;
    double expected; // the product worked out by hand from the stretches' days
};

double Stretch(int days, double rate, int yearDays) {
    return 1 + days * rate / yearDays;
}

TEST(DatedGrowthFactor, HandComputedProducts) {
    const GrowthCase cases[] = {
        {"quarterly inside a year",
         {3, 15, 2001},
         {7, 10, 2001},
         3,
         0.06,
         Stretch(16, 0.06, 365) * Stretch(91, 0.06, 365) * Stretch(10, 0.06, 365)},
        {"monthly over a leap February",
         {1, 20, 2004},
         {3, 10, 2004},
         1,
         0.1,
         Stretch(11, 0.1, 366) * Stretch(29, 0.1, 366) * Stretch(10, 0.1, 366)},
        {"yearly over a leap year",
         {7, 1, 2003},
         {3, 1, 2005},
         12,
         0.05,
         Stretch(183, 0.05, 365) * Stretch(366, 0.05, 366) * Stretch(60, 0.05, 365)},
        {"start on a period end",
         {6, 30, 2001},
         {1, 15, 2002},
         6,
         0.08,
         Stretch(184, 0.08, 365) * Stretch(15, 0.08, 365)},
        {"first period end before the start",
         {5, 10, 2001},
         {8, 5, 2001},
         3,
         0.07,
         Stretch(51, 0.07, 365) * Stretch(36, 0.07, 365)},
        {"year end into a leap year",
         {12, 1, 2003},
         {1, 15, 2004},
         1,
         0.12,
         Stretch(30, 0.12, 365) * Stretch(15, 0.12, 366)},
        {"end on a period end", {10, 1, 1999}, {12, 31, 1999}, 3, 0.04, Stretch(91, 0.04, 365)},
        {"equal dates", {4, 4, 2004}, {4, 4, 2004}, 3, 0.06, 1.0},
        {"start after end", {4, 5, 2004}, {4, 4, 2004}, 1, 0.06, 1.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(DatedGrowthFactor(c.start, c.end, c.monthsPerPeriod, c.rate), c.expected, 1e-15)
            << c.name;
}

// The same compounding rule on the standard library's calendar.
double ChronoGrowth(std::chrono::year_month_day start, std::chrono::year_month_day end,
                    int monthsPerPeriod, double rate) {
    using namespace std::chrono;
    const sys_days endDays{end};
    sys_days previous{start};
    double factor = 1.0;
    year_month periodEnd = start.year() / month(monthsPerPeriod);
    while (previous < endDays) {
        sys_days boundary{periodEnd / last};
        periodEnd += months(monthsPerPeriod);
        if (boundary < previous) continue;
        if (boundary > endDays) boundary = endDays;
        const int yearDays = year_month_day(boundary).year().is_leap() ? 366 : 365;
        factor *= 1 + (boundary - previous).count() * rate / yearDays;
        previous = boundary;
    }
    return factor;
}

TEST(DatedGrowthFactor, MatchesTheStandardCalendarOverLongSpans) {
    using namespace std::chrono;
    const struct {
        int startMonth, startDay, startYear, endMonth, endDay, endYear, monthsPerPeriod;
    } cases[] = {
        {1, 1, 1600, 12, 31, 2500, 1},
        {2, 29, 1600, 3, 1, 2400, 3},
        {7, 17, 1899, 2, 28, 2101, 6},
        {11, 30, 1700, 6, 15, 1900, 12},
    };
    for (const auto& c : cases) {
        const double expected =
            ChronoGrowth(year(c.startYear) / c.startMonth / c.startDay,
                         year(c.endYear) / c.endMonth / c.endDay, c.monthsPerPeriod, 0.0001);
        const double actual =
            DatedGrowthFactor(CDate(c.startMonth, c.startDay, c.startYear),
                              CDate(c.endMonth, c.endDay, c.endYear), c.monthsPerPeriod, 0.0001);
        EXPECT_NEAR(actual, expected, 1e-12 * expected) << c.startYear << " " << c.monthsPerPeriod;
    }
}

TEST(DatedGrowthFactor, StepBelowOneMonthCountsAsMonthly) {
    const CDate start(3, 15, 2001), end(9, 1, 2003);
    const double monthly = DatedGrowthFactor(start, end, 1, 0.05);
    EXPECT_EQ(DatedGrowthFactor(start, end, 0, 0.05), monthly);
    EXPECT_EQ(DatedGrowthFactor(start, end, -3, 0.05), monthly);
}

} // namespace
} // namespace kavrel
