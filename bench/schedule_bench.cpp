// SPDX-License-Identifier: GPL-3.0-or-later
// The amortization schedule of a 600-payment loan, built and handed to a document.

#include "calculators/loan_amortization/loan_amortization_dlg.h"
#include "document/record_target.h"
#include "entry/form_host.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace kavrel;

// Answers Yes to the question and OK to every other message.
class QuietHost : public IFormHost {
public:
    void Beep() override {}
    void TakeBackCharacter(int) override {}
    MessageAnswer ShowMessage(std::string_view, MessageIcon, MessageButtons buttons) override {
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    void MoveFocus(int) override {}
    void ControlChanged(int) override {}
    void EndForm(FormResult) override {}
    FormResult RunSubForm(CFormModel&) override { return FormResult::Cancel; }
};

class Document : public IRecordTarget {
public:
    bool InsertRecord(std::string_view block) override {
        text.append(block);
        return true;
    }
    void ReplaceText(std::string_view replacement) override { text.assign(replacement); }
    bool IsEmpty() const override { return text.empty(); }
    std::string text;
};

void BM_BuildSchedule600Monthly(benchmark::State& state) {
    CDate::SetTodayOverride(CDate(1, 15, 2001));
    CLoanAmortizationDlg dlg;
    QuietHost host;
    Document document;
    dlg.Attach(&host, &document);
    dlg.Open();
    dlg.UserEdited(131, "1/1/2001");
    dlg.UserEdited(31, "600");
    dlg.UserEdited(32, "6");
    dlg.UserEdited(33, "100000");
    dlg.UserClicked(1001);
    for (auto _ : state) {
        dlg.BuildSchedule();
        benchmark::DoNotOptimize(document.text.data());
    }
    state.counters["chars"] = static_cast<double>(document.text.size());
    CDate::SetTodayOverride(std::nullopt);
}
BENCHMARK(BM_BuildSchedule600Monthly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
