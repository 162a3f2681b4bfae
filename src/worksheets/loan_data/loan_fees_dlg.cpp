// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/loan_data/loan_fees_dlg.h"

namespace kavrel {

CLoanFeesDlg::CLoanFeesDlg() : CFormModel(IDD, "Future Loan Fees") {
    DeclareRows({
        Row::Input(IDC_PENALTY, {IDC_PENALTY_LABEL, "Penalty for Early Payoff (%):"},
                   LimitClass::Percent, fees.penalty),
        Row::Input(IDC_POINTS, {IDC_POINTS_LABEL, "Points of new loan Amount (%):"},
                   LimitClass::Percent, fees.points),
        Row::Input(IDC_OTHER_COSTS,
                   {IDC_OTHER_COSTS_LABEL,
                    "All other Closing Costs including\r\nOrigination Fee and Appraisal ($):"},
                   LimitClass::AmountOrZero, fees.otherCosts),
    });
    AddButton(IDC_OK, "OK");
    AddButton(IDCANCEL, "Cancel");
    SetButtons({IDC_OK, IDCANCEL});
}

void CLoanFeesDlg::OnClicked(int id) {
    if (id != IDC_OK) {
        CFormModel::OnClicked(id);
        return;
    }
    if (CheckInputs(Table(), 0) == 0 && Host()) Host()->EndForm(FormResult::Ok);
}

} // namespace kavrel
