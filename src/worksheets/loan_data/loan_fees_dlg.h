// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The costs of a new mortgage: its own early-payoff penalty, its points and the other
// closing costs.

#include "entry/form_model.h"

namespace kavrel {

struct LoanFees {
    double penalty = 0.0; // percent of the balance paid off early
    double points = 0.0;  // percent of the new loan amount
    double otherCosts = 0.0;
};

class CLoanFeesDlg : public CFormModel {
public:
    enum { IDD = 122, IDC_OK = 1086 };
    enum Control : int {
        IDC_OTHER_COSTS_LABEL = 1058,
        IDC_OTHER_COSTS = 1059,
        IDC_PENALTY_LABEL = 1060,
        IDC_PENALTY = 1061,
        IDC_POINTS_LABEL = 1062,
        IDC_POINTS = 1063,
    };

    CLoanFeesDlg();

    // Set by the caller; an OK replaces them by the fields' values.
    LoanFees fees;

protected:
    void OnClicked(int id) override;
};

} // namespace kavrel
