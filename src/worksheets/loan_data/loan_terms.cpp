// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/loan_data/loan_terms.h"

#include "document/record.h"
#include "entry/number_text.h"
#include "resources/strings.h"

namespace kavrel {

namespace {

bool Known(int frequency) {
    return frequency >= 0 && frequency < PaymentFrequencyCount;
}

} // namespace

std::string_view FrequencyName(int frequency) {
    return PaymentFrequencyNames[Known(frequency) ? frequency : MonthlyFrequency];
}

int FrequencyPeriodsPerYear(int frequency) {
    return PeriodsPerYear[Known(frequency) ? frequency : MonthlyFrequency];
}

void RecordLoanSection(int captionId, const LoanTerms& loan, ITextSink& out) {
    out.Insert(std::string(LoadString(captionId)) + ":\r\n");
    RecordLine(IDS_PAYMENTS_ARE_MADE, 0.0, FrequencyName(loan.frequency), LimitClass::Count, out);
    RecordLine(IDS_NUMBER_OF_PAYMENTS, loan.paymentCount, "", LimitClass::Count, out);
    RecordLine(IDS_ANNUAL_RATE, loan.annualRate, "", LimitClass::Rate, out);
    RecordLine(IDS_LOAN_PRINCIPAL, loan.principal, "", LimitClass::Amount, out);
    RecordLine(IDS_BALLOON_PAYMENT, loan.balloon, "", LimitClass::SignedAmount, out);
}

void RecordPayoffLine(double periods, int frequency, ITextSink& out) {
    out.Insert(std::string(LoadString(IDS_PAID_OFF_IN)) + " " + FormatFixed(periods, 0) + " " +
               PeriodsText(frequency) + "\r\n");
}

std::string PeriodsText(int frequency) {
    return "periods (" + std::string(FrequencyName(frequency)) + ")";
}

} // namespace kavrel
