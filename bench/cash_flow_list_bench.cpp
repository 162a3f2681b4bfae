// SPDX-License-Identifier: GPL-3.0-or-later
// A long list of payments: reading it at Calculate, and typing at its end.

#include "entry/cash_flow_list.h"
#include "entry/form_model.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace kavrel;

enum { List = 34, Count = 31 };

// Shown by no view: the insertion point is at the end of the list, where kavrel-calc types.
class PaymentList : public CFormModel {
public:
    PaymentList() : CFormModel(1, "List") {
        AddControl({List, ControlKind::List, {}, EditRule::PaymentList});
        AddDisplay(Count);
    }
    FieldTable Table() const override { return {}; }

protected:
    void OnEditChange(int id) override {
        if (id == List) OnCashFlowLineChange(*this, List, Count, ListColumns::One);
    }
};

void BM_ReadPastedPayments(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += i ? "\r\n1234.56" : "1234.56";
    PaymentList form;
    form.UserEdited(List, text);
    std::vector<double> payments;
    for (auto _ : state) {
        ReadCashFlowLines(form, List, lines, payments);
        benchmark::DoNotOptimize(payments.data());
    }
}
BENCHMARK(BM_ReadPastedPayments)->Arg(100000)->Unit(benchmark::kMillisecond);

// One more line typed at the end, as kavrel-calc types; the cost should not grow with the list.
void BM_TypeALineAtTheEnd(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "1234.56\r\n";
    PaymentList form;
    form.UserEdited(List, text);
    for (auto _ : state) {
        for (char c : std::string_view("1234.56"))
            form.UserReplaced(List, form.Text(List).size(), 0, std::string_view(&c, 1));
        form.UserReplaced(List, form.Text(List).size(), 0, "\r\n");
    }
}
BENCHMARK(BM_TypeALineAtTheEnd)->Arg(1000)->Arg(100000);

} // namespace

BENCHMARK_MAIN();
