// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tvm.h"

#include "engine/math_errors.h"

#include <cmath>

namespace kavrel {

namespace {

double RatePerPeriod(double periodsPerYear, double annualRatePercent) {
    return annualRatePercent / (periodsPerYear * 100);
}

// (h - 1) / i / h: the present value of one unit paid at the end of each of n periods.
double AnnuityFactor(double h, double i) {
    return (h - 1) / i / h;
}

// What one unit due after n periods is worth now, (1 + i)^-n, and what one unit at the end of
// each of them is worth, (1 - (1 + i)^-n) / i. Written with the discount rather than the growth
// (1 + i)^n, they stay finite over any term: for an endless one they tend to 0 and 1 / i, and
// an underflow of the discount is that limit, not a math error.
struct Discounting {
    double single;
    double level;
};

Discounting Discount(double i, double n) {
    const double logGrowth = n * std::log1p(i);
    return {std::exp(-logGrowth), -std::expm1(-logGrowth) / i};
}

} // namespace

double PeriodRate(double annualRatePercent, double compoundingPerYear, double paymentsPerYear) {
    return CheckedPow(1 + annualRatePercent * 0.01 / compoundingPerYear,
                      compoundingPerYear / paymentsPerYear) -
           1;
}

double AnnualRatePercent(double periodRate, double compoundingPerYear, double paymentsPerYear) {
    return compoundingPerYear *
           (CheckedPow(1 + periodRate, paymentsPerYear / compoundingPerYear) - 1) * 100;
}

double AnnuityPresentValue(double timingFactor, double periodsPerYear, double paymentCount,
                           double annualRatePercent, double payment, double balloon) {
    const double i = RatePerPeriod(periodsPerYear, annualRatePercent);
    const Discounting d = Discount(i, paymentCount);
    return d.level * timingFactor * payment + balloon * d.single;
}

double AnnuityPayment(double timingFactor, double periodsPerYear, double paymentCount,
                      double annualRatePercent, double presentValue, double balloon) {
    const double i = RatePerPeriod(periodsPerYear, annualRatePercent);
    const Discounting d = Discount(i, paymentCount);
    return (presentValue - balloon * d.single) / (d.level * timingFactor);
}

// An overflowing power arrives as MathOverflowValue, which is below MaxGrowthOverTerm, and the
// formula goes on with it. Callers rely on that value, so the guard is kept as it is.
double RemainingBalance(double timingFactor, double periodsPerYear, double paymentsMade,
                        double annualRatePercent, double principal, double payment) {
    const double i = RatePerPeriod(periodsPerYear, annualRatePercent);
    const double h = CheckedPow(1 + i, paymentsMade);
    if (h > MaxGrowthOverTerm) return 0.0;
    return h * (principal - AnnuityFactor(h, i) * timingFactor * payment);
}

double SolvePaymentCount(int roundToWhole, double periodsPerYear, double timingFactor,
                         double annualRatePercent, double presentValue, double payment,
                         double& balloon) {
    const double i = annualRatePercent / periodsPerYear * 0.01;
    const double f = timingFactor * payment;
    // (1 + i)^n; not positive when the payment cannot outgrow the interest.
    const double ratio = (f - i * balloon) / (f - i * presentValue);
    if (!(ratio > 0)) return 0.0;
    double n = CheckedLog(ratio) / CheckedLog(1 + i);
    if (!roundToWhole) return n;
    n = std::floor(n + 0.5);
    balloon = RemainingBalance(timingFactor, periodsPerYear, n, i * periodsPerYear * 100,
                               presentValue, payment);
    return n;
}

} // namespace kavrel
