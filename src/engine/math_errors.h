#pragma once
// Math-library errors turned into values that every result check rejects: an overflow gives
// MathOverflowValue, any other error (domain, singularity, underflow) MathErrorValue. The
// computation goes on without a message.

namespace kavrel {

inline constexpr double MathOverflowValue = 2000000000000.0;
inline constexpr double MathErrorValue = -2000000000000.0;

double CheckedPow(double base, double exponent);
double CheckedLog(double x);
double CheckedExp(double x);

} // namespace kavrel
