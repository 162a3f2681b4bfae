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

using I = CIncomeFromSavingsDlg;

constexpr FieldInfo Fields[] = {
    {I::IDC_EARNED_RATE, 1, I::IDC_EARNED_RATE_LABEL, 6},
    {I::IDC_INFLATION_RATE, 1, I::IDC_INFLATION_RATE_LABEL, 9},
    {I::IDC_AGE, 1, I::IDC_AGE_LABEL, 0},
    {I::IDC_SAVINGS, I::IDC_UNKNOWN_SAVINGS, I::IDC_SAVINGS_LABEL, 3},
    {I::IDC_PAYMENT_COUNT, I::IDC_UNKNOWN_PAYMENT_COUNT, I::IDC_PAYMENT_COUNT_LABEL, 3},
    {I::IDC_PAYMENT, I::IDC_UNKNOWN_PAYMENT, I::IDC_PAYMENT_LABEL, 3},
    {I::IDC_LIFE_EXPECTANCY, 0, I::IDC_LIFE_EXPECTANCY_LABEL, 3},
    {I::IDC_DISTRIBUTION, 0, I::IDC_DISTRIBUTION_LABEL, 3},
};

} // namespace

CIncomeFromSavingsDlg::CIncomeFromSavingsDlg() : CFormModel(IDD, "Income From Your Savings") {
    AddControl({IDC_INVESTMENTS_GROUP, ControlKind::Group, "About Your Investments"});
    AddLabel(IDC_EARNED_RATE_LABEL, "Average Annual Rate Earned on Your Investments (%):");
    AddEdit(IDC_EARNED_RATE, EditRule::Decimal);
    AddLabel(IDC_INFLATION_RATE_LABEL, "Assumed Yearly Inflation Rate (%):");
    AddEdit(IDC_INFLATION_RATE, EditRule::Decimal);
    AddLabel(IDC_AGE_LABEL, "Your Present Age:");
    AddEdit(IDC_AGE, EditRule::Integer);
    AddControl({IDC_UNKNOWN_GROUP, ControlKind::Group, "Unknown"});
    AddLabel(IDC_SAVINGS_LABEL, "Savings Amount ($):");
    AddEdit(IDC_SAVINGS, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_SAVINGS);
    AddLabel(IDC_PAYMENT_COUNT_LABEL, "Number of Yearly Payments:");
    AddEdit(IDC_PAYMENT_COUNT, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_PAYMENT_COUNT);
    AddLabel(IDC_PAYMENT_LABEL, "Yearly Payment ($):");
    AddEdit(IDC_PAYMENT, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_PAYMENT);
    AddControl({IDC_IRS_GROUP, ControlKind::Group, "IRS Minimums for IRA or 401K"});
    AddLabel(IDC_LIFE_EXPECTANCY_LABEL, "   Life Expectancy (years):");
    AddDisplay(IDC_LIFE_EXPECTANCY);
    AddLabel(IDC_DISTRIBUTION_LABEL, "   Distribution Payment ($):");
    AddDisplay(IDC_DISTRIBUTION);
    AddStandardButtons();

    auto rows = [](int first, int last) {
        std::vector<LayoutRow> result;
        for (int row = first; row <= last; ++row)
            result.push_back({Fields[row].labelId, Fields[row].controlId,
                              Fields[row].unknownButton > 1 ? Fields[row].unknownButton : 0});
        return result;
    };
    AddSection({IDC_INVESTMENTS_GROUP, rows(0, 2)});
    AddSection({IDC_UNKNOWN_GROUP, rows(3, 5)});
    AddSection({IDC_IRS_GROUP, rows(6, 7)});

    BindAmount(IDC_EARNED_RATE, m_earnedRate);
    BindAmount(IDC_INFLATION_RATE, m_inflationRate);
    BindAmount(IDC_AGE, m_age);
    BindAmount(IDC_SAVINGS, m_savings);
    BindAmount(IDC_PAYMENT_COUNT, m_paymentCount);
    BindAmount(IDC_PAYMENT, m_payment);
    BindAmount(IDC_LIFE_EXPECTANCY, m_lifeExpectancy);
    BindAmount(IDC_DISTRIBUTION, m_distribution);
}

FieldTable CIncomeFromSavingsDlg::Table() const {
    return Fields;
}

void CIncomeFromSavingsDlg::OnInitDialog() {
    CFormModel::OnInitDialog();
    m_unknown = SelectUnknown(Table(), IDC_UNKNOWN_PAYMENT, IDC_PAYMENT, m_savedText);
    Enable(IDC_RECORD, false);
}

void CIncomeFromSavingsDlg::OnKillFocus(int id) {
    if (id != IDC_AGE) return;
    DoDataExchange(true);
    if (auto years = LifeExpectancy(m_age)) m_lifeExpectancy = *years;
    DoDataExchange(false);
}

// The savings are the present value at the earned rate of yearly payments, made at the end
// of each year, that grow with inflation: S = P * (1 - c^N) / k.
double CIncomeFromSavingsDlg::SolveUnknown() const {
    const double earned = m_earnedRate / 100.0;
    const double inflation = m_inflationRate / 100.0;
    const double k = earned - inflation;
    const double c = (1.0 + inflation) / (1.0 + earned);
    if (k <= 0.0) return 0.0;
    const double factor = (1.0 - CheckedPow(c, m_paymentCount)) / k;
    switch (m_unknown) {
    case IDC_SAVINGS:
        return m_payment * factor;
    case IDC_PAYMENT:
        return m_savings / factor;
    case IDC_PAYMENT_COUNT: {
        const double a = k * m_savings / m_payment;
        // The real return alone pays the income: the savings never run out.
        return a >= 1.0 ? 0.0 : CheckedLog(1.0 - a) / CheckedLog(c);
    }
    default:
        return 0.0;
    }
}

void CIncomeFromSavingsDlg::OnCalculate() {
    if (CheckInputs(Table(), m_unknown)) return;
    if (!(m_earnedRate > m_inflationRate)) {
        Message(IDS_INFLATION_NOT_BELOW_EARNED);
        MoveFocus(IDC_INFLATION_RATE);
        return;
    }
    const double result = SolveUnknown();
    if (CheckUnknownResult(Table(), m_unknown, result)) return;
    switch (m_unknown) {
    case IDC_SAVINGS:
        m_savings = result;
        break;
    case IDC_PAYMENT:
        m_payment = result;
        break;
    case IDC_PAYMENT_COUNT:
        m_paymentCount = result;
        break;
    default:
        break;
    }
    if (auto years = LifeExpectancy(m_age)) {
        m_lifeExpectancy = *years;
        m_distribution = m_savings / m_lifeExpectancy;
    } else {
        // The income is still shown; only the distribution is left out.
        m_lifeExpectancy = m_distribution = 0.0;
        Message(IDS_AGE_OUTSIDE_TABLE);
        MoveFocus(IDC_AGE);
    }
    DoDataExchange(false);
    m_savedText = Text(m_unknown);
    Enable(IDC_RECORD, true);
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
