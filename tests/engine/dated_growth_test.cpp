// SPDX-License-Identifier: GPL-3.0-or-later
// Growth by simple interest within each compounding period, on the calendar's own year length.
#include "engine/dated_growth.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace kavrel {
namespace {

// The products worked out by hand from the stretches between period ends: days and year length.
TEST(DatedGrowthFactor, MultipliesTheStretchesBetweenPeriodEnds) {
    const struct {
        CDate start, end;
        int monthsPerPeriod;
        double rate;
        std::vector<std::pair<int, int>> stretches;
    } rows[] = {
        {{3, 15, 2001}, {7, 10, 2001}, 3, 0.06, {{16, 365}, {91, 365}, {10, 365}}},
        {{1, 20, 2004}, {3, 10, 2004}, 1, 0.1, {{11, 366}, {29, 366}, {10, 366}}},
        {{7, 1, 2003}, {3, 1, 2005}, 12, 0.05, {{183, 365}, {366, 366}, {60, 365}}},
        {{6, 30, 2001}, {1, 15, 2002}, 6, 0.08, {{184, 365}, {15, 365}}},
        {{5, 10, 2001}, {8, 5, 2001}, 3, 0.07, {{51, 365}, {36, 365}}},
        {{12, 1, 2003}, {1, 15, 2004}, 1, 0.12, {{30, 365}, {15, 366}}},
        {{10, 1, 1999}, {12, 31, 1999}, 3, 0.04, {{91, 365}}},
        {{4, 4, 2004}, {4, 4, 2004}, 3, 0.06, {}},
        {{4, 5, 2004}, {4, 4, 2004}, 1, 0.06, {}},
        {{3, 15, 2001}, {5, 1, 2001}, 0, 0.05, {{16, 365}, {30, 365}, {1, 365}}}, // as monthly
        {{3, 15, 2001}, {5, 1, 2001}, -3, 0.05, {{16, 365}, {30, 365}, {1, 365}}},
    };
    for (const auto& c : rows) {
        double expected = 1;
        for (auto [days, yearDays] : c.stretches)
            expected *= 1 + days * c.rate / yearDays;
        EXPECT_NEAR(DatedGrowthFactor(c.start, c.end, c.monthsPerPeriod, c.rate), expected, 1e-15)
            << c.start.Format() << " to " << c.end.Format() << " by " << c.monthsPerPeriod;
    }
}

// The same rule on the standard library's calendar, over centuries.
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
    const int rows[][7] = {
        {1, 1, 1600, 12, 31, 2500, 1},
        {2, 29, 1600, 3, 1, 2400, 3},
        {7, 17, 1899, 2, 28, 2101, 6},
        {11, 30, 1700, 6, 15, 1900, 12},
    };
    for (auto [m1, d1, y1, m2, d2, y2, step] : rows) {
        const double expected = ChronoGrowth(year(y1) / m1 / d1, year(y2) / m2 / d2, step, 0.0001);
        EXPECT_NEAR(DatedGrowthFactor(CDate(m1, d1, y1), CDate(m2, d2, y2), step, 0.0001), expected,
                    1e-12 * expected)
            << y1 << " " << step;
    }
}

} // namespace
} // namespace kavrel
