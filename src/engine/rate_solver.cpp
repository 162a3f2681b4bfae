// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rate_solver.h"

#include "engine/math_errors.h"

#include <cmath>

namespace kavrel {

namespace {

double TimingFactor(int annuityDue, double x) {
    return annuityDue ? 1 + x : 1;
}

// The lowest annual rate tried (0.001 %) and the scan step (1 %), as fractions.
constexpr double LowestAnnualRate = 0.00001;
constexpr double AnnualStep = 0.01;
constexpr double HighestAnnualRate = 10.0;
// The bracket is closed once its width over a year, width x periodsPerYear, is below this: at
// any payment frequency the annual rate is then exact far beyond the three decimals shown. The
// first bracket, 1.001 % a year wide, closes after 34 halvings.
constexpr double AnnualBracketClosed = 1e-12;
constexpr int MaxHalvings = 40;

} // namespace

double FvAnnuityResidual(int annuityDue, double x, double payment, double paymentCount,
                         double futureValue) {
    return (CheckedPow(1 + x, paymentCount) - 1) * (payment / futureValue) *
               TimingFactor(annuityDue, x) -
           x;
}

double PvAnnuityResidual(int annuityDue, double x, double payment, double paymentCount,
                         double presentValue, double balloon) {
    // g and 1 - g from the logarithm: over a very long term g underflows to its limit 0
    // instead of becoming the math-error value, which made the residual meaningless there.
    const double logGrowth = paymentCount * std::log1p(x);
    const double g = std::exp(-logGrowth);
    const double oneLessG = -std::expm1(-logGrowth);
    return x - (oneLessG * TimingFactor(annuityDue, x) * payment + g * x * balloon) / presentValue;
}

double SolveRate(int annuityDue, int futureValueForm, double periodsPerYear, double paymentCount,
                 double value, double payment, double balloon) {
    auto residual = [&](double x) {
        return futureValueForm
                   ? FvAnnuityResidual(annuityDue, x, payment, paymentCount, value)
                   : PvAnnuityResidual(annuityDue, x, payment, paymentCount, value, balloon);
    };
    const double lo = LowestAnnualRate / periodsPerYear;
    const double step = AnnualStep / periodsPerYear;

    // At most 1000 evaluations. A NaN residual counts as negative, so the scan goes on past
    // it. The bound is tested before the residual: a rate first found at the 1000th step
    // (1000 % a year) is reported as not found.
    double x = lo;
    double r;
    int evaluations = 0;
    do {
        r = residual(x);
        ++evaluations;
        x += step;
        if (x * periodsPerYear > HighestAnnualRate) return NoSolution;
    } while (r < 0 || std::isnan(r));
    // The lowest rate already satisfies the equation: no positive rate is needed. Counted, not
    // read from the rate found: beyond 1000 periods a year the first steps stay below 0.00001
    // a period.
    if (evaluations == 1) return 0.0;

    const double hi = x - step;
    double low = hi - step - lo;
    if (!(low > 0)) low = lo;

    double width = hi - low;
    for (int count = 1; count <= MaxHalvings; ++count) {
        width /= 2;
        const double t = low + width;
        const double rt = residual(t);
        if (!(rt > 0)) low = t;
        if (std::fabs(width) * periodsPerYear < AnnualBracketClosed) return low;
        if (rt == 0 || std::isnan(rt)) return low;
    }
    return 0.0;
}

} // namespace kavrel
