// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/simple_interest/simple_interest_dlg.h"

#include "resources/strings.h"

#include <cmath>

namespace kavrel {

namespace {

constexpr int IDC_BASIS_GROUP = 1101;
constexpr int BasisRadioGroup = 1;

} // namespace

CSimpleInterestDlg::CSimpleInterestDlg()
    : CDayCountDlg(IDD, std::string(LoadString(IDS_EXACT_SIMPLE_INTEREST_CAPTION)),
                   "Annual Rate (%):") {
    DeclareRows({
        Row::Section(IDC_BASIS_GROUP, "Select for Calculation:"),
        Row::Option(IDC_BASIS_365, "365 days/year", BasisRadioGroup),
        Row::Option(IDC_BASIS_360, "360 days/year", BasisRadioGroup),
    });
}

void CSimpleInterestDlg::SetDefaults() {
    CDayCountDlg::SetDefaults();
    Check(IDC_BASIS_365, true);
    UpdateBasis();
}

void CSimpleInterestDlg::OnClicked(int id) {
    if (id == IDC_BASIS_365 || id == IDC_BASIS_360)
        UpdateBasis();
    else
        CDayCountDlg::OnClicked(id);
}

void CSimpleInterestDlg::UpdateBasis() {
    const bool exact = IsChecked(IDC_BASIS_365);
    m_daysPerYear = exact ? 365.0 : 360.0;
    SetCaption(std::string(
        LoadString(exact ? IDS_EXACT_SIMPLE_INTEREST_CAPTION : IDS_BANKERS_RULE_CAPTION)));
}

bool CSimpleInterestDlg::Solve(double& result) {
    const double years = m_days / m_daysPerYear;
    const double rate = m_rate * 0.01;
    const double gain = m_futureValue - m_presentValue;
    switch (m_unknown) {
    case IDC_FUTURE_VALUE:
        result = m_futureValue = m_presentValue * (1.0 + rate * years);
        break;
    case IDC_PRESENT_VALUE:
        result = m_presentValue = m_futureValue / (1.0 + rate * years);
        break;
    case IDC_RATE:
        result = m_rate = gain > 0.0 ? 100.0 * gain / (m_presentValue * years) : 0.0;
        break;
    case IDC_DAYS:
        // Whole days, halves rounded up.
        result = m_days =
            gain > 0.0 ? std::floor(gain / (rate * m_presentValue) * m_daysPerYear + 0.5) : 0.0;
        break;
    default:
        return false;
    }
    return true;
}

} // namespace kavrel
