#pragma once
// Discounting of a series of per-period amounts and the rate search on such a series.

#include <functional>
#include <span>

namespace kavrel {

// Sum of values[i] / (1 + rate)^i: the first amount is not discounted. 0.0 for an empty series.
double DiscountFromZero(std::span<const double> values, double rate);
double DiscountFromZero(int count, double rate, const double* values);

// Sum of values[i] / (1 + rate)^(i + 1): every amount is discounted by at least one period.
double DiscountFromOne(std::span<const double> values, double rate);
double DiscountFromOne(int count, double rate, const double* values);

// Most secant steps SolveDiscountRate takes before it gives up.
inline constexpr int MaxSecantSteps = 100;

// The rate per period x at which g(x) = 0, g falling as x rises (a discounted sum minus its
// target); callers make sure g(0) > 0. Scans upward in steps of 0.1 and refines the bracket
// with the secant method. Returns failureValue when g stays positive below x = 10 (1000 % per
// period) or the secant steps do not settle within MaxSecantSteps.
double SolveDiscountRate(const std::function<double(double)>& g, double failureValue);

} // namespace kavrel
