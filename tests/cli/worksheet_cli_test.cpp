// The generic parts of kavrel-calc on a small worksheet of this test's own: a first step and a
// later step that open sub-forms, a drop-down list, an option group, a list and a display.
#include "cli_run.h"

#include "document/record_target.h"
#include "entry/date.h"
#include "resources/strings.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

using test::RunCli;
using Args = std::vector<std::string>;

// What happened, in order: sub-forms opened and closed, the worksheet's own typing.
std::vector<std::string> TheLog;

constexpr FieldInfo LoanFields[] = {{30, 1, 300, 6}};

class LoanDataForm : public CFormModel {
public:
    explicit LoanDataForm(std::string caption) : CFormModel(900, std::move(caption)) {
        AddLabel(300, "Annual Rate (%):");
        AddEdit(30, EditRule::Decimal);
        AddButton(IDOK, "OK");
        AddButton(IDCANCEL, "Cancel");
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
        AddLabel(301, "Enter Current Loan Data:");
        AddButton(40, "Do...");
        AddLabel(302, "Payments Made:");
        AddEdit(31, EditRule::Integer);
        AddControl({801, ControlKind::Group, "STEP 2 - Fees"});
        AddLabel(303, "Enter Fees:");
        AddButton(41, "Do...");
        AddLabel(304, "Payments are made:");
        AddChoice(32, {"Monthly", "Quarterly"});
        AddLabel(305, "Cash\r\nFlows:");
        AddControl({33, ControlKind::List});
        AddControl({802, ControlKind::Group, "Select for Calculation"});
        AddRadio(50, "&360 days/year", 1);
        AddRadio(51, "365 days/&year", 1);
        AddLabel(306, "Total:");
        AddDisplay(34);
        AddDisplay(35);
        AddStandardButtons();
        AddSection({800, {{301, 40}, {302, 31}}});
        AddSection({801, {{303, 41}, {304, 32}, {305, 33}}});
        AddSection({802, {{0, 50}, {0, 51}}});
        AddSection({0, {{306, 34, 0, 35, "", "total-note"}}});
    }
    FieldTable Table() const override { return WorksheetFields; }
    std::unique_ptr<CFormModel> SubFormFor(int button) const override {
        return button == 40 ? std::make_unique<LoanDataForm>("Current Loan Data") : nullptr;
    }

protected:
    void OnInitDialog() override {
        Select(32, 0);
        Check(50, true);
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
        if (id == 41 && Text(31) == "99") {
            MessageText("Number is too large..."); // the step refuses to open its sub-form
            return;
        }
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
        std::string radio = IsChecked(50) ? "360" : "365";
        SetText(34, m_rate + "/" + m_fees + "/" + Text(31) + "/" + Text(32) + "/" + radio + "/" +
                        Text(33));
        Enable(IDC_RECORD, true);
    }
    void WriteRecord(ITextSink& out) override { out.Insert("TOTAL " + Text(34) + "\r\n"); }

private:
    std::string m_rate, m_fees;
};

const FormEntry TestForms[] = {
    {"test-worksheet", 1, "Test Worksheet", [] { return std::make_unique<Worksheet>(); }},
};

test::CliRun RunWorksheet(Args args) {
    TheLog.clear();
    args.insert(args.begin(), "test-worksheet");
    return RunCli(args, TestForms);
}

TEST(WorksheetCli, FieldsIncludeTheSubFormsOfEachStep) {
    auto run = RunWorksheet({"--fields"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "payments-made\t31\tPayments Made:\tinput\n"
                       "payments-are-made\t32\tPayments are made:\tchoice\n"
                       "cash-flows\t33\tCash Flows:\tlist\n"
                       "select-for-calculation\t802\tSelect for Calculation\tchoice\n"
                       "total\t34\tTotal:\tresult\n"
                       "total-note\t35\t\tresult\n"
                       "current-loan-data.annual-rate\t30\tAnnual Rate (%):\tinput\n"
                       "loan-fees.annual-rate\t30\tAnnual Rate (%):\tinput\n");
}

TEST(WorksheetCli, StepsRunInOrderWhateverTheOrderOfThePairs) {
    auto run =
        RunWorksheet({"payments-made=12", "loan-fees.annual-rate=1", "--json",
                      "select-for-calculation=365 days/year", "current-loan-data.annual-rate=7.5",
                      "payments-are-made=Quarterly", "cash-flows=100\n200\\n300"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> expectedLog = {
        "open Current Loan Data", "ok Current Loan Data", "payments 1", "payments 12",
        "open Loan Fees",         "ok Loan Fees"};
    EXPECT_EQ(TheLog, expectedLog);
    auto json = run.Json();
    const std::string total = "7.5/1/12/Quarterly/365/100\r\n200\r\n300";
    EXPECT_EQ(json["record"], "TOTAL " + total + "\r\n");
    EXPECT_EQ(json["fields"]["total"], total);
    EXPECT_EQ(json["fields"]["select-for-calculation"], "365 days/year");
    EXPECT_EQ(json["fields"]["current-loan-data.annual-rate"], "7.5");
    EXPECT_EQ(json["fields"]["loan-fees.annual-rate"], "1");
}

TEST(WorksheetCli, AStepWithoutValuesIsCancelledWhenItsOkFails) {
    auto run = RunWorksheet({"current-loan-data.annual-rate=7.5", "payments-made=3"});
    ASSERT_EQ(run.status, 0) << run.err;
    // The fees form refused OK while empty, and the run went on without it.
    EXPECT_EQ(run.err, "Please enter data...\n");
    EXPECT_EQ(run.out, "TOTAL 7.5//3/Monthly/360/\r\n");
}

TEST(WorksheetCli, TodayIsFixedForTheRunOnly) {
    for (const char* date : {"2/29/2000", "12/31/2499"}) {
        auto run = RunWorksheet({"current-loan-data.annual-rate=7.5", "--today", date, "--json"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.Json()["fields"]["total-note"], date);
    }
    CDate clock, fixed(2, 29, 2000);
    clock.SetToday();
    EXPECT_FALSE(clock.IsSameDate(fixed) && clock.year == 2000);
}

TEST(WorksheetCli, SubFormFailures) {
    const struct {
        Args args;
        int status;
        const char* err;
    } cases[] = {
        {{"current-loan-data.annual-rate=7x"},
         1,
         "Character 'x' not accepted in current-loan-data.annual-rate\n"},
        {{"current-loan-data.annual-rate="},
         1,
         "Please enter data...\nThe form \"Current Loan Data\" was not completed\n"},
        {{"current-loan-data.bogus=1"}, 2, "unknown key 'current-loan-data.bogus'"},
        {{"no-such-form.annual-rate=1"}, 2, "unknown key 'no-such-form.annual-rate'"},
        {{"payments-are-made=Weekly"}, 2, "'payments-are-made' has no item 'Weekly'"},
        {{"select-for-calculation=366 days/year"}, 2, "has no item '366 days/year'"},
        {{"total=5"}, 2, "'total' is a result"},
        {{"payments-made=3"}, 1, "Missing data from previous steps..."},
        // A listed key whose step was refused stops the run there.
        {{"current-loan-data.annual-rate=7.5", "payments-made=99", "loan-fees.annual-rate=1"},
         1,
         "Number is too large...\nThe form \"Loan Fees\" was not opened\n"},
    };
    for (const auto& c : cases) {
        auto run = RunWorksheet(c.args);
        EXPECT_EQ(run.status, c.status) << c.err;
        EXPECT_EQ(run.out, "") << c.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace kavrel
