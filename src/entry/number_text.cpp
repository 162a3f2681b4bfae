// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace kavrel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double LeadingDouble(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // from_chars would also take "inf", "nan" and a sign of its own; only digits or a point
    // followed by a digit may start a number here.
    if (pos >= text.size()) return 0.0;
    bool startsNumber =
        IsDigit(text[pos]) || (text[pos] == '.' && pos + 1 < text.size() && IsDigit(text[pos + 1]));
    if (!startsNumber) return 0.0;
    double value = 0.0;
    auto [end, ec] = std::from_chars(text.data() + pos, text.data() + text.size(), value,
                                     std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Like strtod: overflow gives infinity, underflow a zero.
        bool huge = false;
        for (const char* p = text.data() + pos; p < end; ++p) {
            if (*p == 'e' || *p == 'E') {
                huge = p + 1 < end && p[1] != '-';
                break;
            }
        }
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
        if (!huge && end == text.data() + pos) return 0.0;
    } else if (ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

long LeadingInteger(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    long value = 0;
    const long limit = std::numeric_limits<long>::max();
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        int digit = text[pos] - '0';
        if (value > (limit - digit) / 10) return negative ? -limit : limit;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

std::string FormatFixed(double value, int digits) {
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    // Enough for 1e308 in fixed notation with a few digits after the point.
    char buffer[400];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, digits);
    if (ec != std::errc()) return {};
    std::string text(buffer, end);
    // A value that rounds to zero has no sign to show: "-0.00" reads as a loss.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

std::string FormatFixedWidth(double value, int width, int digits) {
    std::string text = FormatFixed(value, digits);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string FormatInt(long value, int width) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

} // namespace kavrel
