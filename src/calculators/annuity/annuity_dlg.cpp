// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/annuity/annuity_dlg.h"

#include "engine/tvm.h"
#include "entry/number_text.h"
#include "resources/strings.h"

#include <string>

namespace kavrel {

namespace {

constexpr int MonthlyEntry = 3;

std::vector<std::string> CompoundingNames() {
    std::vector<std::string> names;
    for (const CompoundingEntry& entry : CompoundingPerYear)
        names.emplace_back(entry.name);
    return names;
}

} // namespace

CAnnuityDlg::CAnnuityDlg(int dialogId, int captionId, int dueCaptionId)
    : CFormModel(dialogId, std::string(LoadString(captionId))), m_captionId(captionId),
      m_annuityDue(captionId == dueCaptionId) {
    SetDefaultUnknown(IDC_UNKNOWN_PAYMENT);
}

void CAnnuityDlg::DeclareAnnuityRows(FieldRow value, std::vector<FieldRow> afterPayment) {
    std::vector<FieldRow> rows = {
        Row::Section(IDC_UNKNOWN_GROUP, "Unknown"),
        Row::Choice(IDC_COMPOUNDING, {IDC_COMPOUNDING_LABEL, "Compounding Period is:"},
                    CompoundingNames(), m_compounding),
        Row::Input(IDC_PAYMENTS_PER_YEAR, {IDC_PAYMENTS_PER_YEAR_LABEL, "Payments per Year:"},
                   LimitClass::Count, m_paymentsPerYear),
        Row::Unknown(IDC_PAYMENT_COUNT, IDC_UNKNOWN_PAYMENT_COUNT,
                     {IDC_PAYMENT_COUNT_LABEL, "Number of Payments:"}, LimitClass::Periods,
                     m_paymentCount),
        Row::Unknown(IDC_RATE, IDC_UNKNOWN_RATE, {IDC_RATE_LABEL, "Annual Rate (%):"},
                     LimitClass::Rate, m_annualRate),
        std::move(value),
        Row::Unknown(IDC_PAYMENT, IDC_UNKNOWN_PAYMENT, {IDC_PAYMENT_LABEL, "Periodic Payment ($):"},
                     LimitClass::Amount, m_payment),
    };
    rows.insert(rows.end(), afterPayment.begin(), afterPayment.end());
    DeclareRows(std::move(rows));
    AddStandardButtons();
}

void CAnnuityDlg::SetDefaults() {
    SetCaption(std::string(LoadString(m_captionId)));
    SetText(IDC_PAYMENTS_PER_YEAR, "12");
    m_compounding = MonthlyEntry;
    Select(IDC_COMPOUNDING, m_compounding);
}

void CAnnuityDlg::OnSelChange(int id) {
    if (id != IDC_COMPOUNDING) return;
    const int entry = Selection(IDC_COMPOUNDING);
    if (entry < 0 || entry >= static_cast<int>(CompoundingPerYear.size())) return;
    SetText(IDC_PAYMENTS_PER_YEAR,
            FormatInt(static_cast<long>(CompoundingPerYear[static_cast<size_t>(entry)].perYear)));
}

double CAnnuityDlg::CompoundingPeriods() const {
    if (m_compounding < 0 || m_compounding >= static_cast<int>(CompoundingPerYear.size()))
        return CompoundingPerYear[MonthlyEntry].perYear;
    return CompoundingPerYear[static_cast<size_t>(m_compounding)].perYear;
}

double CAnnuityDlg::PeriodRateNow() const {
    return PeriodRate(m_annualRate, CompoundingPeriods(), m_paymentsPerYear);
}

} // namespace kavrel
