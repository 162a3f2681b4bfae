// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of a loan's terms: Loan Amortization's, also used by the mortgage worksheets'
// loan-data sub-form.

namespace kavrel {

enum LoanControl : int {
    IDC_LOAN_FREQUENCY = 30,
    IDC_LOAN_PAYMENT_COUNT = 31,
    IDC_LOAN_RATE = 32,
    IDC_LOAN_PRINCIPAL = 33,
    IDC_LOAN_PAYMENT = 34,
    IDC_LOAN_BALLOON = 35,
    IDC_LOAN_UNKNOWN_PAYMENT_COUNT = 41,
    IDC_LOAN_UNKNOWN_RATE = 42,
    IDC_LOAN_UNKNOWN_PRINCIPAL = 43,
    IDC_LOAN_UNKNOWN_PAYMENT = 44,
    IDC_LOAN_UNKNOWN_BALLOON = 45,
    IDC_LOAN_FIRST_DUE_DATE = 131,
    IDC_LOAN_FREQUENCY_LABEL = 230,
    IDC_LOAN_PAYMENT_COUNT_LABEL = 231,
    IDC_LOAN_RATE_LABEL = 232,
    IDC_LOAN_PRINCIPAL_LABEL = 233,
    IDC_LOAN_PAYMENT_LABEL = 234,
    IDC_LOAN_BALLOON_LABEL = 235,
    IDC_LOAN_FIRST_DUE_DATE_LABEL = 331,
};

} // namespace kavrel
