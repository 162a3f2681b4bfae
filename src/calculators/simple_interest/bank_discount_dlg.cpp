// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/simple_interest/bank_discount_dlg.h"

#include "engine/math_errors.h"

#include <cmath>

namespace kavrel {

namespace {

constexpr double PerDay = 0.002777777777777778; // 1 / 360
// A rate solved from a face value a thousand times the price or more is no answer.
constexpr double LargestGrowth = 1000.0;

} // namespace

CBankDiscountDlg::CBankDiscountDlg() : CDayCountDlg(IDD, "Bank Discount", "Discount Rate (%):") {}

bool CBankDiscountDlg::Solve(double& result) {
    const double years = m_days * PerDay;
    const double rate = m_rate * 0.01;
    const double discount = rate * years; // the share of the face value taken off
    const bool noGain =
        m_futureValue <= m_presentValue || m_futureValue / m_presentValue >= LargestGrowth;
    switch (m_unknown) {
    case IDC_PRESENT_VALUE:
        result = m_presentValue = discount >= 1.0 ? 0.0 : m_futureValue * (1.0 - discount);
        break;
    case IDC_FUTURE_VALUE:
        result = m_futureValue = discount >= 1.0 ? 0.0 : m_presentValue / (1.0 - discount);
        break;
    case IDC_RATE:
        result = m_rate = noGain
                              ? NoSolution
                              : 100.0 * (m_futureValue - m_presentValue) / (m_futureValue * years);
        break;
    case IDC_DAYS:
        result = m_days =
            noGain ? NoSolution
                   : std::floor((m_futureValue - m_presentValue) / (m_futureValue * rate) * 360.0 +
                                0.5);
        break;
    default:
        return false;
    }
    return true;
}

} // namespace kavrel
