#include "calculators/annuity/annuity_pv_dlg.h"

#include "engine/math_errors.h"
#include "engine/rate_solver.h"
#include "engine/tvm.h"
#include "resources/strings.h"

namespace kavrel {

namespace {

constexpr FieldInfo Fields[] = {
    {CAnnuityDlg::IDC_COMPOUNDING, 0, 1034, 0},
    {CAnnuityDlg::IDC_PAYMENTS_PER_YEAR, 1, 230, 0},
    {CAnnuityDlg::IDC_PAYMENT_COUNT, CAnnuityDlg::IDC_UNKNOWN_PAYMENT_COUNT, 231, 2},
    {CAnnuityDlg::IDC_RATE, CAnnuityDlg::IDC_UNKNOWN_RATE, 232, 6},
    {CAnnuityDlg::IDC_PRESENT_VALUE, CAnnuityDlg::IDC_UNKNOWN_PRESENT_VALUE, 233, 3},
    {CAnnuityDlg::IDC_PAYMENT, CAnnuityDlg::IDC_UNKNOWN_PAYMENT, 234, 3},
    {CAnnuityDlg::IDC_BALLOON, CAnnuityDlg::IDC_UNKNOWN_BALLOON, 235, 5},
};

} // namespace

CAnnuityPvDlg::CAnnuityPvDlg(int captionId) : CAnnuityDlg(IDD, captionId, IDS_LEASE_CAPTION) {
    BuildFromTable(Fields);
}

FieldTable CAnnuityPvDlg::Table() const {
    return Fields;
}

double* CAnnuityPvDlg::OwnValue(int controlId) {
    return controlId == IDC_BALLOON ? &m_balloon : &m_presentValue;
}

void CAnnuityPvDlg::OnInitDialog() {
    CAnnuityDlg::OnInitDialog();
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
