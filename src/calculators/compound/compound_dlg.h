// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Compound Interest: present value, future value, rate, compounding periods per year and
// the number of periods; any one of the last four is solved, and "Chart..." draws the value
// over the periods.

#include "entry/form_model.h"

namespace kavrel {

class CCompoundDlg : public CFormModel {
public:
    enum { IDD = 102, CommandId = 32779 };

    CCompoundDlg();

protected:
    void SetDefaults() override;
    void OnClicked(int id) override;
    bool Solve(double& result) override;
    void OnCalculated() override;

private:
    // The value from the present value to the future value of the last successful Calculate.
    void ShowChart();

    double m_periodsPerYear = 0.0;
    double m_periods = 0.0;
    double m_annualRate = 0.0;
    double m_presentValue = 0.0;
    double m_futureValue = 0.0;
    // What the chart draws: the last successful Calculate's present value, growth per period
    // and number of periods.
    double m_chartedPresentValue = 0.0;
    double m_chartedGrowth = 1.0;
    double m_chartedPeriods = 0.0;
};

} // namespace kavrel
