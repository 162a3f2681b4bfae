// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values a computation gives in place of an answer, which every result check rejects. A
// solver that finds no solution returns NoSolution. Math-library errors give MathOverflowValue
// for an overflow and MathErrorValue for any other error (domain, singularity, underflow); the
// computation goes on without a message.

namespace kavrel {

// The result check rejects this and anything beyond it, either way.
inline constexpr double NoSolution = 1000000000000.0;
inline constexpr double MathOverflowValue = 2000000000000.0;
inline constexpr double MathErrorValue = -2000000000000.0;

double CheckedPow(double base, double exponent);
double CheckedLog(double x);

} // namespace kavrel
