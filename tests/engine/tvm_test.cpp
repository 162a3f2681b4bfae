// SPDX-License-Identifier: GPL-3.0-or-later
// The annuity equations and solvers against values summed period by period.
#include "engine/math_errors.h"
#include "engine/rate_solver.h"
#include "engine/tvm.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavrel {
namespace {

// A due annuity pays at the start of each period, one period earlier than an
// ordinary one.
double SummedPresentValue(bool due, double i, int n, double payment, double balloon) {
    double sum = 0;
    for (int k = 1; k <= n; ++k)
        sum += payment / std::pow(1 + i, due ? k - 1 : k);
    return sum + balloon / std::pow(1 + i, n);
}
double SummedFutureValue(bool due, double i, int n, double payment) {
    double sum = 0;
    for (int k = 1; k <= n; ++k)
        sum += payment * std::pow(1 + i, due ? n - k + 1 : n - k);
    return sum;
}
double SimulatedBalance(bool due, double i, int k, double principal, double payment) {
    for (int p = 0; p < k; ++p)
        principal = due ? (principal - payment) * (1 + i) : principal * (1 + i) - payment;
    return principal;
}

TEST(PeriodRate, GrowsTheCompoundingRateOverAPaymentPeriodAndBack) {
    const double rows[][3] = {{12, 12, 12}, {12, 4, 12}, {8, 12, 4},    {5.5, 365, 26},
                              {20, 1, 52},  {6, 1, 1},   {0.001, 2, 1}, {12, 12, 1}};
    for (auto [rate, compounding, payments] : rows) {
        SCOPED_TRACE(testing::Message() << rate << " % " << compounding << " / " << payments);
        double growth = 1; // over a year: compounding periods, then split into payment periods
        for (int k = 0; k < compounding; ++k)
            growth *= 1 + rate / compounding / 100;
        const double i = PeriodRate(rate, compounding, payments);
        EXPECT_NEAR(std::pow(1 + i, payments), growth, 1e-12 * growth);
        EXPECT_NEAR(AnnualRatePercent(i, compounding, payments), rate, 1e-9 * rate);
    }
    // A base below zero with a fractional exponent, and an overflowing power,
    // reach the caller.
    EXPECT_EQ(PeriodRate(-200, 1, 12), MathErrorValue - 1);
    EXPECT_EQ(PeriodRate(1e6, 1, 0.001), MathOverflowValue - 1);
}

TEST(MathErrors, GiveTheirValuesInPlaceOfInfinitiesAndUndefinedResults) {
    const std::pair<double, double> rows[] = {
        {CheckedLog(0), MathErrorValue},        {CheckedLog(-1), MathErrorValue},
        {CheckedPow(0, -1), MathErrorValue},    {CheckedPow(10, 400), MathOverflowValue},
        {CheckedPow(10, -400), MathErrorValue}, {CheckedLog(1), 0}};
    for (size_t k = 0; k < std::size(rows); ++k)
        EXPECT_EQ(rows[k].first, rows[k].second) << "row " << k;
}

// Up to terms over which (1 + i)^n passes 1e21 or overflows, where the value is
// the endless annuity's payment / i.
TEST(Annuity, ClosedFormsAgreeWithPeriodByPeriodSums) {
    const struct {
        bool due;
        double perYear;
        int n;
        double rate, payment, balloon;
    } rows[] = {
        {false, 12, 48, 12, 263.34, 0},     {true, 12, 48, 12, 263.34, 0},
        {false, 1, 10, 7.5, 1000, 5000},    {true, 4, 40, 8, 250, -1000},
        {false, 52, 260, 3, 20, 0},         {false, 12, 360, 6.5, 632.07, 20000},
        {false, 12, 360, 200, 16666.67, 0}, {true, 12, 5000, 12, 100, 5000},
        {false, 12, 2000, 1200, 100, 50},
    };
    for (const auto& c : rows) {
        SCOPED_TRACE(testing::Message() << c.n << " at " << c.rate << " %, due " << c.due);
        const double i = c.rate / c.perYear / 100, tf = c.due ? 1 + i : 1;
        const double pv = SummedPresentValue(c.due, i, c.n, c.payment, c.balloon);
        EXPECT_NEAR(AnnuityPresentValue(tf, c.perYear, c.n, c.rate, c.payment, c.balloon), pv,
                    1e-9 * std::fabs(pv));
        EXPECT_NEAR(AnnuityPayment(tf, c.perYear, c.n, c.rate, pv, c.balloon), c.payment,
                    1e-9 * c.payment);
        if (std::pow(1 + i, c.n) > 1e6) continue; // balances of the long terms below

        for (int k : {0, 1, c.n / 2, c.n}) {
            const double balance = SimulatedBalance(c.due, i, k, pv, c.payment);
            EXPECT_NEAR(RemainingBalance(tf, c.perYear, k, c.rate, pv, c.payment), balance,
                        1e-7 * (pv + std::fabs(balance)))
                << k;
        }
    }
    // Past a growth of 1e21 (1.01^5000 is about 4e21) the balance is taken as
    // paid off.
    EXPECT_EQ(RemainingBalance(1, 12, 5000, 12, 10000, 100), 0.0);
}

// The rate that made a value is found again, to within 1e-11 a year so that the
// annual rate is right to its last shown digit at every frequency; 0 when no
// positive rate is needed, and none beyond 1000 % a period.
TEST(SolveRate, FindsTheRateThatMadeTheValue) {
    const struct {
        bool due, future;
        double perYear;
        int n;
        double rate, payment, balloon;
    } rows[] = {
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
        {false, false, 2, 20000, 0.2, 1000, 0}, // (1 + x)^-n underflows
        {false, false, 1, 5000, 0.5, 100, 1000},
    };
    for (const auto& c : rows) {
        SCOPED_TRACE(testing::Message() << c.rate << " due " << c.due << " fv " << c.future);
        const double value = c.future
                                 ? SummedFutureValue(c.due, c.rate, c.n, c.payment)
                                 : SummedPresentValue(c.due, c.rate, c.n, c.payment, c.balloon);
        const double x = SolveRate(c.due, c.future, c.perYear, c.n, value, c.payment, c.balloon);
        EXPECT_NEAR(x * c.perYear, c.rate * c.perYear, 1e-11);
    }
    const struct {
        int future, n;
        double value, payment, expected;
    } limits[] = {
        {0, 48, 10000, 200, 0.0}, // 48 payments of 200 are less than 10000
        {1, 48, 10000, 300, 0.0},
        {0, 10, 1000, 20000, NoSolution}, // about 2000 %
        // Over 60 years the rate is payment / value: a root at 997.5 % is
        // bracketed by the 999th step of the scan, one at 998.5 % only by the
        // 1000th, which the bound already ends.
        {0, 60, 1000, 9975, 9.975},
        {0, 60, 1000, 9985, NoSolution},
    };
    for (const auto& c : limits)
        EXPECT_NEAR(SolveRate(0, c.future, 1, c.n, c.value, c.payment, 0), c.expected, 2e-8)
            << c.payment;
}

// The count of payments until the balance reaches the balloon, rounded to the
// nearest whole one when asked, the balloon then replaced by what that count
// leaves; none when the payment does not cover the interest.
TEST(SolvePaymentCount, CountsThePaymentsUntilTheBalanceReachesTheBalloon) {
    const struct {
        bool due;
        double perYear, rate, pv, payment, balloon;
    } rows[] = {
        {false, 12, 12, 10000, 250, 0}, {true, 12, 12, 10000, 250, 0},
        {false, 1, 8, 50000, 7000, 0},  {false, 12, 6, 100000, 900, 30000},
        {true, 52, 5, 2000, 45, 0},     {false, 4, 10, 10000, 400, -2000},
    };
    for (const auto& c : rows) {
        const double i = c.rate / c.perYear / 100;
        double balloon = c.balloon;
        const double n =
            SolvePaymentCount(0, c.perYear, c.due ? 1 + i : 1, c.rate, c.pv, c.payment, balloon);
        EXPECT_EQ(balloon, c.balloon);
        int k = 0;
        while (SimulatedBalance(c.due, i, k, c.pv, c.payment) > c.balloon)
            ++k;
        EXPECT_GT(n, k - 1) << c.pv << " " << c.payment;
        EXPECT_LE(n, k) << c.pv << " " << c.payment;
    }
    for (auto [exact, whole] : {std::pair{47.6, 48}, {47.4, 47}, {12.51, 13}, {12.49, 12}}) {
        const double payment = 0.01 * 10000 / (1 - std::pow(1.01, -exact));
        double balloon = 0;
        EXPECT_EQ(SolvePaymentCount(1, 12, 1, 12, 10000, payment, balloon), whole) << exact;
        EXPECT_NEAR(balloon, SimulatedBalance(false, 0.01, whole, 10000, payment), 1e-7) << exact;
    }
    for (int round : {0, 1}) {
        double balloon = 123; // the interest of a period is 100
        EXPECT_EQ(SolvePaymentCount(round, 12, 1, 12, 10000, 90, balloon), 0.0);
        EXPECT_EQ(balloon, 123);
    }
}

} // namespace
} // namespace kavrel
