// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the present-value and the future-value annuity forms share: the compounding list that
// rewrites Payments per Year, the payment count, the rate and the level payment, and the
// choice between payments at the start (annuity due) or the end of each period.

#include "entry/form_model.h"

#include <array>
#include <string_view>
#include <vector>

namespace kavrel {

struct CompoundingEntry {
    std::string_view name;
    double perYear;
};
inline constexpr std::array<CompoundingEntry, 7> CompoundingPerYear = {{
    {"Daily", 365},
    {"Weekly", 52},
    {"Biweekly", 26},
    {"Monthly", 12},
    {"Quarterly", 4},
    {"Semiannually", 2},
    {"Annually", 1},
}};

class CAnnuityDlg : public CFormModel {
public:
    enum Control : int {
        IDC_PAYMENTS_PER_YEAR = 30,
        IDC_PAYMENT_COUNT = 31,
        IDC_RATE = 32,
        IDC_PRESENT_VALUE = 33,
        IDC_PAYMENT = 34,
        IDC_BALLOON = 35,
        IDC_UNKNOWN_PAYMENT_COUNT = 41,
        IDC_UNKNOWN_RATE = 42,
        IDC_UNKNOWN_PRESENT_VALUE = 43,
        IDC_UNKNOWN_PAYMENT = 44,
        IDC_UNKNOWN_BALLOON = 45,
        IDC_PAYMENTS_PER_YEAR_LABEL = 230,
        IDC_PAYMENT_COUNT_LABEL = 231,
        IDC_RATE_LABEL = 232,
        IDC_PRESENT_VALUE_LABEL = 233,
        IDC_PAYMENT_LABEL = 234,
        IDC_BALLOON_LABEL = 235,
        IDC_FUTURE_VALUE_LABEL = 1022,
        IDC_UNKNOWN_FUTURE_VALUE = 1023,
        IDC_FUTURE_VALUE = 1024,
        IDC_COMPOUNDING = 1033,
        IDC_COMPOUNDING_LABEL = 1034,
        IDC_UNKNOWN_GROUP = 1100,
    };

    bool AnnuityDue() const { return m_annuityDue; }

protected:
    // The caption's string ID decides the timing: dueCaptionId makes an annuity due.
    CAnnuityDlg(int dialogId, int captionId, int dueCaptionId);
    // Declares the rows the forms share around the form's own value (its present or future
    // value) and the rows that follow the payment.
    void DeclareAnnuityRows(FieldRow value, std::vector<FieldRow> afterPayment);
    void SetDefaults() override;
    void OnSelChange(int id) override;

    // The compounding periods per year of the selected entry.
    double CompoundingPeriods() const;
    // The rate per payment period, and the timing factor: 1 + i for an annuity due, else 1.
    double PeriodRateNow() const;
    double TimingFactor(double periodRate) const { return m_annuityDue ? 1 + periodRate : 1.0; }

    int m_captionId;
    bool m_annuityDue;
    int m_compounding = -1;
    double m_paymentsPerYear = 0.0;
    double m_paymentCount = 0.0;
    double m_annualRate = 0.0;
    double m_payment = 0.0;
};

} // namespace kavrel
