#include "calculators/certificate_of_deposit/certificate_of_deposit_dlg.h"

#include "document/record.h"
#include "engine/dated_growth.h"
#include "engine/math_errors.h"
#include "entry/date_field.h"
#include "resources/strings.h"

#include <algorithm>
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

using Dlg = CCertificateOfDepositDlg;

constexpr FieldInfo Fields[] = {
    {Dlg::IDC_COMPOUND_TYPE, 0, Dlg::IDC_TYPE_GROUP, 0},
    {Dlg::IDC_COMPOUNDING, 0, Dlg::IDC_COMPOUNDING_LABEL, 0},
    {Dlg::IDC_TERM_UNIT, 0, IDC_TERM_UNIT_LABEL, 0},
    {Dlg::IDC_TERM, 1, IDC_TERM_LABEL, 1},
    {Dlg::IDC_ISSUE_DATE, 0, IDC_ISSUE_DATE_LABEL, 0},
    {Dlg::IDC_RATE, 1, IDC_RATE_LABEL, 6},
    {Dlg::IDC_PRESENT_VALUE, Dlg::IDC_UNKNOWN_PRESENT_VALUE, IDC_PRESENT_VALUE_LABEL, 3},
    {Dlg::IDC_FUTURE_VALUE, Dlg::IDC_UNKNOWN_FUTURE_VALUE, IDC_FUTURE_VALUE_LABEL, 3},
    {Dlg::IDC_INTEREST_EARNED, 0, IDC_INTEREST_EARNED_LABEL, 3},
    {Dlg::IDC_YIELD, 0, IDC_YIELD_LABEL, 6},
    {Dlg::IDC_MATURITY_DATE, 0, IDC_MATURITY_DATE_LABEL, 0},
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
    AddControl({IDC_TYPE_GROUP, ControlKind::Group, "CD Type"});
    AddRadio(IDC_COMPOUND_TYPE, "Compound Interest", TypeRadioGroup);
    AddRadio(IDC_SIMPLE_TYPE, "Simple Interest", TypeRadioGroup);
    AddControl({IDC_ABOUT_GROUP, ControlKind::Group, "About the CD"});
    AddLabel(IDC_COMPOUNDING_LABEL, "Compounding Period is:");
    AddChoice(IDC_COMPOUNDING, {CompoundingNames.begin(), CompoundingNames.end()});
    AddLabel(IDC_TERM_UNIT_LABEL, "CD Term is in:");
    AddChoice(IDC_TERM_UNIT, {TermUnitNames.begin(), TermUnitNames.end()});
    AddLabel(IDC_TERM_LABEL, "CD Term:");
    AddEdit(IDC_TERM, EditRule::Integer);
    AddLabel(IDC_ISSUE_DATE_LABEL, "CD Issue Date:");
    AddEdit(IDC_ISSUE_DATE, EditRule::Date);
    AddLabel(IDC_RATE_LABEL, "Annual Rate (%):");
    AddEdit(IDC_RATE, EditRule::Decimal);
    AddControl({IDC_UNKNOWN_GROUP, ControlKind::Group, "Unknown"});
    AddLabel(IDC_PRESENT_VALUE_LABEL, "Present Value ($):");
    AddEdit(IDC_PRESENT_VALUE, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_PRESENT_VALUE);
    AddLabel(IDC_FUTURE_VALUE_LABEL, "Future Value ($):");
    AddEdit(IDC_FUTURE_VALUE, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_FUTURE_VALUE);
    AddLabel(IDC_INTEREST_EARNED_LABEL, "Interest Earned ($):");
    AddDisplay(IDC_INTEREST_EARNED);
    AddLabel(IDC_YIELD_LABEL, "Yield to Maturity (%):");
    AddDisplay(IDC_YIELD);
    AddLabel(IDC_MATURITY_DATE_LABEL, "Maturity Date:");
    AddDisplay(IDC_MATURITY_DATE);
    AddStandardButtons();

    AddSection({IDC_TYPE_GROUP, {{0, IDC_COMPOUND_TYPE}, {0, IDC_SIMPLE_TYPE}}});
    AddSection({IDC_ABOUT_GROUP,
                {{IDC_COMPOUNDING_LABEL, IDC_COMPOUNDING},
                 {IDC_TERM_UNIT_LABEL, IDC_TERM_UNIT},
                 {IDC_TERM_LABEL, IDC_TERM},
                 {IDC_ISSUE_DATE_LABEL, IDC_ISSUE_DATE},
                 {IDC_RATE_LABEL, IDC_RATE}}});
    AddSection({IDC_UNKNOWN_GROUP,
                {{IDC_PRESENT_VALUE_LABEL, IDC_PRESENT_VALUE, IDC_UNKNOWN_PRESENT_VALUE},
                 {IDC_FUTURE_VALUE_LABEL, IDC_FUTURE_VALUE, IDC_UNKNOWN_FUTURE_VALUE}}});
    AddSection({0,
                {{IDC_INTEREST_EARNED_LABEL, IDC_INTEREST_EARNED},
                 {IDC_YIELD_LABEL, IDC_YIELD},
                 {IDC_MATURITY_DATE_LABEL, IDC_MATURITY_DATE}}});

    BindChoice(IDC_COMPOUNDING, m_compounding);
    BindChoice(IDC_TERM_UNIT, m_termUnit);
    BindAmount(IDC_TERM, m_term);
    BindExchange(DateExchange(*this, IDC_ISSUE_DATE, m_issue));
    BindAmount(IDC_RATE, m_rate);
    BindAmount(IDC_PRESENT_VALUE, m_presentValue);
    BindAmount(IDC_FUTURE_VALUE, m_futureValue);
    BindAmount(IDC_INTEREST_EARNED, m_interestEarned);
    BindAmount(IDC_YIELD, m_yield);
    // A result only. A maturity after the last accepted year is no date to show: the field
    // stays empty while the amounts still count its days.
    BindExchange([this](bool save) {
        if (!save) SetText(IDC_MATURITY_DATE, m_maturity.IsValid() ? m_maturity.Format() : "");
    });
}

FieldTable CCertificateOfDepositDlg::Table() const {
    return Fields;
}

void CCertificateOfDepositDlg::OnInitDialog() {
    CFormModel::OnInitDialog();
    SetType(IDC_COMPOUND_TYPE);
    m_periodsPerYear = CompoundingPerYear[Quarterly];
    m_compounding = Quarterly;
    Select(IDC_COMPOUNDING, Quarterly);
    m_termUnit = Months;
    Select(IDC_TERM_UNIT, Months);
    m_unknown = SelectUnknown(Table(), IDC_UNKNOWN_FUTURE_VALUE, IDC_FUTURE_VALUE, m_savedText);
    Enable(IDC_RECORD, false);
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

void CCertificateOfDepositDlg::OnCalculate() {
    if (CheckInputs(Table(), m_unknown)) return;
    if (RequireDate(*this, IDC_ISSUE_DATE, IDS_ENTER_DATE, m_issue)) return;
    const bool listed =
        m_compounding >= 0 && m_compounding < static_cast<int>(CompoundingPerYear.size());
    m_periodsPerYear = CompoundingPerYear[listed ? m_compounding : Quarterly];
    if (m_termUnit < Days || m_termUnit > Years) m_termUnit = Months;
    m_interestEarned = m_yield = 0.0;

    double result = 0.0;
    if (!Solve(result) || CheckUnknownResult(Table(), m_unknown, result)) return;
    DoDataExchange(false);
    m_savedText = Text(m_unknown).substr(0, FieldTextLimit);
    Enable(IDC_RECORD, true);
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

void CCertificateOfDepositDlg::WriteRecord(ITextSink& out) {
    // The type row prints the checked button's text; the compounding row of a simple CD is
    // left out by its disabled label.
    std::array<FieldInfo, std::size(Fields)> rows{};
    std::copy(std::begin(Fields), std::end(Fields), rows.begin());
    rows[0].controlId = m_type;
    RecordTitle(*this, out);
    for (size_t row = 0; row < rows.size(); ++row)
        RecordField(*this, rows, out, static_cast<int>(row));
}

} // namespace kavrel
