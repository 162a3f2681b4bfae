#include "calculators/discounted_cash_flow/discounted_cash_flow_dlg.h"

#include "calculators/discounted_cash_flow/dcf_results.h"
#include "document/record.h"
#include "entry/cash_flow_list.h"

#include <cmath>

namespace kavrel {

namespace {

using Dlg = CDiscountedCashFlowDlg;

constexpr FieldInfo Fields[] = {
    {Dlg::IDC_PER_YEAR, 1, 270, 0}, {Dlg::IDC_CASH_FLOWS, 0, 277, 5}, {Dlg::IDC_COUNT, 0, 1064, 0},
    {Dlg::IDC_RATE, 0, 313, 6},     {Dlg::IDC_NPV, 0, 254, 5},        {Dlg::IDC_PI, 0, 315, 5},
    {Dlg::IDC_PAYBACK, 0, 316, 4},  {Dlg::IDC_IRR, 0, 317, 6},        {Dlg::IDC_ROI, 0, 318, 6},
};
constexpr int CashFlowRow = 1;
constexpr int ResultFields[] = {Dlg::IDC_NPV, Dlg::IDC_PI, Dlg::IDC_PAYBACK, Dlg::IDC_IRR,
                                Dlg::IDC_ROI};

} // namespace

CDiscountedCashFlowDlg::CDiscountedCashFlowDlg() : CFormModel(IDD, "Discounted Cash Flow") {
    AddLabel(270, "Cash Flows per Year:");
    AddEdit(IDC_PER_YEAR, EditRule::Integer);
    AddLabel(IDC_HEADING, "CF Out        CF In");
    AddLabel(277, "Cash Flows (CF) in $:");
    AddControl({IDC_CASH_FLOWS, ControlKind::List, {}, EditRule::CashFlowList});
    AddLabel(IDC_HINT, "Separate Cash Flow\r\nOut and Cash Flow\r\nIn with a Space");
    AddLabel(1064, "Number of Cash Flows:");
    AddDisplay(IDC_COUNT);
    AddControl({IDC_RESULTS_GROUP, ControlKind::Group, "Discount Rate Dependent Results"});
    AddLabel(313, "Discount Rate (%):");
    AddEdit(IDC_RATE, EditRule::Decimal);
    AddLabel(254, "Net Present Value (NPV) ($):");
    AddDisplay(IDC_NPV);
    AddLabel(315, "Profitability Index (PI):");
    AddDisplay(IDC_PI);
    AddLabel(316, "Discounted Payback (years):");
    AddDisplay(IDC_PAYBACK);
    AddLabel(317, "Internal Rate of Return (IRR) (%):");
    AddDisplay(IDC_IRR);
    AddLabel(318, "Return On Investment (ROI) (%):");
    AddDisplay(IDC_ROI);
    AddStandardButtons();

    // The column heading sits above the list, in the list's column.
    AddSection({0,
                {{270, IDC_PER_YEAR},
                 {0, IDC_HEADING},
                 {277, IDC_CASH_FLOWS, 0, IDC_HINT},
                 {1064, IDC_COUNT}}});
    AddSection(
        {IDC_RESULTS_GROUP, {{313, IDC_RATE}, {254, IDC_NPV}, {315, IDC_PI}, {316, IDC_PAYBACK}}});
    AddSection({0, {{317, IDC_IRR}, {318, IDC_ROI}}});

    BindAmount(IDC_PER_YEAR, m_perYear);
    BindAmount(IDC_COUNT, m_count);
    BindAmount(IDC_RATE, m_ratePercent);
    BindAmount(IDC_NPV, m_npv);
    BindAmount(IDC_PI, m_pi);
    BindAmount(IDC_PAYBACK, m_payback);
    BindAmount(IDC_IRR, m_irr);
    BindAmount(IDC_ROI, m_roi);
}

FieldTable CDiscountedCashFlowDlg::Table() const {
    return Fields;
}

void CDiscountedCashFlowDlg::OnInitDialog() {
    CFormModel::OnInitDialog();
    m_perYear = 1;
    m_count = 0;
    SetText(IDC_PER_YEAR, "1");
    Enable(IDC_RECORD, false);
}

void CDiscountedCashFlowDlg::OnEditChange(int id) {
    if (id == IDC_CASH_FLOWS)
        OnCashFlowLineChange(*this, IDC_CASH_FLOWS, IDC_COUNT, ListColumns::Two);
    else
        CFormModel::OnEditChange(id);
}

void CDiscountedCashFlowDlg::OnCalculate() {
    m_inflows.clear();
    m_outflows.clear();
    if (CheckInputs(Table(), 0)) return;
    m_count = std::trunc(m_count);
    if (m_count < 2) {
        MessageText("Not enough cash flows...");
        MoveFocus(IDC_CASH_FLOWS);
        return;
    }
    for (int id : ResultFields)
        SetText(id, "");
    m_npv = m_pi = m_payback = m_irr = m_roi = 0.0;
    if (!ReadCashFlowLines(*this, IDC_CASH_FLOWS, static_cast<int>(m_count), m_inflows, m_outflows))
        return;

    const DcfResults results = EvaluateCashFlows(m_outflows, m_inflows, m_perYear, m_ratePercent);
    if (results.noInvestment) {
        MessageText("No Cash Flow's Out (investments)...");
        MoveFocus(IDC_CASH_FLOWS);
    } else {
        m_npv = results.npv;
        m_pi = results.pi;
        m_payback = results.paybackYears;
        m_irr = results.irrPercent;
        m_roi = results.roiPercent;
    }
    DoDataExchange(false);
    Enable(IDC_RECORD, true);
    ShowSpecialOutcomes();
}

void CDiscountedCashFlowDlg::ShowSpecialOutcomes() {
    if (m_npv < 0) SetText(IDC_PAYBACK, "none");
    if (m_irr == IrrAboveLimit)
        SetText(IDC_IRR, "> 1000");
    else if (m_irr == IrrNotPositive)
        SetText(IDC_IRR, "0 or less");
}

void CDiscountedCashFlowDlg::WriteRecord(ITextSink& out) {
    RecordTitle(*this, out);
    for (int row = 0; row < static_cast<int>(Table().size()); ++row) {
        // Periods a stopped Calculate did not read are printed as 0.
        if (row == CashFlowRow)
            RecordCashFlows(*this, Table(), out, m_count, m_outflows, m_inflows);
        else
            RecordField(*this, Table(), out, row);
    }
}

} // namespace kavrel
