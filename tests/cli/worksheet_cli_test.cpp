// SPDX-License-Identifier: GPL-3.0-or-later
// The generic worksheet runs of kavrel-calc on a small worksheet of this test's own: a first
// step and a later step that open sub-forms, whatever the order of the pairs.
#include "catalog/form_catalog.h"
#include "cli/kavrel_calc.h"
#include "document/record_target.h"
#include "entry/date.h"

#include <sstream>

#include <gtest/gtest.h>

namespace kavrel {
namespace {

// What happened, in order: sub-forms opened and closed, the worksheet's own typing.
std::vector<std::string> TheLog;

constexpr FieldInfo LoanFields[] = {{30, 1, 300, 6}};

class LoanDataForm : public CFormModel {
public:
    explicit LoanDataForm(std::string caption) : CFormModel(900, std::move(caption)) {
        AddLabel(300, "Annual Rate (%):");
        AddEdit(30, EditRule::Decimal);
        AddButton(IDOK, "OK");
        AddSection({0, {{300, 30}}});
    }
    FieldTable Table() const override { return LoanFields; }

protected:
    void OnClicked(int id) override {
        if (id == IDOK && CheckInputs(Table(), 0) == 0)
            Host()->EndForm(FormResult::Ok);
        else if (id != IDOK)
            CFormModel::OnClicked(id);
    }
};

constexpr FieldInfo WorksheetFields[] = {{31, 1, 302, 1}};

class Worksheet : public CFormModel {
public:
    Worksheet() : CFormModel(901, "Test Worksheet") {
        AddControl({800, ControlKind::Group, "STEP 1 - Current Loan"});
        AddButton(40, "Do...");
        AddLabel(302, "Payments Made:");
        AddEdit(31, EditRule::Integer);
        AddControl({801, ControlKind::Group, "STEP 2 - Fees"});
        AddButton(41, "Do...");
        AddLabel(306, "Today:");
        AddDisplay(35);
        AddStandardButtons();
        AddSection({800, {{0, 40}, {302, 31}}});
        AddSection({801, {{0, 41}}});
        AddSection({0, {{306, 35}}});
    }
    FieldTable Table() const override { return WorksheetFields; }
    std::unique_ptr<CFormModel> SubFormFor(int button) const override {
        return button == 40 ? std::make_unique<LoanDataForm>("Current Loan Data") : nullptr;
    }

protected:
    void OnInitDialog() override {
        CDate today;
        today.SetToday();
        SetText(35, today.Format());
        Enable(IDC_RECORD, false);
    }
    void OnEditChange(int id) override {
        CFormModel::OnEditChange(id);
        if (id == 31) TheLog.push_back("payments " + Text(31));
    }
    void OnClicked(int id) override {
        if (id == 40 || id == 41) {
            LoanDataForm sub(id == 40 ? "Current Loan Data" : "Loan Fees");
            TheLog.push_back("open " + sub.Caption());
            if (Host()->RunSubForm(sub) == FormResult::Ok) {
                (id == 40 ? m_rate : m_fees) = sub.Text(30);
                TheLog.push_back("ok " + sub.Caption());
            }
            return;
        }
        CFormModel::OnClicked(id);
    }
    void OnCalculate() override {
        if (m_rate.empty()) {
            MessageText("Missing data from previous steps...");
            return;
        }
        Enable(IDC_RECORD, true);
    }
    void WriteRecord(ITextSink& out) override {
        out.Insert("TOTAL " + m_rate + "/" + m_fees + "/" + Text(31) + "\r\n");
    }

private:
    std::string m_rate, m_fees;
};

const FormEntry TestForms[] = {
    {"test-worksheet", 1, "Test Worksheet", [] { return std::make_unique<Worksheet>(); }},
};

struct Outcome {
    int status;
    std::string out, err;
};

Outcome RunWorksheet(std::vector<std::string> args) {
    TheLog.clear();
    args.insert(args.begin(), "test-worksheet");
    std::istringstream in;
    std::ostringstream out, err;
    const int status = RunKavrelCalc(args, in, out, err, TestForms);
    return {status, out.str(), err.str()};
}

TEST(WorksheetCli, StepsRunInOrderWhateverTheOrderOfThePairs) {
    const Outcome run = RunWorksheet(
        {"payments-made=12", "loan-fees.annual-rate=1", "current-loan-data.annual-rate=7.5"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> log = {
        "open Current Loan Data", "ok Current Loan Data", "payments 1", "payments 12",
        "open Loan Fees",         "ok Loan Fees"};
    EXPECT_EQ(TheLog, log);
    EXPECT_EQ(run.out, "TOTAL 7.5/1/12\r\n");
}

// Today is fixed for the run only; a sub-form without values whose OK fails is cancelled and
// the run goes on; a failure in a sub-form with values, or a step missing, stops it.
TEST(WorksheetCli, RunsAndFailures) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char *out, *err;
    } rows[] = {
        {{"current-loan-data.annual-rate=7.5", "--today", "2/29/2000", "--json"},
         0,
         "2/29/2000",
         "Please enter data...\n"},
        {{"current-loan-data.annual-rate=7.5", "payments-made=3"},
         0,
         "TOTAL 7.5//3\r\n",
         "Please enter data...\n"},
        {{"current-loan-data.annual-rate=7x"},
         1,
         "",
         "Character 'x' not accepted in current-loan-data.annual-rate\n"},
        {{"payments-made=3"}, 1, "", "Missing data from previous steps...\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.back());
        const Outcome run = RunWorksheet(row.args);
        EXPECT_EQ(run.status, row.status);
        EXPECT_NE(run.out.find(row.out), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(row.err), std::string::npos) << run.err;
    }
    CDate clock;
    clock.SetToday();
    EXPECT_FALSE(clock.IsSameDate(CDate(2, 29, 2000)));
}

} // namespace
} // namespace kavrel
