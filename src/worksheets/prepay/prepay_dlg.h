// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Prepay Mortgage: whether paying more than the required payment beats investing the
// difference, compared at the moment the larger payment pays the loan off.

#include "entry/form_model.h"
#include "worksheets/loan_data/loan_terms.h"

namespace kavrel {

class CPrepayDlg : public CFormModel {
public:
    enum { IDD = 123, CommandId = 32794 };
    enum Control : int {
        IDC_PAYMENTS_MADE_LABEL = 1038,
        IDC_PAYMENTS_MADE = 1039,
        IDC_DO_LOAN = 1040,
        IDC_LOAN_PROMPT = 1041,
        IDC_CURRENT_PAYMENT_LABEL = 1046,
        IDC_CURRENT_PAYMENT = 1047,
        IDC_NOW_OWE = 1049,
        IDC_NOW_OWE_LABEL = 1050,
        IDC_PREPAY_SAVINGS = 1053,
        IDC_INVEST_SAVINGS_LABEL = 1054,
        IDC_INVEST_SAVINGS = 1055,
        IDC_INVESTMENT_RATE_LABEL = 1056,
        IDC_INVESTMENT_RATE = 1057,
        IDC_TAX_BRACKET = 1058,
        IDC_TAX_BRACKET_LABEL = 1059,
        IDC_BENEFIT_LABEL = 1060,
        IDC_BENEFIT = 1061,
        IDC_BANNER = 1064,
        IDC_NEW_PAYMENT_LABEL = 1065,
        IDC_NEW_PAYMENT = 1066,
        IDC_PAYOFF_LABEL = 1067,
        IDC_PAYOFF = 1068,
        IDC_PERIODS = 1069,
        IDC_BEFORE_TAXES = 1070,
        IDC_STEP1_GROUP = 1071,
        IDC_STEP2_GROUP = 1072,
        IDC_PREPAY_SAVINGS_LABEL = 1084,
    };

    CPrepayDlg();
    std::unique_ptr<CFormModel> SubFormFor(int buttonId) const override;

protected:
    void OnClicked(int id) override;
    bool CheckForm() override;
    bool Solve(double& result) override;
    void AfterSolve() override;
    void WriteRecord(ITextSink& out) override;

private:
    void EditLoan();

    LoanTerms m_loan;
    double m_paymentsMade = 0.0;
    double m_nowOwe = 0.0;
    double m_newPayment = 0.0;
    double m_investmentRate = 0.0; // percent, before taxes
    double m_taxBracket = 0.0;     // percent
    double m_payoffPeriods = 0.0;  // fractional
    double m_payoffBalloon = 0.0;
    double m_prepaySavings = 0.0;
    double m_investSavings = 0.0;
    double m_benefit = 0.0;
};

} // namespace kavrel
