// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Purchased Mortgage Yield: the yield to maturity of an existing mortgage bought at a given
// cost, with its present value (the balance the borrower still owes) and the payments left.

#include "entry/form_model.h"
#include "worksheets/loan_data/loan_terms.h"

namespace kavrel {

class CPurchasedMortgageDlg : public CFormModel {
public:
    enum { IDD = 124, CommandId = 32795 };
    enum Control : int {
        IDC_PAYMENTS_MADE_LABEL = 1038,
        IDC_PAYMENTS_MADE = 1039,
        IDC_DO_LOAN = 1040,
        IDC_LOAN_PROMPT = 1041,
        IDC_COST_LABEL = 1043,
        IDC_PAYMENT_LABEL = 1046,
        IDC_PAYMENT = 1047,
        IDC_PRESENT_VALUE = 1049,
        IDC_PRESENT_VALUE_LABEL = 1050,
        IDC_YIELD_LABEL = 1060,
        IDC_YIELD = 1061,
        IDC_COST = 1063,
        IDC_BANNER = 1064,
        IDC_PAYMENTS_LEFT_LABEL = 1067,
        IDC_PAYMENTS_LEFT = 1068,
        IDC_PERIODS = 1069,
        IDC_STEP1_GROUP = 1071,
        IDC_STEP2_GROUP = 1072,
    };

    CPurchasedMortgageDlg();
    std::unique_ptr<CFormModel> SubFormFor(int buttonId) const override;

protected:
    void OnClicked(int id) override;
    void OnKillFocus(int id) override;
    bool CheckForm() override;
    bool Solve(double& result) override;
    void WriteRecord(ITextSink& out) override;

private:
    void EditLoan();
    double PresentValue() const;

    LoanTerms m_loan;
    double m_paymentsMade = 0.0;
    double m_presentValue = 0.0;
    double m_cost = 0.0;
    double m_paymentsLeft = 0.0;
    double m_yield = 0.0; // annual percent
};

} // namespace kavrel
