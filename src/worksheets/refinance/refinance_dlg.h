// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Refinancing a Mortgage: whether replacing the current mortgage by a new one pays off over
// the years the new loan is kept, valued at the rate the owner earns on investments.

#include "entry/form_model.h"
#include "worksheets/loan_data/loan_fees_dlg.h"
#include "worksheets/loan_data/loan_terms.h"

namespace kavrel {

class CRefinanceDlg : public CFormModel {
public:
    enum { IDD = 118, CommandId = 32793 };
    enum Control : int {
        IDC_PENALTY_LABEL = 1036,
        IDC_PENALTY = 1037,
        IDC_PAYMENTS_MADE_LABEL = 1038,
        IDC_PAYMENTS_MADE = 1039,
        IDC_DO_CURRENT_LOAN = 1040,
        IDC_COSTS_PROMPT = 1041,
        IDC_CURRENT_PROMPT = 1042,
        IDC_COST_LABEL = 1043,
        IDC_FUTURE_PROMPT = 1044,
        IDC_DO_FUTURE_LOAN = 1045,
        IDC_CURRENT_PAYMENT_LABEL = 1046,
        IDC_CURRENT_PAYMENT = 1047,
        IDC_FUTURE_PAYMENT_LABEL = 1048,
        IDC_NOW_OWE = 1049,
        IDC_NOW_OWE_LABEL = 1050,
        IDC_WILL_OWE_LABEL = 1052,
        IDC_FUTURE_PAYMENT = 1054,
        IDC_WILL_OWE = 1055,
        IDC_INVESTMENT_RATE_LABEL = 1056,
        IDC_INVESTMENT_RATE = 1057,
        IDC_YEARS_KEPT_LABEL = 1058,
        IDC_YEARS_KEPT = 1059,
        IDC_SAVINGS_LABEL = 1060,
        IDC_SAVINGS = 1061,
        IDC_DO_FEES = 1062,
        IDC_COST = 1063,
        IDC_BANNER = 1064,
        IDC_SAVINGS_HINT = 1065,
        IDC_STEP1_GROUP = 1070,
        IDC_STEP2_GROUP = 1071,
        IDC_STEP3_GROUP = 1072,
    };

    CRefinanceDlg();
    std::unique_ptr<CFormModel> SubFormFor(int buttonId) const override;

protected:
    void OnClicked(int id) override;
    bool CheckForm() override;
    bool Solve(double& result) override;
    void WriteRecord(ITextSink& out) override;

private:
    void EditCurrentLoan();
    void EditFutureLoan();
    void EditFees();
    double RefinanceCost() const;

    LoanTerms m_current;
    double m_currentPenalty = 0.0; // percent
    double m_paymentsMade = 0.0;
    double m_nowOwe = 0.0;
    LoanTerms m_future;
    double m_willOwe = 0.0;
    LoanFees m_fees;
    double m_cost = 0.0;
    double m_investmentRate = 0.0; // percent
    double m_yearsKept = 0.0;
    double m_savings = 0.0;
};

} // namespace kavrel
