// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loan Amortization: an ordinary-annuity loan with an optional balloon, one of the number of
// payments, rate, principal, payment and balloon solved; "Schedule" then replaces the whole
// document with the payment-by-payment schedule, "Export..." saves it as CSV and "Chart..."
// draws it.

#include "calculators/loan_amortization/amortization_schedule.h"
#include "calculators/loan_amortization/payment_frequency.h"
#include "entry/date.h"
#include "entry/form_model.h"

#include <string>

namespace kavrel {

class CLoanAmortizationDlg : public CFormModel {
public:
    enum { IDD = 113, CommandId = 32791 };
    enum : int { IDC_PREPARED_FOR = 130, IDC_SCHEDULE = 138, IDC_EXPORT = 139 };
    static constexpr size_t PreparedForLimit = 42;

    CLoanAmortizationDlg();

    // Writes the schedule of the last Calculate into the document (after asking when the
    // document holds text) and closes the form, unless the user declines, the schedule is
    // too large or there is no memory for the text.
    void BuildSchedule();
    // Offers the schedule of the last Calculate as CSV, every payment of it.
    void ExportSchedule();
    // Draws the remaining principal and each payment's portions over the due dates.
    void ShowChart();

protected:
    void SetDefaults() override;
    void OnEditChange(int id) override;
    void OnClicked(int id) override;
    bool CheckForm() override;
    bool Solve(double& result) override;
    void OnCalculated() override;

private:
    // The list's entry, Monthly when none is chosen.
    int ListedFrequency() const;
    // The loan as the last successful Calculate left it, today's date apart. Schedule, Export
    // and Chart work from it whatever the fields show since, also after a failed Calculate that
    // has read new values into the members.
    ScheduleTerms CalculatedTerms() const;
    void KeepCalculatedTerms(int frequency);

    std::string m_preparedFor;
    int m_frequency = -1;
    ScheduleTerms m_calculated;
    std::string m_calculatedName; // what m_calculated.preparedFor shows
    double m_periodsPerYear = 0.0;
    double m_payment = 0.0;
    double m_balloon = 0.0;
    double m_payments = 0.0;
    double m_annualRate = 0.0;
    double m_principal = 0.0;
    CDate m_firstDue;
};

} // namespace kavrel
