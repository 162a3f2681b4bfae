// SPDX-License-Identifier: GPL-3.0-or-later
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

// The rows of the field table that WriteRecord writes around the payoff line.
constexpr int PaymentsLeftRow = 4;
constexpr int YieldRow = 5;

// The amounts compared are whole cents: a cost equal to the payments' sum must not count as
// more through the rounding of doubles.
constexpr double HalfCent = 0.005;

} // namespace

CPurchasedMortgageDlg::CPurchasedMortgageDlg() : CFormModel(IDD, "Purchased Mortgage Yield") {
    DeclareRows({
        Row::Note(IDC_BANNER, "DO WORKSHEET IN THIS ORDER: Step 1, Step 2"),
        Row::Section(IDC_STEP1_GROUP, "STEP 1 - Purchased Mortgage"),
        Row::Button(IDC_DO_LOAN, {IDC_LOAN_PROMPT, "Enter Purchased Mortgage Data:"}, "Do..."),
        Row::Input(IDC_PAYMENTS_MADE, {IDC_PAYMENTS_MADE_LABEL, "Number of Payments made:"},
                   LimitClass::Count, m_paymentsMade),
        Row::RequiredResult(IDC_PAYMENT, {IDC_PAYMENT_LABEL, "Current Payment is ($):"},
                            LimitClass::Amount, m_loan.payment),
        Row::Result(IDC_PRESENT_VALUE, {IDC_PRESENT_VALUE_LABEL, "Present Value of Mortgage ($):"},
                    LimitClass::Amount, m_presentValue),
        Row::Section(IDC_STEP2_GROUP, "STEP 2 - Purchased Mortgage Cost"),
        Row::Input(IDC_COST, {IDC_COST_LABEL, "Cost of Mortgage plus Fees ($):"},
                   LimitClass::Amount, m_cost),
        Row::Result(IDC_PAYMENTS_LEFT, {IDC_PAYMENTS_LEFT_LABEL, "Mortgage pay off is in"},
                    LimitClass::Count, m_paymentsLeft)
            .Beside(IDC_PERIODS, "periods", "periods"),
        Row::Result(IDC_YIELD, {IDC_YIELD_LABEL, "Yield to Maturity (%):"}, LimitClass::Percent,
                    m_yield),
    });
    AddButton(IDC_RECORD, "&Record");
    AddButton(IDC_CALCULATE, "&Calculate");
    AddButton(IDCANCEL, "Cancel");
    SetButtons({IDC_RECORD, IDC_CALCULATE, IDCANCEL});
    SetResultField(IDC_YIELD);
}

std::unique_ptr<CFormModel> CPurchasedMortgageDlg::SubFormFor(int buttonId) const {
    if (buttonId != IDC_DO_LOAN) return nullptr;
    return std::make_unique<CLoanDataDlg>(IDS_CURRENT_LOAN_DATA);
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

bool CPurchasedMortgageDlg::CheckForm() {
    if (m_paymentsMade < m_loan.paymentCount) return true;
    Message(IDS_NUMBER_TOO_LARGE);
    MoveFocus(IDC_PAYMENTS_MADE);
    return false;
}

bool CPurchasedMortgageDlg::Solve(double& result) {
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
    result = m_yield = periodYield * m * 100.0;
    return true;
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
