// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Discounted Note: what to pay today for a note of known value on its due date to earn a
// wanted annual rate, or the rate a given price earns. The term runs in days (typed or from a
// purchase and a due date), months or years; the return is reckoned by compound interest,
// simple interest on 365 or 360 days, or bank discount.

#include "entry/date.h"
#include "entry/form_model.h"

namespace kavrel {

class CDiscountedNoteDlg : public CFormModel {
public:
    enum { IDD = 134, CommandId = 32800 };
    enum Control : int {
        IDC_COMPOUNDING = 10,
        IDC_COMPOUNDING_LABEL = 210,
        IDC_TERM = 11,
        IDC_RATE = 12,
        IDC_PRESENT_VALUE = 13,
        IDC_DUE_VALUE = 14,
        IDC_UNKNOWN_RATE = 22,
        IDC_UNKNOWN_PRESENT_VALUE = 23,
        IDC_PURCHASE_DATE = 1004,
        IDC_DUE_DATE = 1005,
        IDC_COMPOUND = 1087,
        IDC_EXACT_SIMPLE = 1088,
        IDC_BANK_DISCOUNT = 1089,
        IDC_BANKERS_RULE = 1090,
        IDC_METHOD_GROUP = 1091,
        IDC_TERM_UNIT = 1093,
        IDC_INTEREST_EARNED = 1095,
    };
    enum TermUnit : int { Days, Months, Years };

    CDiscountedNoteDlg();

protected:
    void SetDefaults() override;
    void OnEditChange(int id) override;
    void OnClicked(int id) override;
    bool Solve(double& result) override;
    void WriteRecord(ITextSink& out) override;

private:
    void SetMethod(int methodButton);
    // Both dates valid: their day count becomes the term, in days.
    void TermFromDates(int changedControl);

    int m_compounding = -1;
    int m_termUnit = -1;
    int m_method = IDC_COMPOUND;
    double m_dueValue = 0.0;
    double m_term = 0.0;
    double m_rate = 0.0; // percent
    double m_presentValue = 0.0;
    double m_interestEarned = 0.0;
    CDate m_purchase;
    CDate m_due;
};

} // namespace kavrel
