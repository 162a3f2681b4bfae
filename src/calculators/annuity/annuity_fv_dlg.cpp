// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/annuity/annuity_fv_dlg.h"

#include "engine/math_errors.h"
#include "engine/rate_solver.h"
#include "engine/tvm.h"
#include "entry/chart_data.h"
#include "resources/strings.h"

#include <cmath>

namespace kavrel {

CAnnuityFvDlg::CAnnuityFvDlg(int captionId) : CAnnuityDlg(IDD, captionId, IDS_SAVE_CAPTION) {
    DeclareAnnuityRows(Row::Unknown(IDC_FUTURE_VALUE, IDC_UNKNOWN_FUTURE_VALUE,
                                    {IDC_FUTURE_VALUE_LABEL, "Future Value ($):"},
                                    LimitClass::Amount, m_futureValue),
                       {});
    AddButton(IDC_CHART, "C&hart...");
    SetButtons({IDC_CALCULATE, IDC_RECORD, IDC_CHART, IDCANCEL});
}

void CAnnuityFvDlg::SetDefaults() {
    CAnnuityDlg::SetDefaults();
    Enable(IDC_CHART, false);
}

void CAnnuityFvDlg::OnClicked(int id) {
    if (id == IDC_CHART) {
        if (IsEnabled(IDC_CHART)) ShowChart();
        return;
    }
    CAnnuityDlg::OnClicked(id);
}

bool CAnnuityFvDlg::Solve(double& result) {
    if (m_unknown == IDC_RATE) {
        if (m_payment * m_paymentCount >= m_futureValue) {
            // The payments alone reach the future value: no positive rate.
            result = m_annualRate = 0.0;
            return true;
        }
        const double x = SolveRate(m_annuityDue, 1, m_paymentsPerYear, m_paymentCount,
                                   m_futureValue, m_payment, 0);
        result = m_annualRate =
            x >= NoSolution ? x : AnnualRatePercent(x, CompoundingPeriods(), m_paymentsPerYear);
        return true;
    }
    const double i = PeriodRateNow();
    const double t = TimingFactor(i);
    // ((1 + i)^N - 1) / i, left infinite when the growth overflows: the future value is then
    // refused and the payment comes out 0, refused too. The math-error value in its place
    // gave both inside their limits.
    const double s = std::expm1(m_paymentCount * std::log1p(i)) / i;
    switch (m_unknown) {
    case IDC_PAYMENT_COUNT:
        result = m_paymentCount = CheckedLog(i * m_futureValue / m_payment + t) / CheckedLog(1 + i);
        if (m_annuityDue) result = m_paymentCount = m_paymentCount - 1;
        break;
    case IDC_FUTURE_VALUE:
        result = m_futureValue = s * m_payment * t;
        break;
    case IDC_PAYMENT:
        result = m_payment = m_futureValue / (s * t);
        break;
    default:
        return false;
    }
    return true;
}

void CAnnuityFvDlg::OnCalculated() {
    m_chartedPayments = m_paymentCount;
    m_chartedRate = PeriodRateNow();
    m_chartedPayment = m_payment;
    Enable(IDC_CHART, true);
}

void CAnnuityFvDlg::ShowChart() {
    ChartData chart;
    chart.title = Caption();
    chart.balanceName = "Value";
    const double i = m_chartedRate;
    const double t = TimingFactor(i);
    chart.points = GrowthPoints(m_chartedPayments, [&](double period) {
        return m_chartedPayment * t * (std::pow(1 + i, period) - 1) / i;
    });
    if (Host()) Host()->ShowChart(chart);
}

} // namespace kavrel
