// Month stepping over the whole range of years: a step forth and back gives the same date
// whenever the day fits the month stepped to. (Day numbers are checked day by day over 1600 to
// 5000 in tests/entry/date_test.cpp.)

#include "entry/date.h"

#include <gtest/gtest.h>

#include <random>

using namespace kavrel;

namespace {

bool Leap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int MonthLength(int month, int year) {
    static constexpr int Lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && Leap(year) ? 29 : Lengths[month - 1];
}

} // namespace

TEST(DateProperties, AddMonthsThereAndBackKeepsADateThatNeedsNoCut) {
    ScopedYearRange wide(1600, 5000);
    std::mt19937 random(1600);
    std::uniform_int_distribution<int> years(1600, 5000), months(1, 12), steps(-1200, 1200);
    int roundTrips = 0;
    for (int n = 0; n < 200000; ++n) {
        const int year = years(random), month = months(random);
        const CDate start(month, 1 + static_cast<int>(random() % MonthLength(month, year)), year);
        const int step = steps(random);
        // Where the step lands, counted independently.
        const int target = year * 12 + (month - 1) + step;
        const int targetYear = target / 12, targetMonth = target % 12 + 1;
        if (targetYear < 1600 || targetYear > 5000 ||
            start.day > MonthLength(targetMonth, targetYear))
            continue;
        CDate moved = start;
        moved.AddMonths(step);
        ASSERT_EQ(moved.valid, 1);
        ASSERT_EQ(moved.year * 12 + moved.month - 1, target) << start.Format() << " " << step;
        moved.AddMonths(-step);
        ASSERT_EQ(moved.Format(), start.Format()) << "step " << step;
        ++roundTrips;
    }
    EXPECT_GT(roundTrips, 150000);
}
