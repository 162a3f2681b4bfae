// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ordinary Annuity with Unequal Payments: end-of-period payments that differ from period to
// period, typed one per line; solves the present value or the annual rate.

#include "entry/form_model.h"

#include <vector>

namespace kavrel {

class CUnequalPaymentsDlg : public CFormModel {
public:
    enum { IDD = 133, CommandId = 32798 };
    enum Control : int {
        IDC_PAYMENTS_PER_YEAR = 30,
        IDC_PAYMENT_COUNT = 31,
        IDC_RATE = 32,
        IDC_PRESENT_VALUE = 33,
        IDC_PAYMENTS = 34,
        IDC_UNKNOWN_RATE = 42,
        IDC_UNKNOWN_PRESENT_VALUE = 43,
        IDC_PAYMENTS_PER_YEAR_LABEL = 230,
        IDC_PAYMENT_COUNT_LABEL = 231,
        IDC_RATE_LABEL = 232,
        IDC_PRESENT_VALUE_LABEL = 233,
        IDC_PAYMENTS_LABEL = 234,
        IDC_NOTE = 1060,
        IDC_UNKNOWN_GROUP = 1100,
    };

    CUnequalPaymentsDlg();

protected:
    void SetDefaults() override;
    void OnEditChange(int id) override;
    bool StartCalculate() override;
    bool CheckForm() override;
    bool Solve(double& result) override;
    void WriteRecord(ITextSink& out) override;

private:
    double m_paymentCount = 0.0;
    double m_paymentsPerYear = 0.0;
    double m_presentValue = 0.0;
    double m_annualRate = 0.0;
    // The payments of periods 1 to n as the last Calculate read them.
    std::vector<double> m_payments;
};

} // namespace kavrel
