#include "worksheets/purchased_mortgage/purchased_mortgage_dlg.h"

#include "document/record.h"
#include "engine/math_errors.h"
#include "engine/rate_solver.h"
#include "engine/tvm.h"
#include "resources/strings.h"
#include "worksheets/common/worksheet_record.h"
#include "worksheets/loan_data/loan_data_dlg.h"

namespace kavrel {

namespace {

using M = CPurchasedMortgageDlg;

constexpr FieldInfo Fields[] = {
    {M::IDC_PAYMENTS_MADE, 1, M::IDC_PAYMENTS_MADE_LABEL, 0},
    {M::IDC_PAYMENT, 1, M::IDC_PAYMENT_LABEL, 3},
    {M::IDC_PRESENT_VALUE, 0, M::IDC_PRESENT_VALUE_LABEL, 3},
    {M::IDC_COST, 1, M::IDC_COST_LABEL, 3},
    {M::IDC_PAYMENTS_LEFT, 0, M::IDC_PAYMENTS_LEFT_LABEL, 0},
    {M::IDC_YIELD, 0, M::IDC_YIELD_LABEL, 9},
};

constexpr int PaymentsLeftRow = 4;
constexpr int YieldRow = 5;

// The amounts compared are whole cents: a cost equal to the payments' sum must not count as
// more through the rounding of doubles.
constexpr double HalfCent = 0.005;

} // namespace

CPurchasedMortgageDlg::CPurchasedMortgageDlg() : CFormModel(IDD, "Purchased Mortgage Yield") {
    AddLabel(IDC_BANNER, "DO WORKSHEET IN THIS ORDER: Step 1, Step 2");
    AddControl({IDC_STEP1_GROUP, ControlKind::Group, "STEP 1 - Purchased Mortgage"});
    AddLabel(IDC_LOAN_PROMPT, "Enter Purchased Mortgage Data:");
    AddButton(IDC_DO_LOAN, "Do...");
    AddLabel(IDC_PAYMENTS_MADE_LABEL, "Number of Payments made:");
    AddEdit(IDC_PAYMENTS_MADE, EditRule::Integer);
    AddLabel(IDC_PAYMENT_LABEL, "Current Payment is ($):");
    AddDisplay(IDC_PAYMENT);
    AddLabel(IDC_PRESENT_VALUE_LABEL, "Present Value of Mortgage ($):");
    AddDisplay(IDC_PRESENT_VALUE);
    AddControl({IDC_STEP2_GROUP, ControlKind::Group, "STEP 2 - Purchased Mortgage Cost"});
    AddLabel(IDC_COST_LABEL, "Cost of Mortgage plus Fees ($):");
    AddEdit(IDC_COST, EditRule::Decimal);
    AddLabel(IDC_PAYMENTS_LEFT_LABEL, "Mortgage pay off is in");
    AddDisplay(IDC_PAYMENTS_LEFT);
    AddLabel(IDC_PERIODS, "periods");
    AddLabel(IDC_YIELD_LABEL, "Yield to Maturity (%):");
    AddDisplay(IDC_YIELD);
    AddButton(IDC_RECORD, "&Record");
    AddButton(IDC_CALCULATE, "&Calculate");
    AddButton(IDCANCEL, "Cancel");
    SetButtons({IDC_RECORD, IDC_CALCULATE, IDCANCEL});

    AddSection({0, {{IDC_BANNER}}});
    AddSection({IDC_STEP1_GROUP,
                {{IDC_LOAN_PROMPT, IDC_DO_LOAN},
                 {IDC_PAYMENTS_MADE_LABEL, IDC_PAYMENTS_MADE},
                 {IDC_PAYMENT_LABEL, IDC_PAYMENT},
                 {IDC_PRESENT_VALUE_LABEL, IDC_PRESENT_VALUE}}});
    AddSection({IDC_STEP2_GROUP,
                {{IDC_COST_LABEL, IDC_COST},
                 {IDC_PAYMENTS_LEFT_LABEL, IDC_PAYMENTS_LEFT, 0, IDC_PERIODS, "", "periods"},
                 {IDC_YIELD_LABEL, IDC_YIELD}}});

    BindAmount(IDC_PAYMENTS_MADE, m_paymentsMade);
    BindAmount(IDC_PAYMENT, m_loan.payment);
    BindAmount(IDC_PRESENT_VALUE, m_presentValue);
    BindAmount(IDC_COST, m_cost);
    BindAmount(IDC_PAYMENTS_LEFT, m_paymentsLeft);
    BindAmount(IDC_YIELD, m_yield);
}

FieldTable CPurchasedMortgageDlg::Table() const {
    return Fields;
}

std::unique_ptr<CFormModel> CPurchasedMortgageDlg::SubFormFor(int buttonId) const {
    if (buttonId != IDC_DO_LOAN) return nullptr;
    return std::make_unique<CLoanDataDlg>(IDS_CURRENT_LOAN_DATA);
}

void CPurchasedMortgageDlg::OnInitDialog() {
    CFormModel::OnInitDialog();
    Enable(IDC_RECORD, false);
}

void CPurchasedMortgageDlg::OnClicked(int id) {
    if (id == IDC_DO_LOAN)
        EditLoan();
    else
        CFormModel::OnClicked(id);
}

void CPurchasedMortgageDlg::EditLoan() {
    CLoanDataDlg loanData(IDS_CURRENT_LOAN_DATA);
    loanData.loan = m_loan;
    if (!Host() || Host()->RunSubForm(loanData) != FormResult::Ok) return;
    m_loan = loanData.loan;
    DoDataExchange(false);
}

// The balance the borrower still owes after the payments made.
double CPurchasedMortgageDlg::PresentValue() const {
    return RemainingBalance(1.0, m_loan.periodsPerYear, m_paymentsMade, m_loan.annualRate,
                            m_loan.principal, m_loan.payment);
}

void CPurchasedMortgageDlg::OnKillFocus(int id) {
    if (id != IDC_PAYMENTS_MADE) return;
    DoDataExchange(true);
    if (m_loan.payment > 0.0 && m_paymentsMade > 0.0) m_presentValue = PresentValue();
    DoDataExchange(false);
}

void CPurchasedMortgageDlg::OnCalculate() {
    if (CheckInputs(Table(), IDC_YIELD)) return;
    if (m_paymentsMade >= m_loan.paymentCount) {
        Message(IDS_NUMBER_TOO_LARGE);
        MoveFocus(IDC_PAYMENTS_MADE);
        return;
    }
    SetText(IDC_PERIODS, PeriodsText(m_loan.frequency));
    m_paymentsLeft = m_loan.paymentCount - m_paymentsMade;
    m_presentValue = PresentValue();
    const double m = m_loan.periodsPerYear;
    // A price above the plain sum of the payments left and the balloon has no positive yield;
    // the solver's answer of 0 would read as one.
    const double zeroRateValue = m_paymentsLeft * m_loan.payment + m_loan.balloon;
    const double periodYield =
        m_cost > zeroRateValue + HalfCent
            ? NoSolution
            : SolveRate(0, 0, m, m_paymentsLeft, m_cost, m_loan.payment, m_loan.balloon);
    // The nominal annual yield: the period rate times the payments a year.
    m_yield = periodYield * m * 100.0;
    if (CheckUnknownResult(Table(), Fields[YieldRow].controlId, m_yield)) return;
    DoDataExchange(false);
    Enable(IDC_RECORD, true);
}

void CPurchasedMortgageDlg::WriteRecord(ITextSink& out) {
    ScopedRecordWidth width(WorksheetRecordWidth);
    RecordTitle(*this, out);
    RecordLoanSection(IDS_CURRENT_LOAN_DATA, m_loan, out);
    out.Insert("\r\n");
    for (int row = 0; row < PaymentsLeftRow; ++row)
        RecordField(*this, Table(), out, row);
    RecordPayoffLine(m_paymentsLeft, m_loan.frequency, out);
    out.Insert("\r\n");
    RecordField(*this, Table(), out, YieldRow);
    RecordClosingRule(out);
}

} // namespace kavrel
