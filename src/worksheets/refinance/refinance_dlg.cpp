// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/refinance/refinance_dlg.h"

#include "document/record.h"
#include "engine/tvm.h"
#include "resources/strings.h"
#include "worksheets/common/worksheet_record.h"
#include "worksheets/loan_data/loan_data_dlg.h"

namespace kavrel {

namespace {

constexpr int IDS_TOO_MANY_YEARS = 50;
constexpr int IDS_PENALTY = 58;
constexpr int IDS_POINTS = 59;
constexpr int IDS_OTHER_COSTS = 60;
constexpr int IDS_FUTURE_LOAN_FEES = 61;

// The rows of the field table that WriteRecord writes between the loan sections.
constexpr int PenaltyRow = 0;
constexpr int NowOweRow = 3;
constexpr int CostRow = 4;
constexpr int WillOweRow = 6;
constexpr int InvestmentRateRow = 7;
constexpr int YearsKeptRow = 8;
constexpr int SavingsRow = 9;

// The value now, at the investment rate, of what a loan costs over its next `periods`
// payments: those payments, then its payoff with the early-payoff penalty. A loan that runs out
// before then costs nothing after its last payment, which brings the balance left (its
// balloon) without a penalty.
double CostOverYearsKept(const LoanTerms& loan, double paymentsMade, double periods,
                         double investmentRate, double penaltyPercent) {
    const double paymentsLeft = loan.paymentCount - paymentsMade;
    const bool runsOut = periods >= paymentsLeft;
    const double paid = runsOut ? paymentsLeft : periods;
    const double balance = RemainingBalance(1.0, loan.periodsPerYear, paymentsMade + paid,
                                            loan.annualRate, loan.principal, loan.payment);
    const double payoff = runsOut ? balance : balance * (1.0 + penaltyPercent * 0.01);
    return AnnuityPresentValue(1.0, loan.periodsPerYear, paid, investmentRate, loan.payment,
                               payoff);
}

} // namespace

CRefinanceDlg::CRefinanceDlg() : CFormModel(IDD, "Refinancing a Mortgage") {
    DeclareRows({
        Row::Note(IDC_BANNER, "DO WORKSHEET IN THIS ORDER: Step 1, Step 2,  Step 3, \"Calculate\""),
        Row::Section(IDC_STEP1_GROUP, "STEP 1 - Current Mortgage"),
        Row::Button(IDC_DO_CURRENT_LOAN, {IDC_CURRENT_PROMPT, "Enter Current Mortgage Data:"},
                    "Do..."),
        Row::Input(IDC_PENALTY, {IDC_PENALTY_LABEL, "Penalty for Early Payoff (%):"},
                   LimitClass::Percent, m_currentPenalty),
        Row::Input(IDC_PAYMENTS_MADE, {IDC_PAYMENTS_MADE_LABEL, "Number of Payments you made:"},
                   LimitClass::Count, m_paymentsMade),
        Row::RequiredResult(IDC_CURRENT_PAYMENT,
                            {IDC_CURRENT_PAYMENT_LABEL, "Your Current Payment ($):"},
                            LimitClass::Amount, m_current.payment),
        Row::RequiredResult(IDC_NOW_OWE, {IDC_NOW_OWE_LABEL, "You Now Owe ($):"},
                            LimitClass::Amount, m_nowOwe),
        Row::Section(IDC_STEP2_GROUP, "STEP 2 - Future Mortgage"),
        Row::Button(IDC_DO_FUTURE_LOAN, {IDC_FUTURE_PROMPT, "Enter Future Mortgage Data:"},
                    "Do..."),
        Row::Button(IDC_DO_FEES, {IDC_COSTS_PROMPT, "Enter Loan Refinance Costs:"}, "Do..."),
        Row::RequiredResult(IDC_COST, {IDC_COST_LABEL, "Total Refinance Cost ($):"},
                            LimitClass::AmountOrZero, m_cost),
        Row::RequiredResult(IDC_FUTURE_PAYMENT,
                            {IDC_FUTURE_PAYMENT_LABEL, "Your Future Payment ($):"},
                            LimitClass::Amount, m_future.payment),
        Row::RequiredResult(IDC_WILL_OWE, {IDC_WILL_OWE_LABEL, "You Will Owe ($):"},
                            LimitClass::Amount, m_willOwe),
        Row::Section(IDC_STEP3_GROUP, "STEP 3 - Future Projections"),
        Row::Input(
            IDC_INVESTMENT_RATE,
            {IDC_INVESTMENT_RATE_LABEL, "Average Annual Rate Earned on Your Investments (%):"},
            LimitClass::Rate, m_investmentRate),
        Row::Input(IDC_YEARS_KEPT,
                   {IDC_YEARS_KEPT_LABEL, "Estimate the Number of Years You Will Keep Loan:"},
                   LimitClass::Count, m_yearsKept),
        Row::Result(IDC_SAVINGS, {IDC_SAVINGS_LABEL, "Total Savings by Refinancing ($):"},
                    LimitClass::SignedAmount, m_savings)
            .Beside(IDC_SAVINGS_HINT, "(favorable if plus)"),
    });
    AddStandardButtons();
}

std::unique_ptr<CFormModel> CRefinanceDlg::SubFormFor(int buttonId) const {
    switch (buttonId) {
    case IDC_DO_CURRENT_LOAN:
        return std::make_unique<CLoanDataDlg>(IDS_CURRENT_LOAN_DATA);
    case IDC_DO_FUTURE_LOAN:
        return std::make_unique<CLoanDataDlg>(IDS_FUTURE_LOAN_DATA);
    case IDC_DO_FEES:
        return std::make_unique<CLoanFeesDlg>();
    default:
        return nullptr;
    }
}

void CRefinanceDlg::OnClicked(int id) {
    switch (id) {
    case IDC_DO_CURRENT_LOAN:
        EditCurrentLoan();
        break;
    case IDC_DO_FUTURE_LOAN:
        EditFutureLoan();
        break;
    case IDC_DO_FEES:
        EditFees();
        break;
    default:
        CFormModel::OnClicked(id);
        break;
    }
}

void CRefinanceDlg::EditCurrentLoan() {
    CLoanDataDlg loanData(IDS_CURRENT_LOAN_DATA);
    loanData.loan = m_current;
    if (!Host() || Host()->RunSubForm(loanData) != FormResult::Ok) return;
    m_current = loanData.loan;
    DoDataExchange(false);
}

void CRefinanceDlg::EditFutureLoan() {
    DoDataExchange(true);
    if (m_current.payment == 0.0 || m_paymentsMade < 1 || m_current.paymentCount < 1) {
        Message(IDS_MISSING_PREVIOUS_STEPS);
        return;
    }
    if (m_paymentsMade >= m_current.paymentCount) {
        Message(IDS_NUMBER_TOO_LARGE);
        MoveFocus(IDC_PAYMENTS_MADE);
        return;
    }
    m_nowOwe = RemainingBalance(1.0, m_current.periodsPerYear, m_paymentsMade, m_current.annualRate,
                                m_current.principal, m_current.payment);

    // The new loan defaults to the amount owed over the payments left.
    CLoanDataDlg loanData(IDS_FUTURE_LOAN_DATA);
    loanData.futureLoan = true;
    loanData.minimumPrincipal = m_nowOwe;
    loanData.loan.frequency = m_future.frequency;
    loanData.loan.principal = m_future.principal >= 0.01 ? m_future.principal : m_nowOwe;
    loanData.loan.paymentCount = m_future.paymentCount >= 1
                                     ? m_future.paymentCount
                                     : m_current.paymentCount - m_paymentsMade;
    loanData.loan.annualRate = m_future.annualRate;
    loanData.loan.balloon = m_future.balloon;
    if (Host() && Host()->RunSubForm(loanData) == FormResult::Ok) {
        m_future = loanData.loan;
        m_willOwe = m_future.principal;
    }
    DoDataExchange(false);
}

void CRefinanceDlg::EditFees() {
    DoDataExchange(true);
    if (m_future.payment == 0.0) {
        Message(IDS_MISSING_PREVIOUS_STEPS);
        return;
    }
    CLoanFeesDlg fees;
    fees.fees = m_fees;
    if (Host()) Host()->RunSubForm(fees);
    m_fees = fees.fees;
    m_cost = RefinanceCost();
    DoDataExchange(false);
}

// Points on the new loan amount, the current loan's penalty on the amount owed, other costs.
double CRefinanceDlg::RefinanceCost() const {
    return (m_fees.points * m_willOwe + m_currentPenalty * m_nowOwe) * 0.01 + m_fees.otherCosts;
}

bool CRefinanceDlg::CheckForm() {
    // Typed after step 2 it would leave no current loan to compare.
    if (m_paymentsMade >= m_current.paymentCount) {
        Message(IDS_NUMBER_TOO_LARGE);
        MoveFocus(IDC_PAYMENTS_MADE);
        return false;
    }
    if (m_future.periodsPerYear * m_yearsKept > m_future.paymentCount) {
        Message(IDS_TOO_MANY_YEARS);
        MoveFocus(IDC_YEARS_KEPT);
        return false;
    }
    return true;
}

bool CRefinanceDlg::Solve(double& result) {
    m_cost = RefinanceCost();
    const double currentValue =
        CostOverYearsKept(m_current, m_paymentsMade, m_current.periodsPerYear * m_yearsKept,
                          m_investmentRate, m_currentPenalty);
    const double futureValue = CostOverYearsKept(
        m_future, 0.0, m_future.periodsPerYear * m_yearsKept, m_investmentRate, m_fees.penalty);
    // The cash the new loan provides beyond the amount owed counts in its favour.
    result = m_savings = currentValue - futureValue - m_cost - m_nowOwe + m_willOwe;
    return true;
}

void CRefinanceDlg::WriteRecord(ITextSink& out) {
    ScopedRecordWidth width(WorksheetRecordWidth);
    RecordTitle(*this, out);
    RecordLoanSection(IDS_CURRENT_LOAN_DATA, m_current, out);
    out.Insert("\r\n");
    for (int row = PenaltyRow; row <= NowOweRow; ++row)
        RecordField(*this, Table(), out, row);
    out.Insert("\r\n");
    RecordLoanSection(IDS_FUTURE_LOAN_DATA, m_future, out);
    out.Insert("\r\n");
    out.Insert(std::string(LoadString(IDS_FUTURE_LOAN_FEES)) + "\r\n");
    RecordLine(IDS_PENALTY, m_fees.penalty, "", LimitClass::Percent, out);
    RecordLine(IDS_POINTS, m_fees.points, "", LimitClass::Percent, out);
    RecordLine(IDS_OTHER_COSTS, m_fees.otherCosts, "", LimitClass::Amount, out);
    out.Insert("\r\n");
    for (int row = CostRow; row <= WillOweRow; ++row)
        RecordField(*this, Table(), out, row);
    out.Insert("\r\n");
    RecordField(*this, Table(), out, InvestmentRateRow);
    RecordField(*this, Table(), out, YearsKeptRow);
    out.Insert("\r\n");
    RecordField(*this, Table(), out, SavingsRow);
    RecordClosingRule(out);
}

} // namespace kavrel
