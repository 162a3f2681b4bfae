// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The common ground of Simple Interest and Bank Discount: a present value, a future value, a
// rate and a term in days, the term typed or derived from a start and an end date. The two
// forms share the field table and differ in the rate label, the day basis and the caption.

#include "entry/date.h"
#include "entry/form_model.h"

#include <string>

namespace kavrel {

class CDayCountDlg : public CFormModel {
public:
    enum Control : int {
        IDC_DAYS = 1007,
        IDC_RATE = 1008,
        IDC_PRESENT_VALUE = 1009,
        IDC_FUTURE_VALUE = 1010,
        IDC_INTEREST = 1011,
        IDC_UNKNOWN_DAYS = 1013,
        IDC_UNKNOWN_RATE = 1014,
        IDC_UNKNOWN_PRESENT_VALUE = 1015,
        IDC_UNKNOWN_FUTURE_VALUE = 1016,
    };

protected:
    CDayCountDlg(int dialogId, std::string caption, std::string rateLabel);

    void SetDefaults() override;
    void OnEditChange(int id) override;
    bool StartCalculate() override;
    void AfterSolve() override;

    double m_days = 0.0;
    double m_rate = 0.0; // percent
    double m_presentValue = 0.0;
    double m_futureValue = 0.0;
    double m_interest = 0.0;

private:
    CDate m_start;
    CDate m_end;
};

} // namespace kavrel
