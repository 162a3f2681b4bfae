#include "worksheets/prepay/prepay_dlg.h"

#include "document/record.h"
#include "engine/math_errors.h"
#include "engine/tvm.h"
#include "resources/strings.h"
#include "worksheets/common/worksheet_record.h"
#include "worksheets/loan_data/loan_data_dlg.h"

namespace kavrel {

namespace {

constexpr int IDS_NEW_PAYMENT_TOO_SMALL = 62;

using P = CPrepayDlg;

constexpr FieldInfo Fields[] = {
    {P::IDC_PAYMENTS_MADE, 1, P::IDC_PAYMENTS_MADE_LABEL, 10},
    {P::IDC_CURRENT_PAYMENT, 1, P::IDC_CURRENT_PAYMENT_LABEL, 3},
    {P::IDC_NOW_OWE, 0, P::IDC_NOW_OWE_LABEL, 3},
    {P::IDC_NEW_PAYMENT, 1, P::IDC_NEW_PAYMENT_LABEL, 3},
    {P::IDC_INVESTMENT_RATE, 1, P::IDC_INVESTMENT_RATE_LABEL, 6},
    {P::IDC_TAX_BRACKET, 1, P::IDC_TAX_BRACKET_LABEL, 9},
    {P::IDC_PAYOFF, 0, P::IDC_PAYOFF_LABEL, 0},
    {P::IDC_PREPAY_SAVINGS, 0, P::IDC_PREPAY_SAVINGS_LABEL, 3},
    {P::IDC_INVEST_SAVINGS, 0, P::IDC_INVEST_SAVINGS_LABEL, 3},
    {P::IDC_BENEFIT, 0, P::IDC_BENEFIT_LABEL, 5},
};

constexpr int PayoffRow = 6;

} // namespace

CPrepayDlg::CPrepayDlg() : CFormModel(IDD, "Prepay Mortgage") {
    AddLabel(IDC_BANNER, "DO WORKSHEET IN THIS ORDER: Step 1, Step 2, \"Calculate\"");
    AddControl({IDC_STEP1_GROUP, ControlKind::Group, "STEP 1 - Current Mortgage"});
    AddLabel(IDC_LOAN_PROMPT, "Enter Current Mortgage Data:");
    AddButton(IDC_DO_LOAN, "Do...");
    AddLabel(IDC_PAYMENTS_MADE_LABEL, "Number of Payments Made:");
    AddEdit(IDC_PAYMENTS_MADE, EditRule::Integer);
    AddLabel(IDC_CURRENT_PAYMENT_LABEL, "Your Current Payment ($):");
    AddDisplay(IDC_CURRENT_PAYMENT);
    AddLabel(IDC_NOW_OWE_LABEL, "You Now Owe ($):");
    AddDisplay(IDC_NOW_OWE);
    AddControl({IDC_STEP2_GROUP, ControlKind::Group, "STEP 2 - Prepayment Data"});
    AddLabel(IDC_NEW_PAYMENT_LABEL, "New Loan Payment ($):");
    AddEdit(IDC_NEW_PAYMENT, EditRule::Decimal);
    AddLabel(IDC_INVESTMENT_RATE_LABEL, "Average Annual Rate Earned on Your Investments (%):");
    AddEdit(IDC_INVESTMENT_RATE, EditRule::Decimal);
    AddLabel(IDC_BEFORE_TAXES, "(before taxes)");
    AddLabel(IDC_TAX_BRACKET_LABEL, "Your Tax Bracket (%):");
    AddEdit(IDC_TAX_BRACKET, EditRule::Decimal);
    AddLabel(IDC_PAYOFF_LABEL, "Mortgage will be paid off in");
    AddDisplay(IDC_PAYOFF);
    AddLabel(IDC_PERIODS, "periods");
    AddLabel(IDC_PREPAY_SAVINGS_LABEL, "Prepayment Savings at payoff time ($):");
    AddDisplay(IDC_PREPAY_SAVINGS);
    AddLabel(IDC_INVEST_SAVINGS_LABEL, "Your Investment Savings at payoff time ($):");
    AddDisplay(IDC_INVEST_SAVINGS);
    AddLabel(IDC_BENEFIT_LABEL,
             "Benefit of Mortgage Prepayment over\r\nYour Investments (favorable if plus) ($):");
    AddDisplay(IDC_BENEFIT);
    AddStandardButtons();

    AddSection({0, {{IDC_BANNER}}});
    AddSection({IDC_STEP1_GROUP,
                {{IDC_LOAN_PROMPT, IDC_DO_LOAN},
                 {IDC_PAYMENTS_MADE_LABEL, IDC_PAYMENTS_MADE},
                 {IDC_CURRENT_PAYMENT_LABEL, IDC_CURRENT_PAYMENT},
                 {IDC_NOW_OWE_LABEL, IDC_NOW_OWE}}});
    AddSection({IDC_STEP2_GROUP,
                {{IDC_NEW_PAYMENT_LABEL, IDC_NEW_PAYMENT},
                 {IDC_INVESTMENT_RATE_LABEL, IDC_INVESTMENT_RATE, 0, IDC_BEFORE_TAXES},
                 {IDC_TAX_BRACKET_LABEL, IDC_TAX_BRACKET}}});
    AddSection({0,
                {{IDC_PAYOFF_LABEL, IDC_PAYOFF, 0, IDC_PERIODS, "", "periods"},
                 {IDC_PREPAY_SAVINGS_LABEL, IDC_PREPAY_SAVINGS},
                 {IDC_INVEST_SAVINGS_LABEL, IDC_INVEST_SAVINGS},
                 {IDC_BENEFIT_LABEL, IDC_BENEFIT}}});

    BindAmount(IDC_PAYMENTS_MADE, m_paymentsMade);
    BindAmount(IDC_CURRENT_PAYMENT, m_loan.payment);
    BindAmount(IDC_NOW_OWE, m_nowOwe);
    BindAmount(IDC_NEW_PAYMENT, m_newPayment);
    BindAmount(IDC_INVESTMENT_RATE, m_investmentRate);
    BindAmount(IDC_TAX_BRACKET, m_taxBracket);
    BindAmount(IDC_PAYOFF, m_payoffPeriods);
    BindAmount(IDC_PREPAY_SAVINGS, m_prepaySavings);
    BindAmount(IDC_INVEST_SAVINGS, m_investSavings);
    BindAmount(IDC_BENEFIT, m_benefit);
}

FieldTable CPrepayDlg::Table() const {
    return Fields;
}

std::unique_ptr<CFormModel> CPrepayDlg::SubFormFor(int buttonId) const {
    if (buttonId != IDC_DO_LOAN) return nullptr;
    return std::make_unique<CLoanDataDlg>(IDS_CURRENT_LOAN_DATA);
}

void CPrepayDlg::OnInitDialog() {
    CFormModel::OnInitDialog();
    Enable(IDC_RECORD, false);
}

void CPrepayDlg::OnClicked(int id) {
    if (id == IDC_DO_LOAN)
        EditLoan();
    else
        CFormModel::OnClicked(id);
}

void CPrepayDlg::EditLoan() {
    CLoanDataDlg loanData(IDS_CURRENT_LOAN_DATA);
    loanData.loan = m_loan;
    if (!Host() || Host()->RunSubForm(loanData) != FormResult::Ok) return;
    m_loan = loanData.loan;
    // Results of the previous loan no longer hold.
    m_nowOwe = m_payoffPeriods = m_prepaySavings = m_investSavings = m_benefit = 0.0;
    DoDataExchange(false);
}

void CPrepayDlg::OnCalculate() {
    if (CheckInputs(Table(), IDC_BENEFIT)) return;
    if (m_newPayment < m_loan.payment) {
        Message(IDS_NEW_PAYMENT_TOO_SMALL);
        MoveFocus(IDC_NEW_PAYMENT);
        return;
    }
    if (m_paymentsMade >= m_loan.paymentCount) {
        Message(IDS_NUMBER_TOO_LARGE);
        MoveFocus(IDC_PAYMENTS_MADE);
        return;
    }
    SetText(IDC_PERIODS, PeriodsText(m_loan.frequency));
    const double m = m_loan.periodsPerYear;
    m_nowOwe = RemainingBalance(1.0, m, m_paymentsMade, m_loan.annualRate, m_loan.principal,
                                m_loan.payment);
    // The loan's own balloon stays due at the end of the shortened loan.
    m_payoffBalloon = m_loan.balloon;
    m_payoffPeriods =
        SolvePaymentCount(0, m, 1.0, m_loan.annualRate, m_nowOwe, m_newPayment, m_payoffBalloon);
    if (CheckUnknownResult(Table(), Fields[PayoffRow].controlId, m_payoffPeriods)) return;
    m_prepaySavings =
        RemainingBalance(1.0, m, m_payoffPeriods, m_loan.annualRate, m_nowOwe, m_loan.payment);
    const double afterTaxRate = (1.0 - m_taxBracket * 0.01) * m_investmentRate * 0.01 / m;
    m_investSavings = (CheckedPow(1.0 + afterTaxRate, m_payoffPeriods) - 1.0) / afterTaxRate *
                      (m_newPayment - m_loan.payment);
    m_benefit = m_prepaySavings - m_investSavings;
    DoDataExchange(false);
    Enable(IDC_RECORD, true);
}

void CPrepayDlg::WriteRecord(ITextSink& out) {
    ScopedRecordWidth width(WorksheetRecordWidth);
    RecordTitle(*this, out);
    RecordLoanSection(IDS_CURRENT_LOAN_DATA, m_loan, out);
    out.Insert("\r\n");
    for (int row = 0; row < PayoffRow; ++row)
        RecordField(*this, Table(), out, row);
    RecordPayoffLine(m_payoffPeriods, m_loan.frequency, out);
    RecordField(*this, Table(), out, 7);
    RecordField(*this, Table(), out, 8);
    out.Insert("\r\n");
    RecordField(*this, Table(), out, 9);
    RecordClosingRule(out);
}

} // namespace kavrel
