// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/income_from_savings/income_from_savings_dlg.h"

#include "document/record.h"
#include "engine/math_errors.h"
#include "worksheets/common/worksheet_record.h"
#include "worksheets/income_from_savings/life_expectancy.h"

namespace kavrel {

namespace {

constexpr int IDS_INFLATION_NOT_BELOW_EARNED = 64;
constexpr int IDS_AGE_OUTSIDE_TABLE = 65;

// A group box's title is read into a buffer of this size when recorded.
constexpr size_t GroupTitleLimit = 38;

} // namespace

CIncomeFromSavingsDlg::CIncomeFromSavingsDlg() : CFormModel(IDD, "Income From Your Savings") {
    DeclareRows({
        Row::Section(IDC_INVESTMENTS_GROUP, "About Your Investments"),
        Row::Input(IDC_EARNED_RATE,
                   {IDC_EARNED_RATE_LABEL, "Average Annual Rate Earned on Your Investments (%):"},
                   LimitClass::Rate, m_earnedRate),
        Row::Input(IDC_INFLATION_RATE,
                   {IDC_INFLATION_RATE_LABEL, "Assumed Yearly Inflation Rate (%):"},
                   LimitClass::Percent, m_inflationRate),
        Row::Input(IDC_AGE, {IDC_AGE_LABEL, "Your Present Age:"}, LimitClass::Count, m_age),
        Row::Section(IDC_UNKNOWN_GROUP, "Unknown"),
        Row::Unknown(IDC_SAVINGS, IDC_UNKNOWN_SAVINGS, {IDC_SAVINGS_LABEL, "Savings Amount ($):"},
                     LimitClass::Amount, m_savings),
        Row::Unknown(IDC_PAYMENT_COUNT, IDC_UNKNOWN_PAYMENT_COUNT,
                     {IDC_PAYMENT_COUNT_LABEL, "Number of Yearly Payments:"}, LimitClass::Amount,
                     m_paymentCount),
        Row::Unknown(IDC_PAYMENT, IDC_UNKNOWN_PAYMENT, {IDC_PAYMENT_LABEL, "Yearly Payment ($):"},
                     LimitClass::Amount, m_payment),
        Row::Section(IDC_IRS_GROUP, "IRS Minimums for IRA or 401K"),
        Row::Result(IDC_LIFE_EXPECTANCY, {IDC_LIFE_EXPECTANCY_LABEL, "   Life Expectancy (years):"},
                    LimitClass::Amount, m_lifeExpectancy),
        Row::Result(IDC_DISTRIBUTION, {IDC_DISTRIBUTION_LABEL, "   Distribution Payment ($):"},
                    LimitClass::Amount, m_distribution),
    });
    AddStandardButtons();
    SetDefaultUnknown(IDC_UNKNOWN_PAYMENT);
}

void CIncomeFromSavingsDlg::OnKillFocus(int id) {
    if (id != IDC_AGE) return;
    DoDataExchange(true);
    if (auto years = LifeExpectancy(m_age)) m_lifeExpectancy = *years;
    DoDataExchange(false);
}

bool CIncomeFromSavingsDlg::CheckForm() {
    if (m_earnedRate > m_inflationRate) return true;
    Message(IDS_INFLATION_NOT_BELOW_EARNED);
    MoveFocus(IDC_INFLATION_RATE);
    return false;
}

// The savings are the present value at the earned rate of yearly payments, made at the end
// of each year, that grow with inflation: S = P * (1 - c^N) / k.
bool CIncomeFromSavingsDlg::Solve(double& result) {
    const double earned = m_earnedRate / 100.0;
    const double inflation = m_inflationRate / 100.0;
    const double k = earned - inflation;
    const double c = (1.0 + inflation) / (1.0 + earned);
    result = 0.0;
    if (k <= 0.0) return true;
    const double factor = (1.0 - CheckedPow(c, m_paymentCount)) / k;
    switch (m_unknown) {
    case IDC_SAVINGS:
        result = m_savings = m_payment * factor;
        break;
    case IDC_PAYMENT:
        result = m_payment = m_savings / factor;
        break;
    case IDC_PAYMENT_COUNT: {
        const double a = k * m_savings / m_payment;
        // The real return alone pays the income: the savings never run out.
        result = m_paymentCount = a >= 1.0 ? 0.0 : CheckedLog(1.0 - a) / CheckedLog(c);
        break;
    }
    default:
        break;
    }
    return true;
}

void CIncomeFromSavingsDlg::AfterSolve() {
    if (auto years = LifeExpectancy(m_age)) {
        m_lifeExpectancy = *years;
        m_distribution = m_savings / m_lifeExpectancy;
    } else {
        // The income is still shown; only the distribution is left out.
        m_lifeExpectancy = m_distribution = 0.0;
        Message(IDS_AGE_OUTSIDE_TABLE);
        MoveFocus(IDC_AGE);
    }
}

void CIncomeFromSavingsDlg::WriteRecord(ITextSink& out) {
    ScopedRecordWidth width(WorksheetRecordWidth);
    RecordTitle(*this, out);
    for (int row = 0; row <= 5; ++row)
        RecordField(*this, Table(), out, row);
    out.Insert("\r\n" + Text(IDC_IRS_GROUP).substr(0, GroupTitleLimit) + "\r\n");
    RecordField(*this, Table(), out, 6);
    RecordField(*this, Table(), out, 7);
}

} // namespace kavrel
