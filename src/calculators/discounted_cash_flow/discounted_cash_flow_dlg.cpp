// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/discounted_cash_flow/discounted_cash_flow_dlg.h"

#include "calculators/discounted_cash_flow/dcf_results.h"
#include "document/record.h"
#include "entry/cash_flow_list.h"

#include <cmath>

namespace kavrel {

namespace {

// The row of the cash flows in the field table.
constexpr int CashFlowRow = 1;

} // namespace

CDiscountedCashFlowDlg::CDiscountedCashFlowDlg() : CFormModel(IDD, "Discounted Cash Flow") {
    DeclareRows({
        Row::Input(IDC_PER_YEAR, {IDC_PER_YEAR_LABEL, "Cash Flows per Year:"}, LimitClass::Count,
                   m_perYear),
        // The column heading sits above the list, in the list's column.
        Row::Heading(IDC_HEADING, "CF Out        CF In"),
        Row::List(IDC_CASH_FLOWS, {IDC_CASH_FLOWS_LABEL, "Cash Flows (CF) in $:"},
                  LimitClass::SignedAmount, EditRule::CashFlowList)
            .Beside(IDC_HINT, "Separate Cash Flow\r\nOut and Cash Flow\r\nIn with a Space"),
        Row::Result(IDC_COUNT, {IDC_COUNT_LABEL, "Number of Cash Flows:"}, LimitClass::Count,
                    m_count),
        Row::Section(IDC_RESULTS_GROUP, "Discount Rate Dependent Results"),
        Row::Optional(IDC_RATE, {IDC_RATE_LABEL, "Discount Rate (%):"}, LimitClass::Rate,
                      m_ratePercent),
        Row::Result(IDC_NPV, {IDC_NPV_LABEL, "Net Present Value (NPV) ($):"},
                    LimitClass::SignedAmount, m_npv),
        Row::Result(IDC_PI, {IDC_PI_LABEL, "Profitability Index (PI):"}, LimitClass::SignedAmount,
                    m_pi),
        Row::Result(IDC_PAYBACK, {IDC_PAYBACK_LABEL, "Discounted Payback (years):"},
                    LimitClass::AmountOrZero, m_payback),
        Row::Section(),
        Row::Result(IDC_IRR, {IDC_IRR_LABEL, "Internal Rate of Return (IRR) (%):"},
                    LimitClass::Rate, m_irr),
        Row::Result(IDC_ROI, {IDC_ROI_LABEL, "Return On Investment (ROI) (%):"}, LimitClass::Rate,
                    m_roi),
    });
    AddStandardButtons();
}

void CDiscountedCashFlowDlg::SetDefaults() {
    m_perYear = 1;
    m_count = 0;
    SetText(IDC_PER_YEAR, "1");
}

void CDiscountedCashFlowDlg::OnEditChange(int id) {
    if (id == IDC_CASH_FLOWS)
        OnCashFlowLineChange(*this, IDC_CASH_FLOWS, IDC_COUNT, ListColumns::Two);
    else
        CFormModel::OnEditChange(id);
}

bool CDiscountedCashFlowDlg::StartCalculate() {
    m_inflows.clear();
    m_outflows.clear();
    return true;
}

bool CDiscountedCashFlowDlg::CheckForm() {
    m_count = std::trunc(m_count);
    if (m_count < 2) {
        MessageText("Not enough cash flows...");
        MoveFocus(IDC_CASH_FLOWS);
        return false;
    }
    for (int id : {IDC_NPV, IDC_PI, IDC_PAYBACK, IDC_IRR, IDC_ROI})
        SetText(id, "");
    m_npv = m_pi = m_payback = m_irr = m_roi = 0.0;
    return ReadCashFlowLines(*this, IDC_CASH_FLOWS, static_cast<int>(m_count), m_inflows,
                             m_outflows);
}

// Every measure is computed at once; a series without an investment shows none.
bool CDiscountedCashFlowDlg::Solve(double& /*result*/) {
    const DcfResults results = EvaluateCashFlows(m_outflows, m_inflows, m_perYear, m_ratePercent);
    if (results.noInvestment) {
        MessageText("No Cash Flow's Out (investments)...");
        MoveFocus(IDC_CASH_FLOWS);
        return true;
    }
    m_npv = results.npv;
    m_pi = results.pi;
    m_payback = results.paybackYears;
    m_irr = results.irrPercent;
    m_roi = results.roiPercent;
    return true;
}

void CDiscountedCashFlowDlg::DoDataExchange(bool save) {
    CFormModel::DoDataExchange(save);
    if (!save) ShowSpecialOutcomes();
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
