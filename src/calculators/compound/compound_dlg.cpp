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
    IDC_UNKNOWN_GROUP = 1100,
};

constexpr FieldInfo Fields[] = {
    {IDC_PERIODS_PER_YEAR, 1, 210, 0},
    {IDC_PERIODS, IDC_UNKNOWN_PERIODS, 211, 2},
    {IDC_RATE, IDC_UNKNOWN_RATE, 1000, 6},
    {IDC_PRESENT_VALUE, IDC_UNKNOWN_PRESENT_VALUE, 213, 3},
    {IDC_FUTURE_VALUE, IDC_UNKNOWN_FUTURE_VALUE, 214, 3},
};

} // namespace

CCompoundDlg::CCompoundDlg() : CFormModel(IDD, "Compound Interest") {
    AddControl({IDC_UNKNOWN_GROUP, ControlKind::Group, "Unknown"});
    AddLabel(210, "Compounding Periods per Year:");
    AddEdit(IDC_PERIODS_PER_YEAR, EditRule::Integer);
    AddLabel(211, "Number of Periods:");
    AddEdit(IDC_PERIODS, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_PERIODS);
    AddLabel(1000, "Annual Rate (%):");
    AddEdit(IDC_RATE, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_RATE);
    AddLabel(213, "Present Value ($):");
    AddEdit(IDC_PRESENT_VALUE, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_PRESENT_VALUE);
    AddLabel(214, "Future Value ($):");
    AddEdit(IDC_FUTURE_VALUE, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_FUTURE_VALUE);
    AddStandardButtons();
    AddButton(IDC_CHART, "C&hart...");
    SetButtons({IDC_CALCULATE, IDC_RECORD, IDC_CHART, IDCANCEL});

    LayoutSection section{IDC_UNKNOWN_GROUP, {}};
    for (const FieldInfo& field : Fields)
        section.rows.push_back(
            {field.labelId, field.controlId, field.unknownButton > 1 ? field.unknownButton : 0});
    AddSection(std::move(section));

    BindAmount(IDC_PERIODS_PER_YEAR, m_periodsPerYear);
    BindAmount(IDC_PERIODS, m_periods);
    BindAmount(IDC_RATE, m_annualRate);
    BindAmount(IDC_PRESENT_VALUE, m_presentValue);
    BindAmount(IDC_FUTURE_VALUE, m_futureValue);
}

FieldTable CCompoundDlg::Table() const {
    return Fields;
}

void CCompoundDlg::OnInitDialog() {
    CFormModel::OnInitDialog();
    m_unknown = SelectUnknown(Table(), IDC_UNKNOWN_FUTURE_VALUE, IDC_FUTURE_VALUE, m_savedText);
    SetText(IDC_PERIODS_PER_YEAR, "4");
    Enable(IDC_RECORD, false);
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
