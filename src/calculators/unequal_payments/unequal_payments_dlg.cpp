#include "calculators/unequal_payments/unequal_payments_dlg.h"

#include "document/record.h"
#include "engine/cash_flow_series.h"
#include "engine/math_errors.h"
#include "entry/cash_flow_list.h"
#include "resources/strings.h"

#include <cmath>
#include <numeric>

namespace kavrel {

namespace {

constexpr FieldInfo Fields[] = {
    {CUnequalPaymentsDlg::IDC_PAYMENTS_PER_YEAR, 1, 230, 0},
    {CUnequalPaymentsDlg::IDC_RATE, CUnequalPaymentsDlg::IDC_UNKNOWN_RATE, 232, 6},
    {CUnequalPaymentsDlg::IDC_PRESENT_VALUE, CUnequalPaymentsDlg::IDC_UNKNOWN_PRESENT_VALUE, 233,
     3},
    {CUnequalPaymentsDlg::IDC_PAYMENT_COUNT, 1, 231, 1},
    {CUnequalPaymentsDlg::IDC_PAYMENTS, 0, 234, 4},
};

constexpr int PaymentsHeading = 66;
// There is no string 1: the payment lines of the record have an empty label.
constexpr int NoLabel = 1;
constexpr int PaymentClass = 4;

} // namespace

CUnequalPaymentsDlg::CUnequalPaymentsDlg()
    : CFormModel(IDD, "Ordinary Annuity with Unequal Payments") {
    AddControl({IDC_UNKNOWN_GROUP, ControlKind::Group, "Unknown"});
    AddLabel(230, "Payments per Year:");
    AddEdit(IDC_PAYMENTS_PER_YEAR, EditRule::Integer);
    AddLabel(232, "Annual Rate (%):");
    AddEdit(IDC_RATE, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_RATE);
    AddLabel(233, "Present Value ($):");
    AddEdit(IDC_PRESENT_VALUE, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_PRESENT_VALUE);
    AddLabel(231, "Number of Payments:");
    AddDisplay(IDC_PAYMENT_COUNT);
    AddLabel(234, "Periodic Payments ($):");
    AddControl({IDC_PAYMENTS, ControlKind::List, {}, EditRule::PaymentList});
    AddLabel(IDC_NOTE, "NOTE: Enter each\r\nperiodic payment or\r\ncash flow in a column.\r\n"
                       "Payments are counted\r\nfor you.");
    AddStandardButtons();

    AddSection({IDC_UNKNOWN_GROUP,
                {{230, IDC_PAYMENTS_PER_YEAR},
                 {232, IDC_RATE, IDC_UNKNOWN_RATE},
                 {233, IDC_PRESENT_VALUE, IDC_UNKNOWN_PRESENT_VALUE}}});
    AddSection({0, {{231, IDC_PAYMENT_COUNT}, {234, IDC_PAYMENTS, 0, IDC_NOTE}}});

    BindAmount(IDC_PAYMENTS_PER_YEAR, m_paymentsPerYear);
    BindAmount(IDC_RATE, m_annualRate);
    BindAmount(IDC_PRESENT_VALUE, m_presentValue);
    BindAmount(IDC_PAYMENT_COUNT, m_paymentCount);
}

FieldTable CUnequalPaymentsDlg::Table() const {
    return Fields;
}

void CUnequalPaymentsDlg::OnInitDialog() {
    CFormModel::OnInitDialog();
    m_unknown = SelectUnknown(Table(), IDC_UNKNOWN_PRESENT_VALUE, IDC_PRESENT_VALUE, m_savedText);
    m_paymentCount = 0;
    m_paymentsPerYear = 1;
    SetText(IDC_PAYMENT_COUNT, "0");
    SetText(IDC_PAYMENTS_PER_YEAR, "1");
    Enable(IDC_RECORD, false);
}

void CUnequalPaymentsDlg::OnEditChange(int id) {
    if (id == IDC_PAYMENTS)
        OnCashFlowLineChange(*this, IDC_PAYMENTS, IDC_PAYMENT_COUNT, ListColumns::One);
    else
        CFormModel::OnEditChange(id);
}

void CUnequalPaymentsDlg::OnCalculate() {
    DoDataExchange(true);
    m_paymentCount = std::trunc(m_paymentCount);
    if (m_paymentCount < 1) {
        MessageText("Please enter payments...");
        MoveFocus(IDC_PAYMENTS);
        return;
    }
    if (CheckInputs(Table(), m_unknown)) return;
    m_paymentCount = std::trunc(m_paymentCount);
    if (!ReadCashFlowLines(*this, IDC_PAYMENTS, static_cast<int>(m_paymentCount), m_payments))
        return;
    if (CheckUnknownResult(Table(), m_unknown, Solve())) return;
    DoDataExchange(false);
    m_savedText = Text(m_unknown).substr(0, FieldTextLimit);
    Enable(IDC_RECORD, true);
}

double CUnequalPaymentsDlg::Solve() {
    const int n = static_cast<int>(m_payments.size());
    if (m_unknown == IDC_PRESENT_VALUE) {
        const double i = m_annualRate / (m_paymentsPerYear * 100);
        return m_presentValue = DiscountFromOne(n, i, m_payments.data());
    }
    const double plainSum = std::accumulate(m_payments.begin(), m_payments.end(), 0.0);
    if (!(plainSum - m_presentValue > 0)) return m_annualRate = NoSolution;
    double seriesSize = m_presentValue;
    for (double payment : m_payments)
        seriesSize += std::fabs(payment);
    const double x = SolveDiscountRate(
        [&](double rate) { return DiscountFromOne(n, rate, m_payments.data()) - m_presentValue; },
        seriesSize, NoSolution);
    return m_annualRate = x * m_paymentsPerYear * 100;
}

void CUnequalPaymentsDlg::WriteRecord(ITextSink& out) {
    RecordTitle(*this, out);
    for (int row = 0; row < 4; ++row)
        RecordField(*this, Table(), out, row);
    out.Insert(std::string(LoadString(PaymentsHeading)) + ":\r\n");
    // A Calculate stopped by an empty line leaves the payments after it unread: they print as 0.
    const int count = m_paymentCount > 0 ? static_cast<int>(m_paymentCount) : 0;
    for (int k = 0; k < count; ++k) {
        const double payment = k < static_cast<int>(m_payments.size()) ? m_payments[k] : 0.0;
        RecordLine(NoLabel, payment, "", PaymentClass, out);
    }
}

} // namespace kavrel
