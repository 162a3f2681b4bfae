// SPDX-License-Identifier: GPL-3.0-or-later
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

// The rows of the field table that WriteRecord writes around the payoff line.
constexpr int PayoffRow = 6;
constexpr int PrepaySavingsRow = 7;
constexpr int InvestSavingsRow = 8;
constexpr int BenefitRow = 9;

} // namespace

CPrepayDlg::CPrepayDlg() : CFormModel(IDD, "Prepay Mortgage") {
    DeclareRows({
        Row::Note(IDC_BANNER, "DO WORKSHEET IN THIS ORDER: Step 1, Step 2, \"Calculate\""),
        Row::Section(IDC_STEP1_GROUP, "STEP 1 - Current Mortgage"),
        Row::Button(IDC_DO_LOAN, {IDC_LOAN_PROMPT, "Enter Current Mortgage Data:"}, "Do..."),
        Row::Input(IDC_PAYMENTS_MADE, {IDC_PAYMENTS_MADE_LABEL, "Number of Payments Made:"},
                   LimitClass::CountOrZero, m_paymentsMade),
        Row::RequiredResult(IDC_CURRENT_PAYMENT,
                            {IDC_CURRENT_PAYMENT_LABEL, "Your Current Payment ($):"},
                            LimitClass::Amount, m_loan.payment),
        Row::Result(IDC_NOW_OWE, {IDC_NOW_OWE_LABEL, "You Now Owe ($):"}, LimitClass::Amount,
                    m_nowOwe),
        Row::Section(IDC_STEP2_GROUP, "STEP 2 - Prepayment Data"),
        Row::Input(IDC_NEW_PAYMENT, {IDC_NEW_PAYMENT_LABEL, "New Loan Payment ($):"},
                   LimitClass::Amount, m_newPayment),
        Row::Input(
            IDC_INVESTMENT_RATE,
            {IDC_INVESTMENT_RATE_LABEL, "Average Annual Rate Earned on Your Investments (%):"},
            LimitClass::Rate, m_investmentRate)
            .Beside(IDC_BEFORE_TAXES, "(before taxes)"),
        Row::Input(IDC_TAX_BRACKET, {IDC_TAX_BRACKET_LABEL, "Your Tax Bracket (%):"},
                   LimitClass::Percent, m_taxBracket),
        Row::Section(),
        Row::Result(IDC_PAYOFF, {IDC_PAYOFF_LABEL, "Mortgage will be paid off in"},
                    LimitClass::Count, m_payoffPeriods)
            .Beside(IDC_PERIODS, "periods", "periods"),
        Row::Result(IDC_PREPAY_SAVINGS,
                    {IDC_PREPAY_SAVINGS_LABEL, "Prepayment Savings at payoff time ($):"},
                    LimitClass::Amount, m_prepaySavings),
        Row::Result(IDC_INVEST_SAVINGS,
                    {IDC_INVEST_SAVINGS_LABEL, "Your Investment Savings at payoff time ($):"},
                    LimitClass::Amount, m_investSavings),
        Row::Result(IDC_BENEFIT,
                    {IDC_BENEFIT_LABEL, "Benefit of Mortgage Prepayment over\r\nYour Investments "
                                        "(favorable if plus) ($):"},
                    LimitClass::SignedAmount, m_benefit),
    });
    AddStandardButtons();
    SetResultField(IDC_PAYOFF);
}

std::unique_ptr<CFormModel> CPrepayDlg::SubFormFor(int buttonId) const {
    if (buttonId != IDC_DO_LOAN) return nullptr;
    return std::make_unique<CLoanDataDlg>(IDS_CURRENT_LOAN_DATA);
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

bool CPrepayDlg::CheckForm() {
    if (m_newPayment < m_loan.payment) {
        Message(IDS_NEW_PAYMENT_TOO_SMALL);
        MoveFocus(IDC_NEW_PAYMENT);
        return false;
    }
    if (m_paymentsMade >= m_loan.paymentCount) {
        Message(IDS_NUMBER_TOO_LARGE);
        MoveFocus(IDC_PAYMENTS_MADE);
        return false;
    }
    return true;
}

// The periods until the larger payment pays the loan off.
bool CPrepayDlg::Solve(double& result) {
    SetText(IDC_PERIODS, PeriodsText(m_loan.frequency));
    const double m = m_loan.periodsPerYear;
    m_nowOwe = RemainingBalance(1.0, m, m_paymentsMade, m_loan.annualRate, m_loan.principal,
                                m_loan.payment);
    // The loan's own balloon stays due at the end of the shortened loan.
    m_payoffBalloon = m_loan.balloon;
    result = m_payoffPeriods =
        SolvePaymentCount(0, m, 1.0, m_loan.annualRate, m_nowOwe, m_newPayment, m_payoffBalloon);
    return true;
}

void CPrepayDlg::AfterSolve() {
    const double m = m_loan.periodsPerYear;
    m_prepaySavings =
        RemainingBalance(1.0, m, m_payoffPeriods, m_loan.annualRate, m_nowOwe, m_loan.payment);
    const double afterTaxRate = (1.0 - m_taxBracket * 0.01) * m_investmentRate * 0.01 / m;
    m_investSavings = (CheckedPow(1.0 + afterTaxRate, m_payoffPeriods) - 1.0) / afterTaxRate *
                      (m_newPayment - m_loan.payment);
    m_benefit = m_prepaySavings - m_investSavings;
}

void CPrepayDlg::WriteRecord(ITextSink& out) {
    ScopedRecordWidth width(WorksheetRecordWidth);
    RecordTitle(*this, out);
    RecordLoanSection(IDS_CURRENT_LOAN_DATA, m_loan, out);
    out.Insert("\r\n");
    for (int row = 0; row < PayoffRow; ++row)
        RecordField(*this, Table(), out, row);
    RecordPayoffLine(m_payoffPeriods, m_loan.frequency, out);
    RecordField(*this, Table(), out, PrepaySavingsRow);
    RecordField(*this, Table(), out, InvestSavingsRow);
    out.Insert("\r\n");
    RecordField(*this, Table(), out, BenefitRow);
    RecordClosingRule(out);
}

} // namespace kavrel
