// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Certificate of Deposit: the value at maturity of a deposit, or the deposit for a wanted
// maturity value, with the maturity date, the interest earned and the yield. Compound CDs
// are credited at calendar period ends on actual days; simple CDs earn actual days over 365.

#include "entry/date.h"
#include "entry/form_model.h"

namespace kavrel {

class CCertificateOfDepositDlg : public CFormModel {
public:
    enum { IDD = 110, CommandId = 32788 };
    enum Control : int {
        IDC_TYPE_GROUP = 20,
        IDC_COMPOUND_TYPE = 46,
        IDC_SIMPLE_TYPE = 48,
        IDC_COMPOUNDING = 70,
        IDC_COMPOUNDING_LABEL = 270,
        IDC_INTEREST_EARNED = 96,
        IDC_YIELD = 97,
        IDC_TERM_UNIT = 106,
        IDC_ISSUE_DATE = 1004,
        IDC_MATURITY_DATE = 1005,
        IDC_TERM = 1007,
        IDC_RATE = 1008,
        IDC_PRESENT_VALUE = 1009,
        IDC_FUTURE_VALUE = 1010,
        IDC_UNKNOWN_PRESENT_VALUE = 1015,
        IDC_UNKNOWN_FUTURE_VALUE = 1016,
    };
    enum TermUnit : int { Days, Months, Years };

    CCertificateOfDepositDlg();

protected:
    void SetDefaults() override;
    void OnClicked(int id) override;
    bool CheckForm() override;
    bool Solve(double& result) override;

private:
    void SetType(int typeButton);

    int m_compounding = -1;
    int m_termUnit = -1;
    int m_type = IDC_COMPOUND_TYPE;
    double m_futureValue = 0.0;
    double m_term = 0.0;
    double m_rate = 0.0; // percent
    double m_periodsPerYear = 0.0;
    double m_presentValue = 0.0;
    double m_interestEarned = 0.0;
    double m_yield = 0.0; // percent
    CDate m_issue;
    CDate m_maturity;
};

} // namespace kavrel
