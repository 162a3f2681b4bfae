// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/compound/compound_dlg.h"

#include "engine/math_errors.h"
#include "entry/chart_data.h"

#include <cmath>

namespace kavrel {

namespace {

enum Control : int {
    IDC_PERIODS_PER_YEAR = 10,
    IDC_PERIODS = 11,
    IDC_RATE = 12,
    IDC_PRESENT_VALUE = 13,
    IDC_FUTURE_VALUE = 14,
    IDC_UNKNOWN_PERIODS = 21,
    IDC_UNKNOWN_RATE = 22,
    IDC_UNKNOWN_PRESENT_VALUE = 23,
    IDC_UNKNOWN_FUTURE_VALUE = 24,
    IDC_PERIODS_PER_YEAR_LABEL = 210,
    IDC_PERIODS_LABEL = 211,
    IDC_PRESENT_VALUE_LABEL = 213,
    IDC_FUTURE_VALUE_LABEL = 214,
    IDC_RATE_LABEL = 1000,
    IDC_UNKNOWN_GROUP = 1100,
};

} // namespace

CCompoundDlg::CCompoundDlg() : CFormModel(IDD, "Compound Interest") {
    DeclareRows({
        Row::Section(IDC_UNKNOWN_GROUP, "Unknown"),
        Row::Input(IDC_PERIODS_PER_YEAR,
                   {IDC_PERIODS_PER_YEAR_LABEL, "Compounding Periods per Year:"}, LimitClass::Count,
                   m_periodsPerYear),
        Row::Unknown(IDC_PERIODS, IDC_UNKNOWN_PERIODS, {IDC_PERIODS_LABEL, "Number of Periods:"},
                     LimitClass::Periods, m_periods),
        Row::Unknown(IDC_RATE, IDC_UNKNOWN_RATE, {IDC_RATE_LABEL, "Annual Rate (%):"},
                     LimitClass::Rate, m_annualRate),
        Row::Unknown(IDC_PRESENT_VALUE, IDC_UNKNOWN_PRESENT_VALUE,
                     {IDC_PRESENT_VALUE_LABEL, "Present Value ($):"}, LimitClass::Amount,
                     m_presentValue),
        Row::Unknown(IDC_FUTURE_VALUE, IDC_UNKNOWN_FUTURE_VALUE,
                     {IDC_FUTURE_VALUE_LABEL, "Future Value ($):"}, LimitClass::Amount,
                     m_futureValue),
    });
    AddStandardButtons();
    AddButton(IDC_CHART, "C&hart...");
    SetButtons({IDC_CALCULATE, IDC_RECORD, IDC_CHART, IDCANCEL});
    SetDefaultUnknown(IDC_UNKNOWN_FUTURE_VALUE);
}

void CCompoundDlg::SetDefaults() {
    SetText(IDC_PERIODS_PER_YEAR, "4");
    Enable(IDC_CHART, false);
}

void CCompoundDlg::OnClicked(int id) {
    if (id == IDC_CHART) {
        if (IsEnabled(IDC_CHART)) ShowChart();
        return;
    }
    CFormModel::OnClicked(id);
}

bool CCompoundDlg::Solve(double& result) {
    const double growth = 1.0 + m_annualRate / 100.0 / m_periodsPerYear;
    switch (m_unknown) {
    case IDC_FUTURE_VALUE:
        result = m_futureValue = m_presentValue * CheckedPow(growth, m_periods);
        break;
    case IDC_PRESENT_VALUE:
        result = m_presentValue = m_futureValue / CheckedPow(growth, m_periods);
        break;
    case IDC_PERIODS:
        result = m_periods = m_futureValue > m_presentValue
                                 ? CheckedLog(m_futureValue / m_presentValue) / CheckedLog(growth)
                                 : 0.0;
        break;
    case IDC_RATE:
        result = m_annualRate =
            m_futureValue > m_presentValue
                ? 100.0 * m_periodsPerYear *
                      (CheckedPow(m_futureValue / m_presentValue, 1.0 / m_periods) - 1.0)
                : 0.0;
        break;
    default:
        return false;
    }
    return true;
}

void CCompoundDlg::OnCalculated() {
    m_chartedPresentValue = m_presentValue;
    m_chartedGrowth = 1.0 + m_annualRate / 100.0 / m_periodsPerYear;
    m_chartedPeriods = m_periods;
    Enable(IDC_CHART, true);
}

void CCompoundDlg::ShowChart() {
    ChartData chart;
    chart.title = Caption();
    chart.balanceName = "Value";
    chart.points = GrowthPoints(m_chartedPeriods, [this](double period) {
        return m_chartedPresentValue * std::pow(m_chartedGrowth, period);
    });
    if (Host()) Host()->ShowChart(chart);
}

} // namespace kavrel
