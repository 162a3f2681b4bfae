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

constexpr FieldInfo Fields[] = {
    {IDC_START_DATE, 0, IDC_START_DATE_LABEL, 0},
    {IDC_END_DATE, 0, IDC_END_DATE_LABEL, 0},
    {IDC_DAY_COUNT, CDayCountDlg::IDC_UNKNOWN_DAYS, IDC_DAYS_LABEL, 1},
    {CDayCountDlg::IDC_RATE, CDayCountDlg::IDC_UNKNOWN_RATE, IDC_RATE_LABEL, 6},
    {CDayCountDlg::IDC_PRESENT_VALUE, CDayCountDlg::IDC_UNKNOWN_PRESENT_VALUE,
     IDC_PRESENT_VALUE_LABEL, 3},
    {CDayCountDlg::IDC_FUTURE_VALUE, CDayCountDlg::IDC_UNKNOWN_FUTURE_VALUE, IDC_FUTURE_VALUE_LABEL,
     3},
    {CDayCountDlg::IDC_INTEREST, 0, IDC_INTEREST_LABEL, 5},
};

} // namespace

CDayCountDlg::CDayCountDlg(int dialogId, std::string caption, std::string rateLabel)
    : CFormModel(dialogId, std::move(caption)) {
    AddLabel(IDC_START_DATE_LABEL, "Start Date:");
    AddEdit(IDC_START_DATE, EditRule::Date);
    AddLabel(IDC_END_DATE_LABEL, "End Date:");
    AddEdit(IDC_END_DATE, EditRule::Date);
    AddDisplay(IDC_END_WEEKDAY);
    AddControl({IDC_UNKNOWN_GROUP, ControlKind::Group, "Unknown"});
    AddLabel(IDC_DAYS_LABEL, "Number of Days:");
    AddEdit(IDC_DAY_COUNT, EditRule::Integer);
    AddUnknownButton(IDC_UNKNOWN_DAYS);
    AddLabel(IDC_RATE_LABEL, std::move(rateLabel));
    AddEdit(IDC_RATE, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_RATE);
    AddLabel(IDC_PRESENT_VALUE_LABEL, "Present Value ($):");
    AddEdit(IDC_PRESENT_VALUE, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_PRESENT_VALUE);
    AddLabel(IDC_FUTURE_VALUE_LABEL, "Future Value ($):");
    AddEdit(IDC_FUTURE_VALUE, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_FUTURE_VALUE);
    AddLabel(IDC_INTEREST_LABEL, "Interest ($):");
    AddDisplay(IDC_INTEREST);
    AddStandardButtons();

    AddSection({0,
                {{IDC_START_DATE_LABEL, IDC_START_DATE},
                 {IDC_END_DATE_LABEL, IDC_END_DATE, 0, IDC_END_WEEKDAY, {}, "end-date-weekday"}}});
    AddSection({IDC_UNKNOWN_GROUP,
                {{IDC_DAYS_LABEL, IDC_DAY_COUNT, IDC_UNKNOWN_DAYS},
                 {IDC_RATE_LABEL, IDC_RATE, IDC_UNKNOWN_RATE},
                 {IDC_PRESENT_VALUE_LABEL, IDC_PRESENT_VALUE, IDC_UNKNOWN_PRESENT_VALUE},
                 {IDC_FUTURE_VALUE_LABEL, IDC_FUTURE_VALUE, IDC_UNKNOWN_FUTURE_VALUE}}});
    AddSection({0, {{IDC_INTEREST_LABEL, IDC_INTEREST}}});

    // The dates are not exchanged: the edit-change handler keeps them current.
    BindAmount(IDC_DAY_COUNT, m_days);
    BindAmount(IDC_RATE, m_rate);
    BindAmount(IDC_PRESENT_VALUE, m_presentValue);
    BindAmount(IDC_FUTURE_VALUE, m_futureValue);
    BindAmount(IDC_INTEREST, m_interest);
}

FieldTable CDayCountDlg::Table() const {
    return Fields;
}

void CDayCountDlg::OnInitDialog() {
    CFormModel::OnInitDialog();
    m_unknown = SelectUnknown(Table(), IDC_UNKNOWN_FUTURE_VALUE, IDC_FUTURE_VALUE, m_savedText);
    Enable(IDC_RECORD, false);
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

void CDayCountDlg::OnCalculate() {
    SetText(IDC_INTEREST, "");
    if (CheckInputs(Table(), m_unknown)) return;
    double result = 0.0;
    if (!Solve(result) || CheckUnknownResult(Table(), m_unknown, result)) return;
    m_interest = m_futureValue - m_presentValue;
    SetEndDateFromDays(*this, m_start, m_end, m_days);
    DoDataExchange(false);
    m_savedText = Text(m_unknown).substr(0, FieldTextLimit);
    Enable(IDC_RECORD, true);
}

} // namespace kavrel
