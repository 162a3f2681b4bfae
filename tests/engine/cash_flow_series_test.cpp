#include "engine/cash_flow_series.h"
#include "engine/math_errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kavrel {
namespace {

TEST(Discounting, ThreeFlowsAtTenPercent) {
    const double flows[] = {-1000, 500, 700};
    const double fromZero = -1000 + 500 / 1.1 + 700 / 1.21;
    EXPECT_NEAR(DiscountFromZero(flows, 0.1), fromZero, 1e-10);
    EXPECT_NEAR(DiscountFromOne(3, 0.1, flows), -1000 / 1.1 + 500 / 1.21 + 700 / 1.331, 1e-10);
    EXPECT_NEAR(DiscountFromOne(flows, 0.1), fromZero / 1.1, 1e-12);
}

TEST(Discounting, RateZeroIsThePlainSumAndNoFlowsGiveZero) {
    const double flows[] = {12.5, -3, 7.25, 1000};
    EXPECT_EQ(DiscountFromZero(flows, 0), 1016.75);
    EXPECT_EQ(DiscountFromOne(4, 0, flows), 1016.75);
    for (int count : {0, -1})
        EXPECT_EQ(DiscountFromOne(count, 0.1, flows), 0.0);
    EXPECT_EQ(DiscountFromOne(3, 0.1, nullptr), 0.0);
}

TEST(Discounting, OverflowedPowerDividesAsTheOverflowValue) {
    const double flows[] = {1, 1e12, 1e12};
    // 1e200 squared overflows; the last flow is divided by the overflow value instead.
    EXPECT_DOUBLE_EQ(DiscountFromZero(flows, 1e200), 1 + 1e12 / 1e200 + 1e12 / MathOverflowValue);
}

double SizeOf(const std::vector<double>& flows) {
    double size = 0;
    for (double flow : flows)
        size += std::fabs(flow);
    return size;
}

struct RootCase {
    const char* name;
    std::vector<double> flows; // the first is at period 0
    double rate;
};

TEST(SolveDiscountRate, FindsTheRateOfKnownSeries) {
    const RootCase cases[] = {
        {"one period", {-1000, 1100}, 0.1},
        {"two periods", {-1000, 0, 1210}, 0.1},
        {"level", {-1000, 400, 400, 400}, 0.09701025740},
        {"above one", {-100, 405}, 3.05},
        {"high", {-1, 9.5}, 8.5},
        // Just below the last scan rate, 9.99999999999998.
        {"just below the cap", {-1, 10.99999}, 9.99999},
    };
    for (const auto& c : cases) {
        const auto npv = [&](double x) { return DiscountFromZero(c.flows, x); };
        const double x = SolveDiscountRate(npv, SizeOf(c.flows), -1);
        EXPECT_NEAR(x, c.rate, 1e-9) << c.name;
        EXPECT_NEAR(npv(x), 0, 1e-6) << c.name;
    }
    EXPECT_NEAR(SolveDiscountRate([](double x) { return 1 / (1 + x) - 0.5; }, 1.5, -1), 1.0, 1e-9);
}

// Series of 60 to 480 payments generated from a known rate: the present value is summed in
// long double, so the rate that made the series is its root. Near 1000 % a period the powers
// of the last payments overflow and their terms are not quite 0: the root moves by 1e-8.
TEST(SolveDiscountRate, FindsTheRateOfLongSeries) {
    struct Case {
        int count;
        double annualPercent, perYear;
        bool level;
    };
    const Case cases[] = {
        {60, 1, 12, true},   {120, 30, 12, false}, {180, 8, 12, false}, {240, 12, 4, true},
        {360, 6, 12, true},  {360, 18, 26, false}, {480, 1, 12, false}, {480, 30, 12, true},
        {480, 995, 1, true}, {300, 999, 1, false},
    };
    for (const Case& c : cases) {
        const long double rate = c.annualPercent / (c.perYear * 100.0L);
        std::vector<double> flows(static_cast<size_t>(c.count) + 1);
        long double presentValue = 0;
        for (int k = 1; k <= c.count; ++k) {
            flows[k] = c.level ? 1079.19 : 500 + 125.5 * (k % 7) + 3 * k;
            presentValue += flows[k] / std::pow(1 + rate, static_cast<long double>(k));
        }
        flows[0] = -static_cast<double>(presentValue);
        const double x = SolveDiscountRate([&](double r) { return DiscountFromZero(flows, r); },
                                           SizeOf(flows), -1);
        // The annual percentage, shown with three decimals, to within 1e-5.
        EXPECT_NEAR(x * c.perYear * 100, c.annualPercent, 1e-5)
            << c.count << " at " << c.annualPercent << " % " << c.perYear << " a year";
    }
}

TEST(SolveDiscountRate, FailureValues) {
    int calls = 0;
    const auto positive = [&](double x) {
        ++calls;
        return 1 / (1 + x);
    };
    EXPECT_EQ(SolveDiscountRate(positive, 1, 1000), 1000);
    EXPECT_EQ(calls, 101);

    // A root beyond 10 per period is not looked for, even just past the last scan rate.
    EXPECT_EQ(SolveDiscountRate([](double x) { return 10.5 - x; }, 10.5, -7), -7);
    const std::vector<double> pastTheCap = {-1, 11.00001};
    EXPECT_EQ(SolveDiscountRate([&](double x) { return DiscountFromZero(pastTheCap, x); }, 12, -7),
              -7);

    // A step or a pole changes sign without a root.
    EXPECT_EQ(SolveDiscountRate([](double x) { return x < 0.45 ? 1.0 : -1.0; }, 1, -3), -3);
    EXPECT_EQ(SolveDiscountRate([](double x) { return 1 / (0.37 - x); }, 1, -3), -3);
}

} // namespace
} // namespace kavrel
