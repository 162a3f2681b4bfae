// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/simple_interest/day_count_dlg.h"

#include "entry/date_field.h"

namespace kavrel {

namespace {

enum Label : int {
    IDC_START_DATE_LABEL = 250,
    IDC_END_DATE_LABEL = 251,
    IDC_DAYS_LABEL = 252,
    IDC_RATE_LABEL = 253,
    IDC_PRESENT_VALUE_LABEL = 254,
    IDC_FUTURE_VALUE_LABEL = 255,
    IDC_INTEREST_LABEL = 1012,
    IDC_UNKNOWN_GROUP = 1100,
};

} // namespace

CDayCountDlg::CDayCountDlg(int dialogId, std::string caption, std::string rateLabel)
    : CFormModel(dialogId, std::move(caption)) {
    // The dates are not exchanged: the edit-change handler keeps them current.
    DeclareRows({
        Row::Date(IDC_START_DATE, {IDC_START_DATE_LABEL, "Start Date:"}),
        Row::Date(IDC_END_DATE, {IDC_END_DATE_LABEL, "End Date:"})
            .BesideResult(IDC_END_WEEKDAY, "end-date-weekday"),
        Row::Section(IDC_UNKNOWN_GROUP, "Unknown"),
        Row::Unknown(IDC_DAY_COUNT, IDC_UNKNOWN_DAYS, {IDC_DAYS_LABEL, "Number of Days:"},
                     LimitClass::LongCount, m_days),
        Row::Unknown(IDC_RATE, IDC_UNKNOWN_RATE, {IDC_RATE_LABEL, std::move(rateLabel)},
                     LimitClass::Rate, m_rate),
        Row::Unknown(IDC_PRESENT_VALUE, IDC_UNKNOWN_PRESENT_VALUE,
                     {IDC_PRESENT_VALUE_LABEL, "Present Value ($):"}, LimitClass::Amount,
                     m_presentValue),
        Row::Unknown(IDC_FUTURE_VALUE, IDC_UNKNOWN_FUTURE_VALUE,
                     {IDC_FUTURE_VALUE_LABEL, "Future Value ($):"}, LimitClass::Amount,
                     m_futureValue),
        Row::Section(),
        Row::Result(IDC_INTEREST, {IDC_INTEREST_LABEL, "Interest ($):"}, LimitClass::SignedAmount,
                    m_interest),
    });
    AddStandardButtons();
    SetDefaultUnknown(IDC_UNKNOWN_FUTURE_VALUE);
}

void CDayCountDlg::SetDefaults() {
    m_start.SetToday();
    SetText(IDC_START_DATE, m_start.Format());
}

void CDayCountDlg::OnEditChange(int id) {
    if (id != IDC_START_DATE && id != IDC_END_DATE) {
        CFormModel::OnEditChange(id);
        return;
    }
    const std::string typed = Text(id);
    FilterDateField(*this, id);
    // A taken-back or cleared text has already been handled by the change it caused.
    if (Text(id) != typed) return;
    OnDatePairChange(*this, id, m_unknown, m_savedText, m_start, m_end);
}

bool CDayCountDlg::StartCalculate() {
    SetText(IDC_INTEREST, "");
    return true;
}

void CDayCountDlg::AfterSolve() {
    m_interest = m_futureValue - m_presentValue;
    SetEndDateFromDays(*this, m_start, m_end, m_days);
}

} // namespace kavrel
