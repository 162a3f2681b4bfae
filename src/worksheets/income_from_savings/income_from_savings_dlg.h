// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Income From Your Savings: savings, the number of yearly payments or the first yearly
// payment of an income that grows with inflation, and the minimum yearly distribution of a
// retirement account for the owner's age.

#include "entry/form_model.h"

namespace kavrel {

class CIncomeFromSavingsDlg : public CFormModel {
public:
    enum { IDD = 126, CommandId = 32796 };
    enum Control : int {
        IDC_PAYMENT_COUNT = 11,
        IDC_SAVINGS = 13,
        IDC_PAYMENT_COUNT_LABEL = 211,
        IDC_SAVINGS_LABEL = 213,
        IDC_PAYMENT_LABEL = 256,
        IDC_PAYMENT = 1011,
        IDC_AGE = 1067,
        IDC_AGE_LABEL = 1068,
        IDC_EARNED_RATE = 1072,
        IDC_INFLATION_RATE = 1073,
        IDC_INFLATION_RATE_LABEL = 1074,
        IDC_EARNED_RATE_LABEL = 1075,
        IDC_LIFE_EXPECTANCY_LABEL = 1076,
        IDC_DISTRIBUTION_LABEL = 1077,
        IDC_LIFE_EXPECTANCY = 1078,
        IDC_DISTRIBUTION = 1079,
        IDC_UNKNOWN_SAVINGS = 1080,
        IDC_UNKNOWN_PAYMENT_COUNT = 1081,
        IDC_UNKNOWN_PAYMENT = 1082,
        IDC_IRS_GROUP = 1083,
        IDC_INVESTMENTS_GROUP = 1084,
        IDC_UNKNOWN_GROUP = 1100,
    };

    CIncomeFromSavingsDlg();

protected:
    void OnKillFocus(int id) override;
    bool CheckForm() override;
    bool Solve(double& result) override;
    void AfterSolve() override;
    void WriteRecord(ITextSink& out) override;

private:
    double m_earnedRate = 0.0;    // percent
    double m_inflationRate = 0.0; // percent
    double m_age = 0.0;
    double m_savings = 0.0;
    double m_paymentCount = 0.0; // need not be whole
    double m_payment = 0.0;      // the first yearly payment
    double m_lifeExpectancy = 0.0;
    double m_distribution = 0.0;
};

} // namespace kavrel
