// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Discounted Cash Flow: an investment given as an outflow and an inflow per period, typed one
// period per line. Every Calculate computes all its measures; there is no unknown to choose.

#include "entry/form_model.h"

#include <vector>

namespace kavrel {

class CDiscountedCashFlowDlg : public CFormModel {
public:
    enum { IDD = 112, CommandId = 32790 };
    enum Control : int {
        IDC_PER_YEAR = 70,
        IDC_CASH_FLOWS = 77,
        IDC_RATE = 113,
        IDC_PI = 115,
        IDC_PAYBACK = 116,
        IDC_IRR = 117,
        IDC_ROI = 118,
        IDC_COUNT = 1007,
        IDC_NPV = 1009,
        IDC_HEADING = 1065,
        IDC_HINT = 1066,
        IDC_RESULTS_GROUP = 1067,
        IDC_NPV_LABEL = 254,
        IDC_PER_YEAR_LABEL = 270,
        IDC_CASH_FLOWS_LABEL = 277,
        IDC_RATE_LABEL = 313,
        IDC_PI_LABEL = 315,
        IDC_PAYBACK_LABEL = 316,
        IDC_IRR_LABEL = 317,
        IDC_ROI_LABEL = 318,
        IDC_COUNT_LABEL = 1064,
    };

    CDiscountedCashFlowDlg();

protected:
    void SetDefaults() override;
    void OnEditChange(int id) override;
    bool StartCalculate() override;
    bool CheckForm() override;
    bool Solve(double& result) override;
    // The special outcomes show as words in place of their numbers.
    void DoDataExchange(bool save) override;
    void WriteRecord(ITextSink& out) override;

private:
    void ShowSpecialOutcomes();

    double m_perYear = 0.0;
    double m_count = 0.0;
    double m_ratePercent = 0.0;
    double m_npv = 0.0;
    double m_pi = 0.0;
    double m_payback = 0.0;
    double m_irr = 0.0;
    double m_roi = 0.0;
    // The series of the last Calculate, periods 0 to n - 1.
    std::vector<double> m_inflows;
    std::vector<double> m_outflows;
};

} // namespace kavrel
