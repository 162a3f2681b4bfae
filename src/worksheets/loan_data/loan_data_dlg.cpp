// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/loan_data/loan_data_dlg.h"

#include "calculators/loan_amortization/loan_controls.h"
#include "engine/tvm.h"
#include "resources/strings.h"

namespace kavrel {

namespace {

constexpr int IDC_BANNER = 1090;
constexpr int IDS_NEW_LOAN_LESS = 11;

// A future principal up to this much below the amount owed still replaces it.
constexpr double PrincipalTolerance = 0.01;

} // namespace

CLoanDataDlg::CLoanDataDlg(int captionId) : CFormModel(IDD, std::string(LoadString(captionId))) {
    DeclareRows({
        Row::Note(IDC_BANNER, "FILL IN ALL FIELDS BELOW:"),
        Row::Section(),
        Row::Choice(IDC_LOAN_FREQUENCY, {IDC_LOAN_FREQUENCY_LABEL, "Payments are Made:"},
                    {PaymentFrequencyNames.begin(), PaymentFrequencyNames.end()}, loan.frequency),
        Row::Input(IDC_LOAN_PAYMENT_COUNT, {IDC_LOAN_PAYMENT_COUNT_LABEL, "Number of Payments:"},
                   LimitClass::Count, loan.paymentCount),
        Row::Input(IDC_LOAN_RATE, {IDC_LOAN_RATE_LABEL, "Annual Rate (%):"}, LimitClass::Rate,
                   loan.annualRate),
        Row::Input(IDC_LOAN_PRINCIPAL, {IDC_LOAN_PRINCIPAL_LABEL, "Loan Principal ($):"},
                   LimitClass::Amount, loan.principal),
        Row::Input(IDC_LOAN_BALLOON, {IDC_LOAN_BALLOON_LABEL, "Balloon Payment ($):"},
                   LimitClass::SignedAmount, loan.balloon),
    });
    AddButton(IDC_OK, "OK");
    AddButton(IDCANCEL, "Cancel");
    SetButtons({IDC_OK, IDCANCEL});
}

void CLoanDataDlg::SetDefaults() {
    loan.periodsPerYear = FrequencyPeriodsPerYear(loan.frequency);
}

void CLoanDataDlg::OnClicked(int id) {
    if (id == IDC_OK)
        OnOk();
    else
        CFormModel::OnClicked(id);
}

void CLoanDataDlg::OnOk() {
    if (CheckInputs(Table(), 0)) return;
    if (futureLoan && loan.principal + PrincipalTolerance < minimumPrincipal) {
        Message(IDS_NEW_LOAN_LESS);
        loan.principal = minimumPrincipal;
        DoDataExchange(false);
        MoveFocus(IDC_LOAN_PRINCIPAL);
        return;
    }
    loan.periodsPerYear = FrequencyPeriodsPerYear(loan.frequency);
    loan.payment = AnnuityPayment(1.0, loan.periodsPerYear, loan.paymentCount, loan.annualRate,
                                  loan.principal, loan.balloon);
    // The payment is no field of this form; it has the limits of Loan Amortization's.
    const FieldInfo payment[] = {
        {IDC_LOAN_PAYMENT, 0, IDC_LOAN_PAYMENT_LABEL, static_cast<int>(LimitClass::Amount)}};
    if (CheckUnknownResult(payment, IDC_LOAN_PAYMENT, loan.payment)) {
        loan.payment = 0.0;
        return;
    }
    DoDataExchange(true);
    if (Host()) Host()->EndForm(FormResult::Ok);
}

} // namespace kavrel
