#pragma once
// Save and Sinking Fund: level payments that grow to a future value. Save pays at the start
// of each period, Sinking Fund at its end.

#include "calculators/annuity/annuity_dlg.h"

namespace kavrel {

class CAnnuityFvDlg : public CAnnuityDlg {
public:
    enum { IDD = 107, SaveCommand = 32783, SinkingFundCommand = 32782 };

    // captionId: IDS_SAVE_CAPTION or IDS_SINKING_FUND_CAPTION.
    explicit CAnnuityFvDlg(int captionId);
    FieldTable Table() const override;

protected:
    bool Solve(double& result) override;

private:
    double* OwnValue(int) override { return &m_futureValue; }

    double m_futureValue = 0.0;
};

} // namespace kavrel
