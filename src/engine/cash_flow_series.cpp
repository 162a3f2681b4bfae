// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/cash_flow_series.h"

#include "engine/math_errors.h"

#include <cmath>

namespace kavrel {

namespace {

double Discount(std::span<const double> values, double rate, int firstPeriod) {
    double sum = 0.0;
    int period = firstPeriod;
    for (double value : values)
        sum += value / CheckedPow(1 + rate, period++);
    return sum;
}

std::span<const double> Series(int count, const double* values) {
    if (count <= 0 || values == nullptr) return {};
    return {values, static_cast<std::size_t>(count)};
}

constexpr double ScanStep = 0.1;
constexpr double ScanLimit = 10.0;
// Far below what three decimals of an annual percentage show at 9999 periods a year.
constexpr double ClosedBracket = 1e-12;
// The rounding of a sum of a few thousand terms stays well below this share of their size.
constexpr double NegligibleShare = 1e-9;
// Every two steps at least halve the bracket: 100 steps take 0.1 below the spacing of doubles.
constexpr int MaxRefineSteps = 100;

struct BracketEnd {
    double rate;
    double residual;
};

// Regula falsi with the Illinois weighting inside [low, high], g(low) > 0 >= g(high). A step
// that leaves more than half of the bracket is followed by a bisection, so the bracket closes
// within MaxRefineSteps. The answer is the end with the smaller residual, and only when the
// bracket has closed and that residual is below tolerance: a sign change across a jump of g
// is no root.
double Refine(const std::function<double(double)>& g, BracketEnd low, BracketEnd high,
              double tolerance, double failureValue) {
    const auto best = [&] {
        return std::fabs(high.residual) < std::fabs(low.residual) ? high : low;
    };
    const auto accepted = [&] {
        return high.rate - low.rate <= ClosedBracket && std::fabs(best().residual) <= tolerance;
    };
    double weightLow = low.residual;
    double weightHigh = high.residual;
    enum class Moved { None, Low, High } moved = Moved::None;
    bool bisect = false;
    for (int step = 0; step < MaxRefineSteps && !accepted(); ++step) {
        const double width = high.rate - low.rate;
        const double middle = low.rate + width / 2;
        if (!(middle > low.rate && middle < high.rate)) break; // no double left inside
        double t = (weightLow * high.rate - weightHigh * low.rate) / (weightLow - weightHigh);
        if (bisect || !(t > low.rate && t < high.rate)) t = middle;
        const double r = g(t);
        if (r == 0) return t;
        // A NaN residual counts as not positive, as in the scan.
        if (r > 0) {
            low = {t, r};
            weightLow = r;
            if (moved == Moved::Low) weightHigh /= 2;
            moved = Moved::Low;
        } else {
            high = {t, r};
            weightHigh = r;
            if (moved == Moved::High) weightLow /= 2;
            moved = Moved::High;
        }
        bisect = high.rate - low.rate > width / 2;
    }
    return accepted() ? best().rate : failureValue;
}

} // namespace

double DiscountFromZero(std::span<const double> values, double rate) {
    return Discount(values, rate, 0);
}

double DiscountFromOne(std::span<const double> values, double rate) {
    return Discount(values, rate, 1);
}

double DiscountFromOne(int count, double rate, const double* values) {
    return DiscountFromOne(Series(count, values), rate);
}

double SolveDiscountRate(const std::function<double(double)>& g, double seriesSize,
                         double failureValue) {
    // The scan accumulates x by repeated addition, so its rates are 0.1, 0.2, ... as doubles
    // carry them (0.30000000000000004 and so on); the 100th step lands just below 10, so g is
    // evaluated at most 101 times before the bound ends the scan.
    BracketEnd low{0.0, 0.0};
    double x = 0.0;
    double f;
    for (;;) {
        x += ScanStep;
        f = g(x);
        if (x >= ScanLimit) return failureValue;
        if (!(f > 0)) break;
        low = {x, f};
    }
    // Crossed at the first step: the bracket starts at 0, where the callers keep g positive.
    if (low.rate == 0.0) low.residual = g(0.0);
    if (!(low.residual > 0)) return failureValue;
    return Refine(g, low, {x, f}, NegligibleShare * seriesSize, failureValue);
}

} // namespace kavrel
