// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The terms of one mortgage, entered for a worksheet: from them the form computes the loan's
// periodic payment. Titled "Current Loan Data" or "Future Loan Data" by its caller.

#include "entry/form_model.h"
#include "worksheets/loan_data/loan_terms.h"

namespace kavrel {

class CLoanDataDlg : public CFormModel {
public:
    enum { IDD = 120, IDC_OK = 1085 };

    // captionId: the string of the caption, IDS_CURRENT_LOAN_DATA or IDS_FUTURE_LOAN_DATA.
    explicit CLoanDataDlg(int captionId);

    // Set by the caller before the form runs and read back after an OK. The payment is the
    // form's result; it is computed from the other terms.
    LoanTerms loan;
    // A future loan may not be less than this (the amount owed on the loan it replaces).
    bool futureLoan = false;
    double minimumPrincipal = 0.0;

protected:
    void SetDefaults() override;
    void OnClicked(int id) override;

private:
    void OnOk();
};

} // namespace kavrel
