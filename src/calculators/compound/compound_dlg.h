#pragma once
// Compound Interest: present value, future value, rate, compounding periods per year and
// the number of periods; any one of the last four is solved.

#include "entry/form_model.h"

namespace kavrel {

class CCompoundDlg : public CFormModel {
public:
    enum { IDD = 102, CommandId = 32779 };

    CCompoundDlg();
    FieldTable Table() const override;

protected:
    void OnInitDialog() override;
    bool Solve(double& result) override;

private:
    double m_periodsPerYear = 0.0;
    double m_periods = 0.0;
    double m_annualRate = 0.0;
    double m_presentValue = 0.0;
    double m_futureValue = 0.0;
};

} // namespace kavrel
