// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/math_errors.h"

#include <cfloat>
#include <cmath>

namespace kavrel {

namespace {

// A finite, non-zero result too small for a normal double is an underflow.
bool Underflowed(double result) {
    return result != 0.0 && std::fabs(result) < DBL_MIN;
}

} // namespace

double CheckedPow(double base, double exponent) {
    double result = std::pow(base, exponent);
    if (std::isnan(result)) return MathErrorValue;
    if (std::isinf(result))
        // 0 raised to a negative power is a singularity, not an overflow.
        return base == 0.0 ? MathErrorValue : MathOverflowValue;
    if (Underflowed(result) || (result == 0.0 && base != 0.0)) return MathErrorValue;
    return result;
}

double CheckedLog(double x) {
    if (std::isnan(x) || x <= 0.0) return MathErrorValue;
    return std::log(x);
}

} // namespace kavrel
