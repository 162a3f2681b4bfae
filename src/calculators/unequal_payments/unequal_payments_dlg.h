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
        IDC_NOTE = 1060,
        IDC_UNKNOWN_GROUP = 1100,
    };

    CUnequalPaymentsDlg();
    FieldTable Table() const override;

protected:
    void OnInitDialog() override;
    void OnEditChange(int id) override;
    void OnCalculate() override;
    void WriteRecord(ITextSink& out) override;

private:
    double Solve();

    double m_paymentCount = 0.0;
    double m_paymentsPerYear = 0.0;
    double m_presentValue = 0.0;
    double m_annualRate = 0.0;
    // The payments of periods 1 to n as the last Calculate read them.
    std::vector<double> m_payments;
};

} // namespace kavrel
