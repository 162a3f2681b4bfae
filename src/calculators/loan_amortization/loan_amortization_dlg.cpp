// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/loan_amortization/loan_amortization_dlg.h"

#include "calculators/loan_amortization/loan_controls.h"
#include "calculators/loan_amortization/payment_frequency.h"
#include "calculators/loan_amortization/schedule_csv.h"
#include "document/record_target.h"
#include "engine/rate_solver.h"
#include "engine/tvm.h"
#include "entry/chart_data.h"
#include "entry/date_field.h"
#include "entry/number_text.h"
#include "resources/strings.h"

#include <new>

namespace kavrel {

namespace {

enum Control : int {
    IDC_PREPARED_FOR_LABEL = 330,
    IDC_UNKNOWN_GROUP = 1100,
};

constexpr int IDS_SCHEDULE_REPLACES_TEXT = 89;
constexpr std::string_view NoMemory = "Memory not available from system...";
constexpr std::string_view ScheduleTooLarge = "Amortization Schedule is too large...";

// Shows the wait cursor until it is ended or goes out of scope.
class WaitCursor {
public:
    explicit WaitCursor(IFormHost* host) : m_host(host) {
        if (m_host) m_host->BeginWait();
    }
    ~WaitCursor() { End(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    void End() {
        if (m_host) m_host->EndWait();
        m_host = nullptr;
    }

private:
    IFormHost* m_host;
};

std::vector<std::string> FrequencyItems() {
    return {PaymentFrequencyNames.begin(), PaymentFrequencyNames.end()};
}

} // namespace

CLoanAmortizationDlg::CLoanAmortizationDlg() : CFormModel(IDD, "Loan Amortization") {
    m_unknown = -1;
    DeclareRows({
        Row::Text(IDC_PREPARED_FOR, {IDC_PREPARED_FOR_LABEL, "Prepared for:"}, m_preparedFor,
                  PreparedForLimit),
        Row::Date(IDC_LOAN_FIRST_DUE_DATE,
                  {IDC_LOAN_FIRST_DUE_DATE_LABEL, "First Payment Due Date:"}, m_firstDue),
        Row::Choice(IDC_LOAN_FREQUENCY, {IDC_LOAN_FREQUENCY_LABEL, "Payments are Made:"},
                    FrequencyItems(), m_frequency),
        Row::Section(IDC_UNKNOWN_GROUP, "Unknown"),
        Row::Unknown(IDC_LOAN_PAYMENT_COUNT, IDC_LOAN_UNKNOWN_PAYMENT_COUNT,
                     {IDC_LOAN_PAYMENT_COUNT_LABEL, "Number of Payments:"}, LimitClass::Count,
                     m_payments),
        Row::Unknown(IDC_LOAN_RATE, IDC_LOAN_UNKNOWN_RATE,
                     {IDC_LOAN_RATE_LABEL, "Annual Rate (%):"}, LimitClass::Rate, m_annualRate),
        Row::Unknown(IDC_LOAN_PRINCIPAL, IDC_LOAN_UNKNOWN_PRINCIPAL,
                     {IDC_LOAN_PRINCIPAL_LABEL, "Loan Principal ($):"}, LimitClass::Amount,
                     m_principal),
        Row::Unknown(IDC_LOAN_PAYMENT, IDC_LOAN_UNKNOWN_PAYMENT,
                     {IDC_LOAN_PAYMENT_LABEL, "Periodic Payment ($):"}, LimitClass::Amount,
                     m_payment),
        Row::Unknown(IDC_LOAN_BALLOON, IDC_LOAN_UNKNOWN_BALLOON,
                     {IDC_LOAN_BALLOON_LABEL, "Balloon Payment ($):"}, LimitClass::SignedAmount,
                     m_balloon),
    });
    AddButton(IDC_CALCULATE, "&Calculate");
    AddButton(IDC_SCHEDULE, "&Schedule");
    AddButton(IDC_EXPORT, "&Export...");
    AddButton(IDC_CHART, "C&hart...");
    AddButton(IDCANCEL, "Cancel");
    SetButtons({IDC_CALCULATE, IDC_SCHEDULE, IDC_EXPORT, IDC_CHART, IDCANCEL});
    SetDefaultUnknown(IDC_LOAN_UNKNOWN_PAYMENT);
}

void CLoanAmortizationDlg::SetDefaults() {
    m_periodsPerYear = PeriodsPerYear[MonthlyFrequency];
    Select(IDC_LOAN_FREQUENCY, MonthlyFrequency);
    for (int id : {+IDC_SCHEDULE, +IDC_EXPORT, +IDC_CHART})
        Enable(id, false);
    m_firstDue.SetToday();
    SetText(IDC_LOAN_FIRST_DUE_DATE, m_firstDue.Format());
}

void CLoanAmortizationDlg::OnEditChange(int id) {
    // The name field takes no more than the schedule's line has room for.
    if (id == IDC_PREPARED_FOR) {
        if (Text(id).size() > PreparedForLimit) SetText(id, Text(id).substr(0, PreparedForLimit));
        return;
    }
    CFormModel::OnEditChange(id);
}

void CLoanAmortizationDlg::OnClicked(int id) {
    const bool enabled = IsEnabled(id);
    switch (id) {
    case IDC_SCHEDULE:
        if (enabled) BuildSchedule();
        return;
    case IDC_EXPORT:
        if (enabled) ExportSchedule();
        return;
    case IDC_CHART:
        if (enabled) ShowChart();
        return;
    default:
        CFormModel::OnClicked(id);
    }
}

int CLoanAmortizationDlg::ListedFrequency() const {
    const bool listed = m_frequency >= 0 && m_frequency < PaymentFrequencyCount;
    return listed ? m_frequency : MonthlyFrequency;
}

bool CLoanAmortizationDlg::CheckForm() {
    if (RequireDate(*this, IDC_LOAN_FIRST_DUE_DATE, IDS_ENTER_DATE, m_firstDue)) return false;
    m_periodsPerYear = PeriodsPerYear[ListedFrequency()];
    return true;
}

void CLoanAmortizationDlg::OnCalculated() {
    // The schedule works from the values as shown: cents, three rate decimals, whole n.
    DoDataExchange(true);
    KeepCalculatedTerms(ListedFrequency());
    for (int id : {+IDC_SCHEDULE, +IDC_EXPORT, +IDC_CHART})
        Enable(id, true);
}

void CLoanAmortizationDlg::KeepCalculatedTerms(int frequency) {
    m_calculatedName = m_preparedFor;
    m_calculated.firstDue = m_firstDue;
    m_calculated.periodsPerYear = PeriodsPerYear[frequency];
    m_calculated.frequencyName = PaymentFrequencyNames[frequency];
    m_calculated.payments = static_cast<int>(m_payments);
    m_calculated.annualRatePercent = m_annualRate;
    m_calculated.principal = m_principal;
    m_calculated.payment = m_payment;
    m_calculated.balloon = m_balloon;
}

ScheduleTerms CLoanAmortizationDlg::CalculatedTerms() const {
    ScheduleTerms terms = m_calculated;
    terms.preparedFor = m_calculatedName;
    terms.today.SetToday();
    return terms;
}

bool CLoanAmortizationDlg::Solve(double& result) {
    const double m = m_periodsPerYear;
    switch (m_unknown) {
    case IDC_LOAN_PAYMENT_COUNT:
        result = m_payments =
            SolvePaymentCount(1, m, 1.0, m_annualRate, m_principal, m_payment, m_balloon);
        break;
    case IDC_LOAN_RATE:
        result = m_annualRate =
            SolveRate(0, 0, m, m_payments, m_principal, m_payment, m_balloon) * m * 100;
        break;
    case IDC_LOAN_PRINCIPAL:
        result = m_principal =
            AnnuityPresentValue(1.0, m, m_payments, m_annualRate, m_payment, m_balloon);
        break;
    case IDC_LOAN_PAYMENT:
        result = m_payment =
            AnnuityPayment(1.0, m, m_payments, m_annualRate, m_principal, m_balloon);
        break;
    case IDC_LOAN_BALLOON:
        result = m_balloon =
            RemainingBalance(1.0, m, m_payments, m_annualRate, m_principal, m_payment);
        break;
    default:
        return false;
    }
    return true;
}

void CLoanAmortizationDlg::BuildSchedule() {
    std::string text;
    try {
        text.reserve(ScheduleBufferSize);
    } catch (const std::bad_alloc&) {
        MessageText(NoMemory, MessageIcon::Stop);
        return;
    }

    WaitCursor wait(Host());
    const bool fits = AppendSchedule(CalculatedTerms(), text);
    wait.End();
    // Built in full before the document is touched: a schedule that does not fit leaves the
    // user's text, and the form open for fewer payments.
    if (!fits) {
        MessageText(ScheduleTooLarge, MessageIcon::Stop);
        return;
    }

    IRecordTarget* document = Target();
    if (document && (document->LineCount() > 1 || !document->IsEmpty()) &&
        !AskYesNo(LoadString(IDS_SCHEDULE_REPLACES_TEXT)))
        return;
    if (document) {
        document->ReplaceText(text);
        document->SetModified(true);
    }
    MessageText("len=" + FormatInt(static_cast<long>(text.size())), MessageIcon::Information);
    if (Host()) Host()->EndForm(FormResult::Ok);
}

void CLoanAmortizationDlg::ExportSchedule() {
    if (Host()) Host()->ExportFile("schedule.csv", ScheduleCsv(CalculatedTerms()));
}

void CLoanAmortizationDlg::ShowChart() {
    const ScheduleTerms terms = CalculatedTerms();
    ChartData chart;
    chart.title = Caption();
    chart.balanceName = "Remaining Principal";
    chart.dated = true;
    const std::vector<size_t> sample = ChartSample(static_cast<size_t>(terms.payments));
    size_t next = 0;
    PaymentRows rows(terms);
    PaymentRow row;
    while (next < sample.size() && rows.Next(row)) {
        if (static_cast<size_t>(row.number - 1) != sample[next]) continue;
        ++next;
        chart.points.push_back({static_cast<double>(row.number), row.due, row.balance, row.payment,
                                row.principal, row.interest});
    }
    if (Host()) Host()->ShowChart(chart);
}

} // namespace kavrel
