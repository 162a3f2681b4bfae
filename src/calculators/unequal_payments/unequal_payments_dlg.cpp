// SPDX-License-Identifier: GPL-3.0-or-later
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

constexpr int PaymentsHeading = 66;
// There is no string 1: the payment lines of the record have an empty label.
constexpr int NoLabel = 1;

} // namespace

CUnequalPaymentsDlg::CUnequalPaymentsDlg()
    : CFormModel(IDD, "Ordinary Annuity with Unequal Payments") {
    DeclareRows({
        Row::Section(IDC_UNKNOWN_GROUP, "Unknown"),
        Row::Input(IDC_PAYMENTS_PER_YEAR, {IDC_PAYMENTS_PER_YEAR_LABEL, "Payments per Year:"},
                   LimitClass::Count, m_paymentsPerYear),
        Row::Unknown(IDC_RATE, IDC_UNKNOWN_RATE, {IDC_RATE_LABEL, "Annual Rate (%):"},
                     LimitClass::Rate, m_annualRate),
        Row::Unknown(IDC_PRESENT_VALUE, IDC_UNKNOWN_PRESENT_VALUE,
                     {IDC_PRESENT_VALUE_LABEL, "Present Value ($):"}, LimitClass::Amount,
                     m_presentValue),
        Row::Section(),
        Row::RequiredResult(IDC_PAYMENT_COUNT, {IDC_PAYMENT_COUNT_LABEL, "Number of Payments:"},
                            LimitClass::LongCount, m_paymentCount),
        Row::List(IDC_PAYMENTS, {IDC_PAYMENTS_LABEL, "Periodic Payments ($):"},
                  LimitClass::AmountOrZero, EditRule::PaymentList)
            .Beside(IDC_NOTE,
                    "NOTE: Enter each\r\nperiodic payment or\r\ncash flow in a column.\r\n"
                    "Payments are counted\r\nfor you."),
    });
    AddStandardButtons();
    SetDefaultUnknown(IDC_UNKNOWN_PRESENT_VALUE);
}

void CUnequalPaymentsDlg::SetDefaults() {
    m_paymentCount = 0;
    m_paymentsPerYear = 1;
    SetText(IDC_PAYMENT_COUNT, "0");
    SetText(IDC_PAYMENTS_PER_YEAR, "1");
}

void CUnequalPaymentsDlg::OnEditChange(int id) {
    if (id == IDC_PAYMENTS)
        OnCashFlowLineChange(*this, IDC_PAYMENTS, IDC_PAYMENT_COUNT, ListColumns::One);
    else
        CFormModel::OnEditChange(id);
}

// Before CheckInputs, so that a list without payments has a message of its own.
bool CUnequalPaymentsDlg::StartCalculate() {
    DoDataExchange(true);
    m_paymentCount = std::trunc(m_paymentCount);
    if (m_paymentCount >= 1) return true;
    MessageText("Please enter payments...");
    MoveFocus(IDC_PAYMENTS);
    return false;
}

bool CUnequalPaymentsDlg::CheckForm() {
    m_paymentCount = std::trunc(m_paymentCount);
    return ReadCashFlowLines(*this, IDC_PAYMENTS, static_cast<int>(m_paymentCount), m_payments);
}

bool CUnequalPaymentsDlg::Solve(double& result) {
    const int n = static_cast<int>(m_payments.size());
    if (m_unknown == IDC_PRESENT_VALUE) {
        const double i = m_annualRate / (m_paymentsPerYear * 100);
        result = m_presentValue = DiscountFromOne(n, i, m_payments.data());
        return true;
    }
    const double plainSum = std::accumulate(m_payments.begin(), m_payments.end(), 0.0);
    if (!(plainSum - m_presentValue > 0)) {
        result = m_annualRate = NoSolution;
        return true;
    }
    double seriesSize = m_presentValue;
    for (double payment : m_payments)
        seriesSize += std::fabs(payment);
    const double x = SolveDiscountRate(
        [&](double rate) { return DiscountFromOne(n, rate, m_payments.data()) - m_presentValue; },
        seriesSize, NoSolution);
    result = m_annualRate = x * m_paymentsPerYear * 100;
    return true;
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
        RecordLine(NoLabel, payment, "", LimitClass::AmountOrZero, out);
    }
}

} // namespace kavrel
