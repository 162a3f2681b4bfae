// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/annuity/annuity_pv_dlg.h"

#include "engine/math_errors.h"
#include "engine/rate_solver.h"
#include "engine/tvm.h"
#include "resources/strings.h"

namespace kavrel {

CAnnuityPvDlg::CAnnuityPvDlg(int captionId) : CAnnuityDlg(IDD, captionId, IDS_LEASE_CAPTION) {
    DeclareAnnuityRows(
        Row::Unknown(IDC_PRESENT_VALUE, IDC_UNKNOWN_PRESENT_VALUE,
                     {IDC_PRESENT_VALUE_LABEL, "Present Value ($):"}, LimitClass::Amount,
                     m_presentValue),
        {Row::Unknown(IDC_BALLOON, IDC_UNKNOWN_BALLOON, {IDC_BALLOON_LABEL, "Balloon Payment ($):"},
                      LimitClass::SignedAmount, m_balloon)});
}

void CAnnuityPvDlg::SetDefaults() {
    CAnnuityDlg::SetDefaults();
    SetText(IDC_BALLOON, "0");
}

bool CAnnuityPvDlg::Solve(double& result) {
    const double mc = CompoundingPeriods();
    if (m_unknown == IDC_RATE) {
        const double x = SolveRate(m_annuityDue, 0, m_paymentsPerYear, m_paymentCount,
                                   m_presentValue, m_payment, m_balloon);
        // "No rate" must reach the result check as it is: converted to an annual rate it
        // could fall inside the field's limits.
        result = m_annualRate = x >= NoSolution ? x : AnnualRatePercent(x, mc, m_paymentsPerYear);
        return true;
    }
    // The engine works per payment period: one period a year at the period rate.
    const double i = PeriodRateNow();
    const double t = TimingFactor(i);
    const double ratePercent = i * 100;
    switch (m_unknown) {
    case IDC_PAYMENT_COUNT: {
        double balloon = m_balloon;
        result = m_paymentCount =
            SolvePaymentCount(0, 1, t, ratePercent, m_presentValue, m_payment, balloon);
        break;
    }
    case IDC_PRESENT_VALUE:
        result = m_presentValue =
            AnnuityPresentValue(t, 1, m_paymentCount, ratePercent, m_payment, m_balloon);
        break;
    case IDC_PAYMENT:
        result = m_payment =
            AnnuityPayment(t, 1, m_paymentCount, ratePercent, m_presentValue, m_balloon);
        break;
    case IDC_BALLOON:
        result = m_balloon =
            RemainingBalance(t, 1, m_paymentCount, ratePercent, m_presentValue, m_payment);
        break;
    default:
        return false;
    }
    return true;
}

} // namespace kavrel
