// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A loan's payments one by one, and the text of its schedule with due dates and
// calendar-year totals.

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

// One payment of the schedule, amounts unrounded.
struct PaymentRow {
    int number = 0;
    CDate due;
    double payment = 0.0;
    double principal = 0.0;
    double interest = 0.0;
    double balance = 0.0; // the principal still owed after this payment
};

// The payments of a loan in order. The schedule text, its CSV export and the loan's chart all
// read them from here.
class PaymentRows {
public:
    explicit PaymentRows(const ScheduleTerms& terms);
    // The next payment; false after the last.
    bool Next(PaymentRow& row);

private:
    int m_payments;
    int m_periodsPerYear;
    double m_rate;
    double m_payment;
    double m_balance;
    CDate m_due;
    int m_number = 0;
};

// The due date one period after due.
CDate NextDueDate(CDate due, int periodsPerYear);

// Appends the schedule to text. false when it grew past MaxScheduleLength; text then holds
// what was built up to the line that passed the limit.
bool AppendSchedule(const ScheduleTerms& terms, std::string& text);

} // namespace kavrel
