// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/loan_amortization/schedule_csv.h"

#include "entry/number_text.h"

#include <cmath>

namespace kavrel {

namespace {

void AppendPadded(std::string& text, int value, size_t digits) {
    const std::string number = FormatInt(value);
    if (number.size() < digits) text.append(digits - number.size(), '0');
    text += number;
}

void AppendIsoDate(std::string& text, const CDate& date) {
    AppendPadded(text, date.year, 4);
    text += '-';
    AppendPadded(text, date.month, 2);
    text += '-';
    AppendPadded(text, date.day, 2);
}

void AppendAmount(std::string& text, double value) {
    text += ',';
    // An amount that rounds to zero is 0.00, never -0.00.
    text += FormatFixed(std::abs(value) < 0.005 ? 0.0 : value, 2);
}

} // namespace

std::string ScheduleCsv(const ScheduleTerms& terms) {
    std::string text(ScheduleCsvHeader);
    PaymentRows rows(terms);
    PaymentRow row;
    while (rows.Next(row)) {
        text += FormatInt(row.number);
        text += ',';
        AppendIsoDate(text, row.due);
        AppendAmount(text, row.payment);
        AppendAmount(text, row.principal);
        AppendAmount(text, row.interest);
        AppendAmount(text, row.balance);
        text += "\r\n";
    }
    return text;
}

} // namespace kavrel
