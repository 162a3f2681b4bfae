// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Simple Interest: interest added to the present value on a year of 365 days ("Exact Simple
// Interest") or 360 days ("Bankers' Rule Simple Interest"); the caption follows the choice.

#include "calculators/simple_interest/day_count_dlg.h"

namespace kavrel {

class CSimpleInterestDlg : public CDayCountDlg {
public:
    enum { IDD = 105, CommandId = 32777 };
    enum Basis : int { IDC_BASIS_365 = 46, IDC_BASIS_360 = 47 };

    CSimpleInterestDlg();

protected:
    void SetDefaults() override;
    void OnClicked(int id) override;
    bool Solve(double& result) override;

private:
    // Takes the basis and the caption from the checked button; recalculates nothing.
    void UpdateBasis();

    double m_daysPerYear = 0.0;
};

} // namespace kavrel
