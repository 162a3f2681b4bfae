// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/certificate_of_deposit/certificate_of_deposit_dlg.h"

#include "engine/dated_growth.h"
#include "engine/math_errors.h"
#include "entry/date_field.h"
#include "resources/strings.h"

#include <array>
#include <cmath>
#include <string_view>

namespace kavrel {

namespace {

enum Label : int {
    IDC_TERM_LABEL = 252,
    IDC_ISSUE_DATE_LABEL = 250,
    IDC_RATE_LABEL = 253,
    IDC_PRESENT_VALUE_LABEL = 254,
    IDC_FUTURE_VALUE_LABEL = 255,
    IDC_MATURITY_DATE_LABEL = 251,
    IDC_TERM_UNIT_LABEL = 291,
    IDC_INTEREST_EARNED_LABEL = 296,
    IDC_YIELD_LABEL = 297,
    IDC_ABOUT_GROUP = 1100,
    IDC_UNKNOWN_GROUP = 1101,
};

constexpr std::array<std::string_view, 4> CompoundingNames = {"Monthly", "Quarterly",
                                                              "Semiannually", "Annually"};
constexpr std::array<int, 4> CompoundingPerYear = {12, 4, 2, 1};
constexpr int Quarterly = 1;
constexpr std::array<std::string_view, 3> TermUnitNames = {"Days", "Months", "Years"};

constexpr int TypeRadioGroup = 1;
constexpr double PerDay = 0.0027397260273972603; // 1 / 365
constexpr double LongestTermYears = 300.0;

} // namespace

CCertificateOfDepositDlg::CCertificateOfDepositDlg()
    : CFormModel(IDD, "Certificate of Deposit (CD)") {
    DeclareRows({
        Row::OptionSection(IDC_TYPE_GROUP, "CD Type"),
        Row::Option(IDC_COMPOUND_TYPE, "Compound Interest", TypeRadioGroup),
        Row::Option(IDC_SIMPLE_TYPE, "Simple Interest", TypeRadioGroup),
        Row::Section(IDC_ABOUT_GROUP, "About the CD"),
        Row::Choice(IDC_COMPOUNDING, {IDC_COMPOUNDING_LABEL, "Compounding Period is:"},
                    {CompoundingNames.begin(), CompoundingNames.end()}, m_compounding),
        Row::Choice(IDC_TERM_UNIT, {IDC_TERM_UNIT_LABEL, "CD Term is in:"},
                    {TermUnitNames.begin(), TermUnitNames.end()}, m_termUnit),
        Row::Input(IDC_TERM, {IDC_TERM_LABEL, "CD Term:"}, LimitClass::LongCount, m_term),
        Row::Date(IDC_ISSUE_DATE, {IDC_ISSUE_DATE_LABEL, "CD Issue Date:"}, m_issue),
        Row::Input(IDC_RATE, {IDC_RATE_LABEL, "Annual Rate (%):"}, LimitClass::Rate, m_rate),
        Row::Section(IDC_UNKNOWN_GROUP, "Unknown"),
        Row::Unknown(IDC_PRESENT_VALUE, IDC_UNKNOWN_PRESENT_VALUE,
                     {IDC_PRESENT_VALUE_LABEL, "Present Value ($):"}, LimitClass::Amount,
                     m_presentValue),
        Row::Unknown(IDC_FUTURE_VALUE, IDC_UNKNOWN_FUTURE_VALUE,
                     {IDC_FUTURE_VALUE_LABEL, "Future Value ($):"}, LimitClass::Amount,
                     m_futureValue),
        Row::Section(),
        Row::Result(IDC_INTEREST_EARNED, {IDC_INTEREST_EARNED_LABEL, "Interest Earned ($):"},
                    LimitClass::Amount, m_interestEarned),
        Row::Result(IDC_YIELD, {IDC_YIELD_LABEL, "Yield to Maturity (%):"}, LimitClass::Rate,
                    m_yield),
        // A maturity after the last accepted year is no date to show: the field stays empty
        // while the amounts still count its days.
        Row::DateResult(IDC_MATURITY_DATE, {IDC_MATURITY_DATE_LABEL, "Maturity Date:"}, m_maturity),
    });
    AddStandardButtons();
    SetDefaultUnknown(IDC_UNKNOWN_FUTURE_VALUE);
}

void CCertificateOfDepositDlg::SetDefaults() {
    SetType(IDC_COMPOUND_TYPE);
    m_periodsPerYear = CompoundingPerYear[Quarterly];
    m_compounding = Quarterly;
    Select(IDC_COMPOUNDING, Quarterly);
    m_termUnit = Months;
    Select(IDC_TERM_UNIT, Months);
    m_issue.SetToday();
    SetText(IDC_ISSUE_DATE, m_issue.Format());
}

void CCertificateOfDepositDlg::SetType(int typeButton) {
    m_type = typeButton;
    Check(typeButton, true);
    const bool compound = typeButton == IDC_COMPOUND_TYPE;
    Enable(IDC_COMPOUNDING, compound);
    Enable(IDC_COMPOUNDING_LABEL, compound);
}

void CCertificateOfDepositDlg::OnClicked(int id) {
    if (id == IDC_COMPOUND_TYPE || id == IDC_SIMPLE_TYPE)
        SetType(id);
    else
        CFormModel::OnClicked(id);
}

bool CCertificateOfDepositDlg::CheckForm() {
    if (RequireDate(*this, IDC_ISSUE_DATE, IDS_ENTER_DATE, m_issue)) return false;
    const bool listed =
        m_compounding >= 0 && m_compounding < static_cast<int>(CompoundingPerYear.size());
    m_periodsPerYear = CompoundingPerYear[listed ? m_compounding : Quarterly];
    if (m_termUnit < Days || m_termUnit > Years) m_termUnit = Months;
    m_interestEarned = m_yield = 0.0;
    return true;
}

bool CCertificateOfDepositDlg::Solve(double& result) {
    if (m_unknown != IDC_PRESENT_VALUE && m_unknown != IDC_FUTURE_VALUE) return false;
    // The term field holds at most 999999, so every whole term fits an int.
    const int term = static_cast<int>(m_term);
    m_maturity = m_issue;
    if (m_termUnit == Days)
        m_maturity.AddDays(term);
    else
        m_maturity.AddMonths(m_termUnit == Months ? term : 12 * term);

    const double rate = m_rate * 0.01;
    const double m = m_periodsPerYear;
    const double years = DaysBetween(m_issue, m_maturity) * PerDay;
    if (years > LongestTermYears || CheckedPow(1.0 + rate / m, m * years) >= NoSolution) {
        result = NoSolution;
        return true;
    }

    if (m_type == IDC_SIMPLE_TYPE) {
        const double growth = 1.0 + rate * years;
        if (m_unknown == IDC_FUTURE_VALUE)
            result = m_futureValue = m_presentValue * growth;
        else
            result = m_presentValue = m_futureValue / growth;
        m_yield = m_rate;
    } else {
        const double growth =
            DatedGrowthFactor(m_issue, m_maturity, 12 / static_cast<int>(m), rate);
        // The bank credits whole cents: the maturity value is cut down, never rounded up.
        if (m_unknown == IDC_FUTURE_VALUE)
            result = m_futureValue = std::floor(m_presentValue * growth * 100.0) * 0.01;
        else
            result = m_presentValue = m_futureValue / growth;
        m_yield = (CheckedPow(1.0 + rate / m, m) - 1.0) * 100.0;
    }
    m_interestEarned = m_futureValue - m_presentValue;
    return true;
}

} // namespace kavrel
