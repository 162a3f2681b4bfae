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

void AdvanceDueDate(CDate& due, int periodsPerYear) {
    if (periodsPerYear > 12)
        due.AddDays(periodsPerYear == 52 ? 7 : 14);
    else
        due.AddMonths(12 / periodsPerYear);
}

} // namespace

bool AppendSchedule(const ScheduleTerms& terms, std::string& text) {
    const size_t start = text.size();
    AppendHeading(terms, text);

    const double i = terms.annualRatePercent / terms.periodsPerYear * 0.01;
    double balance = terms.principal;
    double totalPaid = 0.0;
    double totalPrincipal = 0.0;
    double totalInterest = 0.0;
    CDate due = terms.firstDue;

    for (int k = 1; k <= terms.payments; ++k) {
        // Amounts are rounded only when printed, so the last payment takes up every cent.
        const double interest = i * balance;
        double principal = terms.payment - interest;
        double paid = terms.payment;
        balance -= principal;
        if (k == terms.payments) {
            principal += balance;
            paid = principal + interest;
            balance = 0.0;
        }
        totalPaid += paid;
        totalPrincipal += principal;
        totalInterest += interest;

        text += "    ";
        text += FormatInt(k, 4);
        text += "    ";
        text += due.FormatShort();
        text += ' ';
        AppendAmount(text, paid, 10);
        text += ' ';
        AppendAmount(text, principal, 10);
        text += ' ';
        AppendAmount(text, interest, 10);
        text += "  ";
        AppendAmount(text, balance, 10);
        text += "\r\n";

        const int year = due.year;
        AdvanceDueDate(due, terms.periodsPerYear);
        if (terms.periodsPerYear != 1 && (k == terms.payments || due.year != year)) {
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
