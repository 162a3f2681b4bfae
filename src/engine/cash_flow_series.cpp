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
constexpr double Settled = 0.00000001;

} // namespace

double DiscountFromZero(std::span<const double> values, double rate) {
    return Discount(values, rate, 0);
}

double DiscountFromZero(int count, double rate, const double* values) {
    return DiscountFromZero(Series(count, values), rate);
}

double DiscountFromOne(std::span<const double> values, double rate) {
    return Discount(values, rate, 1);
}

double DiscountFromOne(int count, double rate, const double* values) {
    return DiscountFromOne(Series(count, values), rate);
}

double SolveDiscountRate(const std::function<double(double)>& g, double failureValue) {
    // The scan accumulates x by repeated addition, so its rates are 0.1, 0.2, ... as doubles
    // carry them (0.30000000000000004 and so on); the 100th step lands just below 10, so g is
    // evaluated at most 101 times before the bound ends the scan.
    double x = 0.0;
    double f;
    do {
        x += ScanStep;
        f = g(x);
        if (x >= ScanLimit) return failureValue;
    } while (f > 0);

    double h = x - ScanStep;
    double m = g(h);
    for (int step = 0; std::fabs(x - h) > Settled; ++step) {
        if (step == MaxSecantSteps) return failureValue;
        const double t = x - (x - h) * f / (f - m);
        // Equal residuals at both ends leave no secant; without this the NaN or infinity would
        // end the loop and come back as the rate.
        if (!std::isfinite(t)) return failureValue;
        h = x;
        m = f;
        x = t;
        f = g(t);
    }
    return x;
}

} // namespace kavrel
