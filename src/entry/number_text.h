// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Locale-independent number texts. The desktop's locale may use a comma as its decimal
// separator; the program's fields and records always use a point.

#include <string>
#include <string_view>

namespace kavrel {

// The leading decimal number of a text, as the C library's atof reads it (leading blanks,
// optional sign, digits, point, exponent), but never hexadecimal, "inf" or "nan"; 0 when
// the text does not start with a number.
double LeadingDouble(std::string_view text);

// The leading integer of a text (optional sign, digits), as atol reads it; 0 when none.
// Saturates instead of overflowing.
long LeadingInteger(std::string_view text);

// "%.*f": fixed notation with the given digits after the point, correctly rounded; a value that
// rounds to zero is shown without a minus sign.
std::string FormatFixed(double value, int digits);

// "%*.*f": the same, right-aligned in a field of the given width.
std::string FormatFixedWidth(double value, int width, int digits);

// "%*d": an integer right-aligned in a field of the given width (0: no padding).
std::string FormatInt(long value, int width = 0);

} // namespace kavrel
