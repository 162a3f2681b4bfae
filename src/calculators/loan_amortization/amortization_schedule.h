#pragma once
// The text of a loan's payment-by-payment schedule with due dates and calendar-year totals.

#include "entry/date.h"

#include <string>
#include <string_view>

namespace kavrel {

// The loan as the last Calculate left it: amounts as shown, n a whole number.
struct ScheduleTerms {
    std::string_view preparedFor;
    CDate today;
    CDate firstDue;
    int periodsPerYear = 12;
    std::string_view frequencyName;
    int payments = 0;
    double annualRatePercent = 0.0;
    double principal = 0.0;
    double payment = 0.0;
    double balloon = 0.0;
};

// The schedule is built in one buffer of this size and handed to the document in one piece.
inline constexpr size_t ScheduleBufferSize = 65500;
// A schedule longer than this is refused; checked after every payment line with its totals.
inline constexpr size_t MaxScheduleLength = 65000;

// The width of the name line before its line break.
inline constexpr size_t ScheduleLineWidth = 68;

// Appends the schedule to text. false when it grew past MaxScheduleLength; text then holds
// what was built up to the line that passed the limit.
bool AppendSchedule(const ScheduleTerms& terms, std::string& text);

} // namespace kavrel
