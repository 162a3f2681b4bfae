#include "annuity_sums.h"
#include "engine/math_errors.h"
#include "engine/rate_solver.h"
#include "engine/tvm.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavrel {
namespace {

using test::SummedFutureValue;
using test::SummedPresentValue;

TEST(SolveRate, LoanOfTenThousand) {
    const double x = SolveRate(0, 0, 12, 48, 10000, 263.34, 0);
    EXPECT_NEAR(x, 0.01, 1e-5);
    EXPECT_NEAR(AnnualRatePercent(x, 12, 12), 12, 1e-3);
}

struct RateCase {
    bool due, futureValueForm;
    double periodsPerYear;
    int count;
    double rate, payment, balloon;
};

TEST(SolveRate, FoundRateReproducesTheValue) {
    const RateCase cases[] = {
        {false, false, 12, 48, 0.01, 263.34, 0},
        {true, false, 12, 48, 0.01, 263.34, 0},
        {false, false, 1, 10, 0.075, 1000, 5000},
        {false, false, 4, 40, 0.02, 250, 20000},
        {false, true, 12, 120, 0.005, 100, 0},
        {true, true, 1, 30, 0.09, 2000, 0},
        {false, false, 1, 60, 9.5, 9600, 0},
        {false, true, 26, 52, 0.003, 50, 0},
        {true, false, 12, 360, 0.004, 500, 1000},
        {false, false, 365, 1460, 0.000126, 7.5, 0},
        {true, true, 52, 520, 0.0011, 40, 0},
        {false, false, 9999, 30000, 0.00001, 2, 0},
        {true, false, 9999, 360, 0.0000057, 286.64, 0},
        // Terms over which (1 + x)^-count underflows.
        {false, false, 2, 20000, 0.2, 1000, 0},
        {false, false, 1, 5000, 0.5, 100, 1000},
    };
    for (const auto& c : cases) {
        const double value = c.futureValueForm
                                 ? SummedFutureValue(c.due, c.rate, c.count, c.payment)
                                 : SummedPresentValue(c.due, c.rate, c.count, c.payment, c.balloon);
        const double x = SolveRate(c.due, c.futureValueForm, c.periodsPerYear, c.count, value,
                                   c.payment, c.balloon);
        SCOPED_TRACE(testing::Message()
                     << c.rate << " due " << c.due << " fv " << c.futureValueForm);
        // Within 1e-11 a year, so that the annual rate is right to its last shown digit
        // at every frequency.
        EXPECT_NEAR(x * c.periodsPerYear, c.rate * c.periodsPerYear, 1e-11);
        const double back = c.futureValueForm
                                ? SummedFutureValue(c.due, x, c.count, c.payment)
                                : SummedPresentValue(c.due, x, c.count, c.payment, c.balloon);
        EXPECT_NEAR(back, value, 1e-5 * value);
    }
}

TEST(SolveRate, Sentinels) {
    // 48 payments of 200 are less than 10000: no positive rate is needed.
    EXPECT_EQ(SolveRate(0, 0, 12, 48, 10000, 200, 0), 0.0);
    EXPECT_EQ(SolveRate(0, 1, 12, 48, 10000, 300, 0), 0.0);
    // 20000 a year on 1000 needs about 2000 % a year.
    EXPECT_EQ(SolveRate(0, 0, 1, 10, 1000, 20000, 0), NoSolution);
    EXPECT_EQ(SolveRate(0, 0, 12, 10, 1000, 2000, 0), NoSolution);
}

TEST(SolveRate, ScanEndsAtOneThousandPercent) {
    // Over 60 years the rate is payment / value to many digits. A root at 997.5 % is bracketed
    // by the 999th step; one at 998.5 % only by the 1000th, which the bound already ends.
    EXPECT_NEAR(SolveRate(0, 0, 1, 60, 1000, 9975, 0), 9.975, 2e-8);
    EXPECT_EQ(SolveRate(0, 0, 1, 60, 1000, 9985, 0), NoSolution);
}

} // namespace
} // namespace kavrel
