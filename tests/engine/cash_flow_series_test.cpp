// SPDX-License-Identifier: GPL-3.0-or-later
// Cash-flow series discounted from period 0 or 1, and the discount rate that zeroes them.
#include "engine/cash_flow_series.h"
#include "engine/math_errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kavrel {
namespace {

TEST(Discounting, FromPeriodZeroOrOne) {
    const double flows[] = {-1000, 500, 700};
    EXPECT_NEAR(DiscountFromZero(flows, 0.1), -1000 + 500 / 1.1 + 700 / 1.21, 1e-10);
    EXPECT_NEAR(DiscountFromOne(3, 0.1, flows), -1000 / 1.1 + 500 / 1.21 + 700 / 1.331, 1e-10);
    EXPECT_EQ(DiscountFromOne(3, 0, flows), 200); // the plain sum
    EXPECT_EQ(DiscountFromZero({}, 0.1), 0.0);
    EXPECT_EQ(DiscountFromOne(-1, 0.1, flows), 0.0);
    EXPECT_EQ(DiscountFromOne(3, 0.1, nullptr), 0.0);
    // 1e200 squared overflows; the last flow is divided by the overflow value instead.
    const double huge[] = {1, 1e12, 1e12};
    EXPECT_DOUBLE_EQ(DiscountFromZero(huge, 1e200), 1 + 1e12 / 1e200 + 1e12 / MathOverflowValue);
}

double SizeOf(const std::vector<double>& flows) {
    double size = 0;
    for (double flow : flows)
        size += std::fabs(flow);
    return size;
}

double Solve(const std::vector<double>& flows, double failure) {
    return SolveDiscountRate([&](double x) { return DiscountFromZero(flows, x); }, SizeOf(flows),
                             failure);
}

// Series of 2 to 481 flows made from a known rate, the present value summed in long double:
// the rate is their root. Near 1000 % a period the powers of the last payments overflow and
// their terms are not quite 0: the root moves by 1e-8.
TEST(SolveDiscountRate, FindsTheRateThatMadeTheSeries) {
    const struct {
        int count;
        double annualPercent, perYear;
        bool level;
    } rows[] = {
        {1, 10, 1, true},    {1, 305, 1, true},   {1, 850, 1, true},    {1, 999.999, 1, true},
        {3, 9.701, 1, true}, {60, 1, 12, true},   {120, 30, 12, false}, {180, 8, 12, false},
        {240, 12, 4, true},  {360, 6, 12, true},  {360, 18, 26, false}, {480, 1, 12, false},
        {480, 30, 12, true}, {480, 995, 1, true}, {300, 999, 1, false},
    };
    for (const auto& c : rows) {
        SCOPED_TRACE(testing::Message() << c.count << " at " << c.annualPercent << " %");
        const long double rate = c.annualPercent / (c.perYear * 100.0L);
        std::vector<double> flows(static_cast<size_t>(c.count) + 1);
        long double presentValue = 0;
        for (int k = 1; k <= c.count; ++k) {
            flows[k] = c.level ? 1079.19 : 500 + 125.5 * (k % 7) + 3 * k;
            presentValue += flows[k] / std::pow(1 + rate, static_cast<long double>(k));
        }
        flows[0] = -static_cast<double>(presentValue);
        // The annual percentage, shown with three decimals, to within 1e-5.
        EXPECT_NEAR(Solve(flows, -1) * c.perYear * 100, c.annualPercent, 1e-5);
    }
}

TEST(SolveDiscountRate, GivesTheFailureValueWithoutARootBelowTenAPeriod) {
    int calls = 0;
    const auto positive = [&](double x) { return ++calls, 1 / (1 + x); };
    EXPECT_EQ(SolveDiscountRate(positive, 1, 1000), 1000);
    EXPECT_EQ(calls, 101);
    EXPECT_EQ(Solve({-1, 11.00001}, -7), -7); // just past the last scan rate
    EXPECT_EQ(SolveDiscountRate([](double x) { return 10.5 - x; }, 10.5, -7), -7);
    // A step or a pole changes sign without a root.
    EXPECT_EQ(SolveDiscountRate([](double x) { return x < 0.45 ? 1.0 : -1.0; }, 1, -3), -3);
    EXPECT_EQ(SolveDiscountRate([](double x) { return 1 / (0.37 - x); }, 1, -3), -3);
}

} // namespace
} // namespace kavrel
