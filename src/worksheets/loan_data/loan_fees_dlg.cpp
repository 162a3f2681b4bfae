#include "worksheets/loan_data/loan_fees_dlg.h"

namespace kavrel {

namespace {

constexpr FieldInfo Fields[] = {
    {CLoanFeesDlg::IDC_PENALTY, 1, CLoanFeesDlg::IDC_PENALTY_LABEL, 9},
    {CLoanFeesDlg::IDC_POINTS, 1, CLoanFeesDlg::IDC_POINTS_LABEL, 9},
    {CLoanFeesDlg::IDC_OTHER_COSTS, 1, CLoanFeesDlg::IDC_OTHER_COSTS_LABEL, 4},
};

} // namespace

CLoanFeesDlg::CLoanFeesDlg() : CFormModel(IDD, "Future Loan Fees") {
    AddLabel(IDC_PENALTY_LABEL, "Penalty for Early Payoff (%):");
    AddEdit(IDC_PENALTY, EditRule::Decimal);
    AddLabel(IDC_POINTS_LABEL, "Points of new loan Amount (%):");
    AddEdit(IDC_POINTS, EditRule::Decimal);
    AddLabel(IDC_OTHER_COSTS_LABEL,
             "All other Closing Costs including\r\nOrigination Fee and Appraisal ($):");
    AddEdit(IDC_OTHER_COSTS, EditRule::Decimal);
    AddButton(IDC_OK, "OK");
    AddButton(IDCANCEL, "Cancel");
    SetButtons({IDC_OK, IDCANCEL});

    LayoutSection section{0, {}};
    for (const FieldInfo& field : Fields)
        section.rows.push_back({field.labelId, field.controlId});
    AddSection(std::move(section));

    BindAmount(IDC_PENALTY, fees.penalty);
    BindAmount(IDC_POINTS, fees.points);
    BindAmount(IDC_OTHER_COSTS, fees.otherCosts);
}

FieldTable CLoanFeesDlg::Table() const {
    return Fields;
}

void CLoanFeesDlg::OnClicked(int id) {
    if (id != IDC_OK) {
        CFormModel::OnClicked(id);
        return;
    }
    if (CheckInputs(Table(), 0) == 0 && Host()) Host()->EndForm(FormResult::Ok);
}

} // namespace kavrel
