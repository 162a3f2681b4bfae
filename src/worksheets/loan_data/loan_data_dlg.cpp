#include "worksheets/loan_data/loan_data_dlg.h"

#include "calculators/loan_amortization/loan_fields.h"
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
    AddLabel(IDC_BANNER, "FILL IN ALL FIELDS BELOW:");
    AddLabel(IDC_LOAN_FREQUENCY_LABEL, "Payments are Made:");
    AddChoice(IDC_LOAN_FREQUENCY, {PaymentFrequencyNames.begin(), PaymentFrequencyNames.end()});
    AddLabel(IDC_LOAN_PAYMENT_COUNT_LABEL, "Number of Payments:");
    AddEdit(IDC_LOAN_PAYMENT_COUNT, EditRule::Integer);
    AddLabel(IDC_LOAN_RATE_LABEL, "Annual Rate (%):");
    AddEdit(IDC_LOAN_RATE, EditRule::Decimal);
    AddLabel(IDC_LOAN_PRINCIPAL_LABEL, "Loan Principal ($):");
    AddEdit(IDC_LOAN_PRINCIPAL, EditRule::Decimal);
    AddLabel(IDC_LOAN_BALLOON_LABEL, "Balloon Payment ($):");
    AddEdit(IDC_LOAN_BALLOON, EditRule::Decimal);
    AddButton(IDC_OK, "OK");
    AddButton(IDCANCEL, "Cancel");
    SetButtons({IDC_OK, IDCANCEL});

    AddSection({0, {{IDC_BANNER}}});
    AddSection({0,
                {{IDC_LOAN_FREQUENCY_LABEL, IDC_LOAN_FREQUENCY},
                 {IDC_LOAN_PAYMENT_COUNT_LABEL, IDC_LOAN_PAYMENT_COUNT},
                 {IDC_LOAN_RATE_LABEL, IDC_LOAN_RATE},
                 {IDC_LOAN_PRINCIPAL_LABEL, IDC_LOAN_PRINCIPAL},
                 {IDC_LOAN_BALLOON_LABEL, IDC_LOAN_BALLOON}}});

    BindChoice(IDC_LOAN_FREQUENCY, loan.frequency);
    BindAmount(IDC_LOAN_PAYMENT_COUNT, loan.paymentCount);
    BindAmount(IDC_LOAN_RATE, loan.annualRate);
    BindAmount(IDC_LOAN_PRINCIPAL, loan.principal);
    BindAmount(IDC_LOAN_BALLOON, loan.balloon);

    for (const FieldInfo& row : LoanFieldTable())
        if (row.controlId != IDC_LOAN_PAYMENT) m_inputRows.push_back(row);
}

FieldTable CLoanDataDlg::Table() const {
    return LoanFieldTable();
}

void CLoanDataDlg::OnInitDialog() {
    CFormModel::OnInitDialog();
    loan.periodsPerYear = FrequencyPeriodsPerYear(loan.frequency);
}

void CLoanDataDlg::OnClicked(int id) {
    if (id == IDC_OK)
        OnOk();
    else
        CFormModel::OnClicked(id);
}

void CLoanDataDlg::OnOk() {
    if (CheckInputs(m_inputRows, 0)) return;
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
    if (CheckUnknownResult(Table(), IDC_LOAN_PAYMENT, loan.payment)) {
        loan.payment = 0.0;
        return;
    }
    DoDataExchange(true);
    if (Host()) Host()->EndForm(FormResult::Ok);
}

} // namespace kavrel
