#include "annuity_sums.h"
#include "engine/math_errors.h"
#include "engine/tvm.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavrel {
namespace {

using test::SimulatedBalance;
using test::SummedPresentValue;

TEST(RateConversion, KnownValues) {
    EXPECT_NEAR(PeriodRate(12, 12, 12), 0.01, 1e-15);
    EXPECT_NEAR(PeriodRate(12, 4, 12), 0.0099016, 1e-7);
    EXPECT_DOUBLE_EQ(PeriodRate(12, 4, 12), std::cbrt(1.03) - 1);
    EXPECT_NEAR(PeriodRate(6, 1, 1), 0.06, 1e-15);
    EXPECT_NEAR(AnnualRatePercent(0.01, 12, 12), 12, 1e-12);
    // Effective annual rate of 12 % compounded monthly.
    EXPECT_NEAR(AnnualRatePercent(0.01, 1, 12), 12.682503013197, 1e-9);
}

TEST(RateConversion, RoundTrip) {
    const double cases[][3] = {{8, 12, 12}, {8, 4, 12}, {5.5, 365, 26}, {20, 1, 52}, {0.001, 2, 1}};
    for (auto [rate, compounding, payments] : cases)
        EXPECT_NEAR(
            AnnualRatePercent(PeriodRate(rate, compounding, payments), compounding, payments), rate,
            1e-9 * rate)
            << rate << " " << compounding << " " << payments;
}

struct AnnuityCase {
    bool due;
    double periodsPerYear, count, ratePercent, payment, balloon;
};

const AnnuityCase Annuities[] = {
    {false, 12, 48, 12, 263.34, 0},  {true, 12, 48, 12, 263.34, 0},
    {false, 1, 10, 7.5, 1000, 5000}, {true, 4, 40, 8, 250, -1000},
    {false, 52, 260, 3, 20, 0},      {false, 12, 360, 6.5, 632.07, 20000},
};

TEST(AnnuityClosedForms, AgreeWithPeriodByPeriodSums) {
    for (const auto& c : Annuities) {
        const double i = c.ratePercent / c.periodsPerYear / 100;
        const double tf = c.due ? 1 + i : 1;
        const int n = static_cast<int>(c.count);
        const double pv = SummedPresentValue(c.due, i, n, c.payment, c.balloon);
        SCOPED_TRACE(testing::Message() << c.due << " " << c.count << " " << c.ratePercent);
        EXPECT_NEAR(
            AnnuityPresentValue(tf, c.periodsPerYear, c.count, c.ratePercent, c.payment, c.balloon),
            pv, 1e-9 * std::fabs(pv));
        EXPECT_NEAR(AnnuityPayment(tf, c.periodsPerYear, c.count, c.ratePercent, pv, c.balloon),
                    c.payment, 1e-9 * c.payment);
        for (int k : {0, 1, n / 2, n}) {
            const double balance = SimulatedBalance(c.due, i, k, pv, c.payment);
            EXPECT_NEAR(RemainingBalance(tf, c.periodsPerYear, k, c.ratePercent, pv, c.payment),
                        balance, 1e-7 * (pv + std::fabs(balance)))
                << k;
        }
    }
}

TEST(AnnuityClosedForms, LoanOfTenThousand) {
    const double payment = AnnuityPayment(1, 12, 48, 12, 10000, 0);
    EXPECT_NEAR(payment, 263.34, 0.005);
    EXPECT_NEAR(AnnuityPresentValue(1, 12, 48, 12, payment, 0), 10000, 1e-8);
    EXPECT_NEAR(RemainingBalance(1, 12, 48, 12, 10000, payment), 0, 1e-8);
}

// Terms over which (1 + i)^n passes 1e21 or overflows: the value of the payments summed one by
// one, and the payment that value gives back. Over 2000 periods at 100 % it is the endless
// annuity's payment / i.
TEST(AnnuityClosedForms, StayFiniteOverLongTerms) {
    const AnnuityCase cases[] = {
        {false, 12, 360, 200, 16666.67, 0},
        {true, 12, 5000, 12, 100, 5000},
        {false, 12, 2000, 1200, 100, 50},
    };
    for (const auto& c : cases) {
        const double i = c.ratePercent / c.periodsPerYear / 100;
        const double tf = c.due ? 1 + i : 1;
        const int n = static_cast<int>(c.count);
        const double pv = SummedPresentValue(c.due, i, n, c.payment, c.balloon);
        EXPECT_NEAR(
            AnnuityPresentValue(tf, c.periodsPerYear, c.count, c.ratePercent, c.payment, c.balloon),
            pv, 1e-9 * pv)
            << c.count;
        EXPECT_NEAR(AnnuityPayment(tf, c.periodsPerYear, c.count, c.ratePercent, pv, c.balloon),
                    c.payment, 1e-9 * c.payment)
            << c.count;
    }
    // 1.01^5000 is about 4e21.
    EXPECT_EQ(RemainingBalance(1, 12, 5000, 12, 10000, 100), 0.0);
}

TEST(AnnuityClosedForms, MathErrorsReachTheCaller) {
    // A base below zero with a fractional exponent is a domain error.
    EXPECT_EQ(PeriodRate(-200, 1, 12), MathErrorValue - 1);
    EXPECT_EQ(PeriodRate(1e6, 1, 0.001), MathOverflowValue - 1);
    EXPECT_EQ(AnnualRatePercent(-3, 1, 0.5), 1 * (MathErrorValue - 1) * 100);
}

struct CountCase {
    bool due;
    double periodsPerYear, ratePercent, presentValue, payment, balloon;
};

TEST(SolvePaymentCount, FractionalCountMatchesBalanceLoop) {
    const CountCase cases[] = {
        {false, 12, 12, 10000, 250, 0}, {true, 12, 12, 10000, 250, 0},
        {false, 1, 8, 50000, 7000, 0},  {false, 12, 6, 100000, 900, 30000},
        {true, 52, 5, 2000, 45, 0},     {false, 4, 10, 10000, 400, -2000},
    };
    for (const auto& c : cases) {
        const double i = c.ratePercent / c.periodsPerYear / 100;
        double balloon = c.balloon;
        const double n = SolvePaymentCount(0, c.periodsPerYear, c.due ? 1 + i : 1, c.ratePercent,
                                           c.presentValue, c.payment, balloon);
        EXPECT_EQ(balloon, c.balloon);
        int k = 0;
        while (SimulatedBalance(c.due, i, k, c.presentValue, c.payment) > c.balloon)
            ++k;
        EXPECT_GT(n, k - 1) << c.presentValue << " " << c.payment;
        EXPECT_LE(n, k) << c.presentValue << " " << c.payment;
    }
}

TEST(SolvePaymentCount, RoundingReplacesTheBalloon) {
    // Payments chosen so that the exact count is 47.6 and 47.4.
    const struct {
        double exactCount, expected;
    } cases[] = {{47.6, 48}, {47.4, 47}, {12.51, 13}, {12.49, 12}};
    for (auto [exact, expected] : cases) {
        const double i = 0.01;
        const double payment = i * 10000 / (1 - std::pow(1 + i, -exact));
        double balloon = 0;
        EXPECT_EQ(SolvePaymentCount(1, 12, 1, 12, 10000, payment, balloon), expected) << exact;
        const double balance =
            SimulatedBalance(false, i, static_cast<int>(expected), 10000, payment);
        EXPECT_NEAR(balloon, balance, 1e-7) << exact;
        EXPECT_EQ(balloon<0, expected> exact) << exact;
    }
}

TEST(SolvePaymentCount, NoCountWhenInterestIsNotCovered) {
    for (int round : {0, 1}) {
        double balloon = 123;
        // Interest per period is 100; a payment of 90 never reduces the loan.
        EXPECT_EQ(SolvePaymentCount(round, 12, 1, 12, 10000, 90, balloon), 0.0);
        EXPECT_EQ(balloon, 123);
    }
}

} // namespace
} // namespace kavrel
