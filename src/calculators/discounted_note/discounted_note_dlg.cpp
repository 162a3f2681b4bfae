// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/discounted_note/discounted_note_dlg.h"

#include "engine/math_errors.h"
#include "entry/date_field.h"
#include "entry/number_text.h"
#include "resources/strings.h"

#include <array>
#include <string_view>

namespace kavrel {

namespace {

enum Label : int {
    IDC_TERM_LABEL = 211,
    IDC_PURCHASE_DATE_LABEL = 212,
    IDC_PRESENT_VALUE_LABEL = 213,
    IDC_DUE_VALUE_LABEL = 214,
    IDC_DUE_DATE_LABEL = 215,
    IDC_RATE_LABEL = 1000,
    IDC_TERM_UNIT_LABEL = 1092,
    IDC_INTEREST_EARNED_LABEL = 1094,
    IDC_DATES_NOTE = 1096,
    IDC_ABOUT_GROUP = 1097,
    IDC_UNKNOWN_GROUP = 1098,
};

constexpr std::array<std::string_view, 4> CompoundingNames = {"Monthly", "Quarterly",
                                                              "Semiannually", "Annually"};
constexpr std::array<int, 4> CompoundingPerYear = {12, 4, 2, 1};
constexpr int Quarterly = 1;
constexpr std::array<std::string_view, 3> TermUnitNames = {"Days", "Months", "Years"};
constexpr std::array<double, 3> UnitsPerYear = {365.0, 12.0, 1.0};
constexpr double BankersYearDays = 360.0;

constexpr int MethodRadioGroup = 1;
// A rate solved from a value due a thousand times the price or more is no answer.
constexpr double LargestGrowth = 1000.0;

} // namespace

CDiscountedNoteDlg::CDiscountedNoteDlg() : CFormModel(IDD, "Discounted Note") {
    // The dates are not exchanged: the edit-change handler keeps them current.
    DeclareRows({
        Row::OptionSection(IDC_METHOD_GROUP, "Calculation Method"),
        Row::Option(IDC_COMPOUND, "Compound", MethodRadioGroup),
        Row::Option(IDC_EXACT_SIMPLE, "Exact Simple (365 days)", MethodRadioGroup),
        Row::Option(IDC_BANK_DISCOUNT, "Bank Discount", MethodRadioGroup),
        Row::Option(IDC_BANKERS_RULE, "Bankers' Rule (360 days)", MethodRadioGroup),
        Row::Section(IDC_ABOUT_GROUP, "About the Note"),
        Row::Choice(IDC_COMPOUNDING, {IDC_COMPOUNDING_LABEL, "Compounding Period is:"},
                    {CompoundingNames.begin(), CompoundingNames.end()}, m_compounding),
        Row::Note(IDC_DATES_NOTE, "Enter Dates for Term in Days"),
        Row::Date(IDC_PURCHASE_DATE, {IDC_PURCHASE_DATE_LABEL, "Purchase Date:"}),
        Row::Date(IDC_DUE_DATE, {IDC_DUE_DATE_LABEL, "Due Date:"}),
        Row::Choice(IDC_TERM_UNIT, {IDC_TERM_UNIT_LABEL, "Note Term is in:"},
                    {TermUnitNames.begin(), TermUnitNames.end()}, m_termUnit),
        Row::Input(IDC_TERM, {IDC_TERM_LABEL, "Note Term:"}, LimitClass::LongCount, m_term),
        Row::Input(IDC_DUE_VALUE, {IDC_DUE_VALUE_LABEL, "Value on Due Date ($):"},
                   LimitClass::Amount, m_dueValue),
        Row::Section(IDC_UNKNOWN_GROUP, "Unknown"),
        Row::Unknown(IDC_RATE, IDC_UNKNOWN_RATE, {IDC_RATE_LABEL, "Your Annual Rate (%):"},
                     LimitClass::Rate, m_rate),
        Row::Unknown(IDC_PRESENT_VALUE, IDC_UNKNOWN_PRESENT_VALUE,
                     {IDC_PRESENT_VALUE_LABEL, "Present Value ($):"}, LimitClass::Amount,
                     m_presentValue),
        Row::Section(),
        Row::Result(IDC_INTEREST_EARNED, {IDC_INTEREST_EARNED_LABEL, "Interest Earned ($):"},
                    LimitClass::Amount, m_interestEarned),
    });
    AddStandardButtons();
    SetDefaultUnknown(IDC_UNKNOWN_PRESENT_VALUE);
}

void CDiscountedNoteDlg::SetDefaults() {
    SetMethod(IDC_COMPOUND);
    m_compounding = Quarterly;
    Select(IDC_COMPOUNDING, Quarterly);
    m_termUnit = Months;
    Select(IDC_TERM_UNIT, Months);
    m_purchase.SetToday();
    SetText(IDC_PURCHASE_DATE, m_purchase.Format());
}

void CDiscountedNoteDlg::SetMethod(int methodButton) {
    m_method = methodButton;
    Check(methodButton, true);
    const bool compound = methodButton == IDC_COMPOUND;
    Enable(IDC_COMPOUNDING, compound);
    Enable(IDC_COMPOUNDING_LABEL, compound);
}

void CDiscountedNoteDlg::OnClicked(int id) {
    if (id >= IDC_COMPOUND && id <= IDC_BANKERS_RULE)
        SetMethod(id);
    else
        CFormModel::OnClicked(id);
}

void CDiscountedNoteDlg::OnEditChange(int id) {
    if (id != IDC_PURCHASE_DATE && id != IDC_DUE_DATE) {
        CFormModel::OnEditChange(id);
        return;
    }
    const std::string typed = Text(id);
    FilterDateField(*this, id);
    // A taken-back or cleared text has already been handled by the change it caused.
    if (Text(id) == typed) TermFromDates(id);
}

void CDiscountedNoteDlg::TermFromDates(int changedControl) {
    const std::string_view text = std::string_view(Text(changedControl)).substr(0, FieldTextLimit);
    (changedControl == IDC_PURCHASE_DATE ? m_purchase : m_due).Parse(text);
    if (!m_purchase.IsValid() || !m_due.IsValid()) return;
    const int days = DaysBetween(m_purchase, m_due);
    if (days > 0) {
        SetText(IDC_TERM, FormatInt(days));
        Select(IDC_TERM_UNIT, Days);
        return;
    }
    Message(IDS_NOT_ENOUGH_DIFFERENCE);
    SetText(IDC_TERM, "");
    MoveFocus(IDC_TERM);
}

bool CDiscountedNoteDlg::Solve(double& result) {
    const int unit = m_termUnit >= Days && m_termUnit <= Years ? m_termUnit : Months;
    const bool listed =
        m_compounding >= 0 && m_compounding < static_cast<int>(CompoundingPerYear.size());
    const double m = CompoundingPerYear[listed ? m_compounding : Quarterly];
    // The bankers' rule counts a year of 360 days; in months and years it is exact simple
    // interest.
    const double unitsPerYear =
        m_method == IDC_BANKERS_RULE && unit == Days ? BankersYearDays : UnitsPerYear[unit];
    const double rate = m_rate * 0.01;
    const double fv = m_dueValue;
    const double pv = m_presentValue;
    const bool solveRate = m_unknown == IDC_RATE;
    if (!solveRate && m_unknown != IDC_PRESENT_VALUE) return false;

    switch (m_method) {
    case IDC_COMPOUND: {
        const double periods = m_term / unitsPerYear * m;
        if (solveRate)
            result = fv > pv ? (CheckedPow(fv / pv, 1.0 / periods) - 1.0) * m * 100.0 : 0.0;
        else
            result = fv / CheckedPow(1.0 + rate / m, periods);
        break;
    }
    case IDC_BANK_DISCOUNT: {
        const double discount = m_term * rate / unitsPerYear;
        if (solveRate)
            result = fv <= pv || fv / pv >= LargestGrowth
                         ? NoSolution
                         : (fv - pv) / (fv * m_term) * unitsPerYear * 100.0;
        else
            result = discount >= 1.0 ? 0.0 : fv * (1.0 - discount);
        break;
    }
    default: // simple interest, exact or bankers' rule
        if (solveRate)
            result = fv > pv ? (fv - pv) / (pv * m_term) * unitsPerYear * 100.0 : 0.0;
        else
            result = fv / (1.0 + m_term * rate / unitsPerYear);
        break;
    }
    (solveRate ? m_rate : m_presentValue) = result;
    m_interestEarned = m_dueValue - m_presentValue;
    return true;
}

void CDiscountedNoteDlg::WriteRecord(ITextSink& out) {
    // A purchase date is recorded only together with a valid due date.
    if (!m_due.IsValid()) SetText(IDC_PURCHASE_DATE, "");
    CFormModel::WriteRecord(out);
}

} // namespace kavrel
