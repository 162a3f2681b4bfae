// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/loan_amortization/amortization_schedule.h"

#include "entry/number_text.h"
#include "resources/strings.h"

namespace kavrel {

namespace {

constexpr int ScheduleTitle = 88;
constexpr int TotalsRule = 87;

void AppendAmount(std::string& text, double value, int width, int digits = 2) {
    text += FormatFixedWidth(value, width, digits);
}

void AppendRightAligned(std::string& text, std::string_view value, size_t width) {
    if (value.size() < width) text.append(width - value.size(), ' ');
    text += value;
}

void AppendHeading(const ScheduleTerms& terms, std::string& text) {
    text += LoadString(ScheduleTitle);

    const size_t lineStart = text.size();
    text += " Prepared for: ";
    text += terms.preparedFor;
    const std::string date = terms.today.Format();
    const size_t used = text.size() - lineStart + date.size();
    // The 42-character name limit leaves at least one blank before the date.
    text.append(used < ScheduleLineWidth ? ScheduleLineWidth - used : 1, ' ');
    text += date;
    text += "\r\n\r\n";

    text += " Loan Principal: $";
    AppendAmount(text, terms.principal, 13);
    text += "     Annual Interest Rate (%): ";
    AppendAmount(text, terms.annualRatePercent, 6, 3);
    text += "\r\n";

    text += " Number of Payments:     ";
    text += FormatInt(terms.payments, 6);
    text += "     Payments are made:  ";
    AppendRightAligned(text, terms.frequencyName, 12);
    text += "\r\n";

    text += " Periodic Payment: $";
    AppendAmount(text, terms.payment, 11);
    text += "     Balloon Payment:  $";
    AppendAmount(text, terms.balloon, 13);
    text += "\r\n\r\n";

    text += "   Payment  Payment              Principal  Interest    Remaining\r\n";
    text += "   Number   Due Date   Payment    Portion   Portion     Principal\r\n";
    text += "   -------  --------  ---------  ---------  ---------  ----------\r\n\r\n";
}

} // namespace

CDate NextDueDate(CDate due, int periodsPerYear) {
    if (periodsPerYear > 12)
        due.AddDays(periodsPerYear == 52 ? 7 : 14);
    else
        due.AddMonths(12 / periodsPerYear);
    return due;
}

PaymentRows::PaymentRows(const ScheduleTerms& terms)
    : m_payments(terms.payments), m_periodsPerYear(terms.periodsPerYear),
      m_rate(terms.annualRatePercent / terms.periodsPerYear * 0.01), m_payment(terms.payment),
      m_balance(terms.principal), m_due(terms.firstDue) {}

bool PaymentRows::Next(PaymentRow& row) {
    if (m_number >= m_payments) return false;
    if (m_number > 0) m_due = NextDueDate(m_due, m_periodsPerYear);
    row.number = ++m_number;
    row.due = m_due;
    // Amounts are rounded only when printed, so the last payment takes up every cent.
    row.interest = m_rate * m_balance;
    row.principal = m_payment - row.interest;
    row.payment = m_payment;
    m_balance -= row.principal;
    if (m_number == m_payments) {
        row.principal += m_balance;
        row.payment = row.principal + row.interest;
        m_balance = 0.0;
    }
    row.balance = m_balance;
    return true;
}

bool AppendSchedule(const ScheduleTerms& terms, std::string& text) {
    const size_t start = text.size();
    AppendHeading(terms, text);

    double totalPaid = 0.0;
    double totalPrincipal = 0.0;
    double totalInterest = 0.0;
    PaymentRows rows(terms);
    PaymentRow row;
    while (rows.Next(row)) {
        totalPaid += row.payment;
        totalPrincipal += row.principal;
        totalInterest += row.interest;

        text += "    ";
        text += FormatInt(row.number, 4);
        text += "    ";
        text += row.due.FormatShort();
        text += ' ';
        AppendAmount(text, row.payment, 10);
        text += ' ';
        AppendAmount(text, row.principal, 10);
        text += ' ';
        AppendAmount(text, row.interest, 10);
        text += "  ";
        AppendAmount(text, row.balance, 10);
        text += "\r\n";

        const bool last = row.number == terms.payments;
        if (terms.periodsPerYear != 1 &&
            (last || NextDueDate(row.due, terms.periodsPerYear).year != row.due.year)) {
            text += LoadString(TotalsRule);
            text += "      Annual Totals: ";
            AppendAmount(text, totalPaid, 10);
            text += ' ';
            AppendAmount(text, totalPrincipal, 10);
            text += ' ';
            AppendAmount(text, totalInterest, 10);
            text += "\r\n\r\n";
            totalPaid = totalPrincipal = totalInterest = 0.0;
        }
        if (text.size() - start > MaxScheduleLength) return false;
    }
    return true;
}

} // namespace kavrel
