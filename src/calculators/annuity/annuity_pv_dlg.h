// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loan and Lease: a present value repaid by level payments, with an optional balloon at the
// end. The Lease pays at the start of each period, the Loan at its end.

#include "calculators/annuity/annuity_dlg.h"

namespace kavrel {

class CAnnuityPvDlg : public CAnnuityDlg {
public:
    enum { IDD = 106, LoanCommand = 32781, LeaseCommand = 32784 };

    // captionId: IDS_LOAN_CAPTION or IDS_LEASE_CAPTION.
    explicit CAnnuityPvDlg(int captionId);

protected:
    void SetDefaults() override;
    bool Solve(double& result) override;

private:
    double m_presentValue = 0.0;
    double m_balloon = 0.0;
};

} // namespace kavrel
