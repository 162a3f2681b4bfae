// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Discounting of a series of per-period amounts and the rate search on such a series.

#include <functional>
#include <span>

namespace kavrel {

// Sum of values[i] / (1 + rate)^i: the first amount is not discounted. 0.0 for an empty series.
double DiscountFromZero(std::span<const double> values, double rate);

// Sum of values[i] / (1 + rate)^(i + 1): every amount is discounted by at least one period.
double DiscountFromOne(std::span<const double> values, double rate);
double DiscountFromOne(int count, double rate, const double* values);

// The rate per period x at which g(x) = 0, g falling as x rises (a discounted sum minus its
// target); callers make sure g(0) > 0. Scans upward in steps of 0.1 for the first rate where g
// is not positive, then narrows that bracket, never leaving it. seriesSize is the sum of the
// absolute amounts of the series: a rate is a root only when the bracket has closed on it and
// |g| there is a negligible share of that size. Returns failureValue when g stays positive
// below x = 10 (1000 % per period) or no rate in the bracket passes that test.
double SolveDiscountRate(const std::function<double(double)>& g, double seriesSize,
                         double failureValue);

} // namespace kavrel
