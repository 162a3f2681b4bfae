// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Save and Sinking Fund: level payments that grow to a future value. Save pays at the start
// of each period, Sinking Fund at its end. "Chart..." draws the balance over the payments.

#include "calculators/annuity/annuity_dlg.h"

namespace kavrel {

class CAnnuityFvDlg : public CAnnuityDlg {
public:
    enum { IDD = 107, SaveCommand = 32783, SinkingFundCommand = 32782 };

    // captionId: IDS_SAVE_CAPTION or IDS_SINKING_FUND_CAPTION.
    explicit CAnnuityFvDlg(int captionId);

protected:
    void SetDefaults() override;
    void OnClicked(int id) override;
    bool Solve(double& result) override;
    void OnCalculated() override;

private:
    // The balance after each payment of the last successful Calculate, with its interest to
    // the end of the period.
    void ShowChart();

    double m_futureValue = 0.0;
    // What the chart draws, kept by the last successful Calculate.
    double m_chartedPayments = 0.0;
    double m_chartedRate = 0.0; // per payment period
    double m_chartedPayment = 0.0;
};

} // namespace kavrel
