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

using R = CRefinanceDlg;

constexpr FieldInfo Fields[] = {
    {R::IDC_PENALTY, 1, R::IDC_PENALTY_LABEL, 9},
    {R::IDC_PAYMENTS_MADE, 1, R::IDC_PAYMENTS_MADE_LABEL, 0},
    {R::IDC_CURRENT_PAYMENT, 1, R::IDC_CURRENT_PAYMENT_LABEL, 3},
    {R::IDC_NOW_OWE, 1, R::IDC_NOW_OWE_LABEL, 3},
    {R::IDC_COST, 1, R::IDC_COST_LABEL, 4},
    {R::IDC_FUTURE_PAYMENT, 1, R::IDC_FUTURE_PAYMENT_LABEL, 3},
    {R::IDC_WILL_OWE, 1, R::IDC_WILL_OWE_LABEL, 3},
    {R::IDC_INVESTMENT_RATE, 1, R::IDC_INVESTMENT_RATE_LABEL, 6},
    {R::IDC_YEARS_KEPT, 1, R::IDC_YEARS_KEPT_LABEL, 0},
    {R::IDC_SAVINGS, 0, R::IDC_SAVINGS_LABEL, 5},
};

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
    AddLabel(IDC_BANNER, "DO WORKSHEET IN THIS ORDER: Step 1, Step 2,  Step 3, \"Calculate\"");
    AddControl({IDC_STEP1_GROUP, ControlKind::Group, "STEP 1 - Current Mortgage"});
    AddLabel(IDC_CURRENT_PROMPT, "Enter Current Mortgage Data:");
    AddButton(IDC_DO_CURRENT_LOAN, "Do...");
    AddLabel(IDC_PENALTY_LABEL, "Penalty for Early Payoff (%):");
    AddEdit(IDC_PENALTY, EditRule::Decimal);
    AddLabel(IDC_PAYMENTS_MADE_LABEL, "Number of Payments you made:");
    AddEdit(IDC_PAYMENTS_MADE, EditRule::Integer);
    AddLabel(IDC_CURRENT_PAYMENT_LABEL, "Your Current Payment ($):");
    AddDisplay(IDC_CURRENT_PAYMENT);
    AddLabel(IDC_NOW_OWE_LABEL, "You Now Owe ($):");
    AddDisplay(IDC_NOW_OWE);
    AddControl({IDC_STEP2_GROUP, ControlKind::Group, "STEP 2 - Future Mortgage"});
    AddLabel(IDC_FUTURE_PROMPT, "Enter Future Mortgage Data:");
    AddButton(IDC_DO_FUTURE_LOAN, "Do...");
    AddLabel(IDC_COSTS_PROMPT, "Enter Loan Refinance Costs:");
    AddButton(IDC_DO_FEES, "Do...");
    AddLabel(IDC_COST_LABEL, "Total Refinance Cost ($):");
    AddDisplay(IDC_COST);
    AddLabel(IDC_FUTURE_PAYMENT_LABEL, "Your Future Payment ($):");
    AddDisplay(IDC_FUTURE_PAYMENT);
    AddLabel(IDC_WILL_OWE_LABEL, "You Will Owe ($):");
    AddDisplay(IDC_WILL_OWE);
    AddControl({IDC_STEP3_GROUP, ControlKind::Group, "STEP 3 - Future Projections"});
    AddLabel(IDC_INVESTMENT_RATE_LABEL, "Average Annual Rate Earned on Your Investments (%):");
    AddEdit(IDC_INVESTMENT_RATE, EditRule::Decimal);
    AddLabel(IDC_YEARS_KEPT_LABEL, "Estimate the Number of Years You Will Keep Loan:");
    AddEdit(IDC_YEARS_KEPT, EditRule::Integer);
    AddLabel(IDC_SAVINGS_LABEL, "Total Savings by Refinancing ($):");
    AddDisplay(IDC_SAVINGS);
    AddLabel(IDC_SAVINGS_HINT, "(favorable if plus)");
    AddStandardButtons();

    AddSection({0, {{IDC_BANNER}}});
    AddSection({IDC_STEP1_GROUP,
                {{IDC_CURRENT_PROMPT, IDC_DO_CURRENT_LOAN},
                 {IDC_PENALTY_LABEL, IDC_PENALTY},
                 {IDC_PAYMENTS_MADE_LABEL, IDC_PAYMENTS_MADE},
                 {IDC_CURRENT_PAYMENT_LABEL, IDC_CURRENT_PAYMENT},
                 {IDC_NOW_OWE_LABEL, IDC_NOW_OWE}}});
    AddSection({IDC_STEP2_GROUP,
                {{IDC_FUTURE_PROMPT, IDC_DO_FUTURE_LOAN},
                 {IDC_COSTS_PROMPT, IDC_DO_FEES},
                 {IDC_COST_LABEL, IDC_COST},
                 {IDC_FUTURE_PAYMENT_LABEL, IDC_FUTURE_PAYMENT},
                 {IDC_WILL_OWE_LABEL, IDC_WILL_OWE}}});
    AddSection({IDC_STEP3_GROUP,
                {{IDC_INVESTMENT_RATE_LABEL, IDC_INVESTMENT_RATE},
                 {IDC_YEARS_KEPT_LABEL, IDC_YEARS_KEPT},
                 {IDC_SAVINGS_LABEL, IDC_SAVINGS, 0, IDC_SAVINGS_HINT}}});

    BindAmount(IDC_PENALTY, m_currentPenalty);
    BindAmount(IDC_PAYMENTS_MADE, m_paymentsMade);
    BindAmount(IDC_CURRENT_PAYMENT, m_current.payment);
    BindAmount(IDC_NOW_OWE, m_nowOwe);
    BindAmount(IDC_COST, m_cost);
    BindAmount(IDC_FUTURE_PAYMENT, m_future.payment);
    BindAmount(IDC_WILL_OWE, m_willOwe);
    BindAmount(IDC_INVESTMENT_RATE, m_investmentRate);
    BindAmount(IDC_YEARS_KEPT, m_yearsKept);
    BindAmount(IDC_SAVINGS, m_savings);
}

FieldTable CRefinanceDlg::Table() const {
    return Fields;
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

void CRefinanceDlg::OnInitDialog() {
    CFormModel::OnInitDialog();
    Enable(IDC_RECORD, false);
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

void CRefinanceDlg::OnCalculate() {
    if (CheckInputs(Table(), IDC_SAVINGS)) return;
    // Typed after step 2 it would leave no current loan to compare.
    if (m_paymentsMade >= m_current.paymentCount) {
        Message(IDS_NUMBER_TOO_LARGE);
        MoveFocus(IDC_PAYMENTS_MADE);
        return;
    }
    if (m_future.periodsPerYear * m_yearsKept > m_future.paymentCount) {
        Message(IDS_TOO_MANY_YEARS);
        MoveFocus(IDC_YEARS_KEPT);
        return;
    }
    m_cost = RefinanceCost();

    const double currentValue =
        CostOverYearsKept(m_current, m_paymentsMade, m_current.periodsPerYear * m_yearsKept,
                          m_investmentRate, m_currentPenalty);
    const double futureValue = CostOverYearsKept(
        m_future, 0.0, m_future.periodsPerYear * m_yearsKept, m_investmentRate, m_fees.penalty);
    // The cash the new loan provides beyond the amount owed counts in its favour.
    m_savings = currentValue - futureValue - m_cost - m_nowOwe + m_willOwe;

    DoDataExchange(false);
    Enable(IDC_RECORD, true);
}

void CRefinanceDlg::WriteRecord(ITextSink& out) {
    ScopedRecordWidth width(WorksheetRecordWidth);
    RecordTitle(*this, out);
    RecordLoanSection(IDS_CURRENT_LOAN_DATA, m_current, out);
    out.Insert("\r\n");
    for (int row = 0; row <= 3; ++row)
        RecordField(*this, Table(), out, row);
    out.Insert("\r\n");
    RecordLoanSection(IDS_FUTURE_LOAN_DATA, m_future, out);
    out.Insert("\r\n");
    out.Insert(std::string(LoadString(IDS_FUTURE_LOAN_FEES)) + "\r\n");
    RecordLine(IDS_PENALTY, m_fees.penalty, "", 9, out);
    RecordLine(IDS_POINTS, m_fees.points, "", 9, out);
    RecordLine(IDS_OTHER_COSTS, m_fees.otherCosts, "", 3, out);
    out.Insert("\r\n");
    for (int row = 4; row <= 6; ++row)
        RecordField(*this, Table(), out, row);
    out.Insert("\r\n");
    RecordField(*this, Table(), out, 7);
    RecordField(*this, Table(), out, 8);
    out.Insert("\r\n");
    RecordField(*this, Table(), out, 9);
    RecordClosingRule(out);
}

} // namespace kavrel
