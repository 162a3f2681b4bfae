// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/date.h"

#include "entry/number_text.h"

#include <climits>
#include <ctime>
#include <vector>

namespace kavrel {

namespace {

// Texts are parsed from a buffer of 60 characters.
constexpr size_t ParseTextLimit = 59;

std::optional<CDate>& TodayOverride() {
    static std::optional<CDate> today;
    return today;
}

// The public fields may hold anything; the arithmetic runs in 64 bits and is brought back
// into int here, so that no input overflows.
int ClampToInt(long long value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

bool IsLeap(long long year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int LastDayOfMonth(int month, long long year) {
    if (month == 2) return IsLeap(year) ? 29 : 28;
    return DaysInMonthBound[month];
}

bool IsDelimiter(char c) {
    return DateDelimiters.find(c) != std::string_view::npos;
}

std::vector<std::string_view> SplitDate(std::string_view text) {
    std::vector<std::string_view> tokens;
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && IsDelimiter(text[pos]))
            ++pos;
        size_t end = pos;
        while (end < text.size() && !IsDelimiter(text[end]))
            ++end;
        if (end > pos) tokens.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return tokens;
}

// A value below 10 with a leading zero or blank, as the schedule's columns need.
std::string TwoPlaces(int value, char fill) {
    std::string text = FormatInt(value);
    return value > 9 ? text : fill + text;
}

} // namespace

void CDate::Parse(std::string_view text) {
    month = day = year = valid = 0;
    if (text.empty()) return;
    const std::vector<std::string_view> tokens = SplitDate(text.substr(0, ParseTextLimit));
    if (tokens.size() > 0 && tokens[0].size() <= 2)
        month = static_cast<int>(LeadingInteger(tokens[0]));
    if (tokens.size() > 1 && tokens[1].size() <= 2)
        day = static_cast<int>(LeadingInteger(tokens[1]));
    if (tokens.size() > 2 && tokens[2].size() == 4)
        year = static_cast<int>(LeadingInteger(tokens[2]));
    Validate();
}

CDate CDate::Parsed(std::string_view text) {
    CDate date;
    date.Parse(text);
    return date;
}

std::string CDate::Format() const {
    return FormatInt(month) + "/" + FormatInt(day) + "/" + FormatInt(year);
}

std::string CDate::FormatShort() const {
    return TwoPlaces(month, ' ') + "/" + TwoPlaces(day, '0') + "/" + TwoPlaces(year % 100, '0');
}

void CDate::Validate() {
    valid = month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonthBound[month] &&
            year >= MinYear && year <= MaxYear && !(month == 2 && day > 28 && !IsLeap(year));
}

int CDate::IsValid() {
    Validate();
    return valid;
}

int CDate::IsLeapYear() const {
    return IsLeap(year);
}

void CDate::SetToday() {
    if (const std::optional<CDate>& today = TodayOverride()) {
        month = today->month;
        day = today->day;
        year = today->year;
    } else {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        month = local.tm_mon + 1;
        day = local.tm_mday;
        year = local.tm_year + 1900;
    }
    Validate();
}

void CDate::SetTodayOverride(std::optional<CDate> today) {
    TodayOverride() = today;
}

int CDate::DayNumber() const {
    long long m = month >= 3 ? month - 3LL : month + 9LL;
    long long y = month >= 3 ? year : year - 1LL;
    return ClampToInt(day + (153 * m + 2) / 5 + (y % 100) * 1461 / 4 + (y / 100) * 146097 / 4);
}

void CDate::FromDayNumber(int number) {
    const long long n = number;
    const long long c = (4 * n - 1) / 146097;
    const long long t = 4 * ((4 * n - 146097 * c - 1) / 4);
    const long long k = (t + 3) / 1461;
    const long long u = 5 * ((t - 1461 * k + 7) / 4);
    const long long j = (u - 3) / 153;
    day = static_cast<int>((u - 153 * j + 2) / 5);
    if (j >= 10) {
        month = static_cast<int>(j - 9);
        year = ClampToInt(100 * c + k + 1);
    } else {
        month = static_cast<int>(j + 3);
        year = ClampToInt(100 * c + k);
    }
    Validate();
}

void CDate::AddDays(int n) {
    FromDayNumber(ClampToInt(static_cast<long long>(DayNumber()) + n));
}

CDate CDate::PlusDays(int n) const {
    CDate moved = *this;
    moved.AddDays(n);
    return moved;
}

void CDate::AddMonths(int n) {
    long long y = static_cast<long long>(year) + n / 12;
    long long m = static_cast<long long>(month) + n % 12;
    if (m > 12) {
        y += 1;
        m %= 12;
    }
    if (m <= 0) {
        y -= 1;
        m += 12;
    }
    year = ClampToInt(y);
    month = ClampToInt(m);
    // A month still outside 1..12 (the fields held nonsense) has no last day to cut to.
    if (month >= 1 && month <= 12 && day > LastDayOfMonth(month, year))
        day = LastDayOfMonth(month, year);
    Validate();
}

int CDate::DayOfWeek() const {
    // Day numbers of invalid dates may be negative; the weekday stays an index 0..6.
    const int weekday = static_cast<int>((static_cast<long long>(DayNumber()) + 2) % 7);
    return weekday < 0 ? weekday + 7 : weekday;
}

int DaysBetween(const CDate& a, const CDate& b) {
    return ClampToInt(static_cast<long long>(b.DayNumber()) - a.DayNumber());
}

int Days360Between(const CDate& a, const CDate& b) {
    return ClampToInt((static_cast<long long>(b.year) - a.year) * 12 * 30 +
                      (static_cast<long long>(b.month) - a.month) * 30 +
                      (static_cast<long long>(b.day) - a.day));
}

int MonthsBetween(const CDate& a, const CDate& b) {
    return ClampToInt((static_cast<long long>(b.year) - a.year) * 12 +
                      (static_cast<long long>(b.month) - a.month));
}

} // namespace kavrel
