// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bank Discount: the discount is taken from the future (face) value on a year of 360 days.

#include "calculators/simple_interest/day_count_dlg.h"

namespace kavrel {

class CBankDiscountDlg : public CDayCountDlg {
public:
    enum { IDD = 104, CommandId = 32778 };

    CBankDiscountDlg();

protected:
    bool Solve(double& result) override;
};

} // namespace kavrel
