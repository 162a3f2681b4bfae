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
    EXPECT_NEAR(DiscountFromZero(3, 0.1, flows), fromZero, 1e-10);
    EXPECT_NEAR(DiscountFromOne(3, 0.1, flows), -1000 / 1.1 + 500 / 1.21 + 700 / 1.331, 1e-10);
    EXPECT_EQ(DiscountFromZero(flows, 0.1), DiscountFromZero(3, 0.1, flows));
    EXPECT_NEAR(DiscountFromOne(flows, 0.1), fromZero / 1.1, 1e-12);
}

TEST(Discounting, RateZeroIsThePlainSumAndNoFlowsGiveZero) {
    const double flows[] = {12.5, -3, 7.25, 1000};
    EXPECT_EQ(DiscountFromZero(4, 0, flows), 1016.75);
    EXPECT_EQ(DiscountFromOne(4, 0, flows), 1016.75);
    for (int count : {0, -1}) {
        EXPECT_EQ(DiscountFromZero(count, 0.1, flows), 0.0);
        EXPECT_EQ(DiscountFromOne(count, 0.1, flows), 0.0);
    }
    EXPECT_EQ(DiscountFromZero(3, 0.1, nullptr), 0.0);
}

TEST(Discounting, OverflowedPowerDividesAsTheOverflowValue) {
    const double flows[] = {1, 1e12, 1e12};
    // 1e200 squared overflows; the last flow is divided by the overflow value instead.
    EXPECT_DOUBLE_EQ(DiscountFromZero(3, 1e200, flows),
                     1 + 1e12 / 1e200 + 1e12 / MathOverflowValue);
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
    };
    for (const auto& c : cases) {
        const auto npv = [&](double x) { return DiscountFromZero(c.flows, x); };
        const double x = SolveDiscountRate(npv, -1);
        EXPECT_NEAR(x, c.rate, 1e-9) << c.name;
        EXPECT_NEAR(npv(x), 0, 1e-6) << c.name;
    }
}

TEST(SolveDiscountRate, HalfPresentValue) {
    EXPECT_NEAR(SolveDiscountRate([](double x) { return 1 / (1 + x) - 0.5; }, -1), 1.0, 1e-9);
}

TEST(SolveDiscountRate, FailureValues) {
    int calls = 0;
    const auto positive = [&](double x) {
        ++calls;
        return 1 / (1 + x);
    };
    EXPECT_EQ(SolveDiscountRate(positive, 1000), 1000);
    EXPECT_EQ(calls, 101);

    // A root beyond 10 per period is not looked for.
    EXPECT_EQ(SolveDiscountRate([](double x) { return 10.5 - x; }, -7), -7);

    // The secant steps around a cube root cycle for ever without settling.
    calls = 0;
    const auto cubeRoot = [&](double x) {
        ++calls;
        return -std::cbrt(x - 0.13);
    };
    EXPECT_EQ(SolveDiscountRate(cubeRoot, -1), -1);
    EXPECT_EQ(calls, 2 + 1 + MaxSecantSteps);

    // A step function: equal residuals leave no secant line.
    EXPECT_EQ(SolveDiscountRate([](double x) { return x < 0.45 ? 1.0 : -1.0; }, -3), -3);
}

} // namespace
} // namespace kavrel
