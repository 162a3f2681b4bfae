#include "calculators/annuity/annuity_dlg.h"

#include "engine/tvm.h"
#include "entry/number_text.h"
#include "resources/strings.h"

#include <string>

namespace kavrel {

namespace {

constexpr int MonthlyEntry = 3;

struct LabelText {
    int id;
    const char* text;
};
constexpr LabelText Labels[] = {
    {1034, "Compounding Period is:"}, {230, "Payments per Year:"}, {231, "Number of Payments:"},
    {232, "Annual Rate (%):"},        {233, "Present Value ($):"}, {234, "Periodic Payment ($):"},
    {235, "Balloon Payment ($):"},    {1022, "Future Value ($):"},
};

std::string LabelOf(int id) {
    for (const LabelText& label : Labels)
        if (label.id == id) return label.text;
    return {};
}

} // namespace

CAnnuityDlg::CAnnuityDlg(int dialogId, int captionId, int dueCaptionId)
    : CFormModel(dialogId, std::string(LoadString(captionId))), m_captionId(captionId),
      m_annuityDue(captionId == dueCaptionId) {}

void CAnnuityDlg::BuildFromTable(FieldTable table) {
    AddControl({IDC_UNKNOWN_GROUP, ControlKind::Group, "Unknown"});
    LayoutSection section{IDC_UNKNOWN_GROUP, {}};
    for (const FieldInfo& field : table) {
        AddLabel(field.labelId, LabelOf(field.labelId));
        if (field.controlId == IDC_COMPOUNDING) {
            std::vector<std::string> items;
            for (const CompoundingEntry& entry : CompoundingPerYear)
                items.emplace_back(entry.name);
            AddChoice(IDC_COMPOUNDING, std::move(items));
            BindChoice(IDC_COMPOUNDING, m_compounding);
        } else {
            AddEdit(field.controlId, field.controlId == IDC_PAYMENTS_PER_YEAR ? EditRule::Integer
                                                                              : EditRule::Decimal);
            BindAmount(field.controlId, ValueOf(field.controlId));
        }
        const int unknown = field.unknownButton > 1 ? field.unknownButton : 0;
        if (unknown) AddUnknownButton(unknown);
        section.rows.push_back({field.labelId, field.controlId, unknown});
    }
    AddSection(std::move(section));
    AddStandardButtons();
}

double& CAnnuityDlg::ValueOf(int controlId) {
    switch (controlId) {
    case IDC_PAYMENTS_PER_YEAR:
        return m_paymentsPerYear;
    case IDC_PAYMENT_COUNT:
        return m_paymentCount;
    case IDC_RATE:
        return m_annualRate;
    case IDC_PAYMENT:
        return m_payment;
    default:
        return *OwnValue(controlId);
    }
}

void CAnnuityDlg::OnInitDialog() {
    CFormModel::OnInitDialog();
    SetCaption(std::string(LoadString(m_captionId)));
    m_unknown = SelectUnknown(Table(), IDC_UNKNOWN_PAYMENT, IDC_PAYMENT, m_savedText);
    SetText(IDC_PAYMENTS_PER_YEAR, "12");
    Enable(IDC_RECORD, false);
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
