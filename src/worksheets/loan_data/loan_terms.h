// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The terms of one mortgage as the mortgage worksheets hold them, and their record lines.

#include "calculators/loan_amortization/payment_frequency.h"

#include <string>
#include <string_view>

namespace kavrel {

class ITextSink;

struct LoanTerms {
    int frequency = MonthlyFrequency; // index into PaymentFrequencyNames
    double periodsPerYear = 0.0;
    double paymentCount = 0.0;
    double annualRate = 0.0; // percent
    double principal = 0.0;
    double balloon = 0.0;
    double payment = 0.0; // computed by the loan-data form; 0 until then
};

// The frequency's name, "Monthly" for an index outside the list.
std::string_view FrequencyName(int frequency);
// The payments per year of a frequency, 12 for an index outside the list.
int FrequencyPeriodsPerYear(int frequency);

// The loan's heading (a caption string and a colon), then its five indented lines: frequency,
// number of payments, rate, principal, balloon.
void RecordLoanSection(int captionId, const LoanTerms& loan, ITextSink& out);

// "Mortgage will be paid off in 157 periods (Monthly)", unpadded, with its line break.
void RecordPayoffLine(double periods, int frequency, ITextSink& out);

// The text beside a payoff count once the loan is known: "periods (Monthly)".
std::string PeriodsText(int frequency);

} // namespace kavrel
