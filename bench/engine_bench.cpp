// SPDX-License-Identifier: GPL-3.0-or-later
// Single-call costs of the engine's slowest paths.

#include "engine/cash_flow_series.h"
#include "engine/dated_growth.h"
#include "engine/rate_solver.h"
#include "entry/date.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace kavrel;

// A root at 997.5 % a year: 999 scan steps, then the bisection.
void BM_SolveRateNearTheScanLimit(benchmark::State& state) {
    double payment = 9975;
    for (auto _ : state) {
        benchmark::DoNotOptimize(payment);
        benchmark::DoNotOptimize(SolveRate(0, 0, 1, 60, 1000, payment, 0));
    }
}
BENCHMARK(BM_SolveRateNearTheScanLimit);

// All 1000 scan steps without a root.
void BM_SolveRateNoRate(benchmark::State& state) {
    double payment = 20000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(payment);
        benchmark::DoNotOptimize(SolveRate(0, 0, 1, 60, 1000, payment, 0));
    }
}
BENCHMARK(BM_SolveRateNoRate);

// Internal rate of a 30-period cash-flow series near the top of the scan (9.5 per period).
void BM_SolveDiscountRate(benchmark::State& state) {
    std::vector<double> flows(31, 9.5);
    flows[0] = -1;
    const double size = 1 + 30 * 9.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(flows.data());
        benchmark::DoNotOptimize(
            SolveDiscountRate([&](double x) { return DiscountFromZero(flows, x); }, size, -1));
    }
}
BENCHMARK(BM_SolveDiscountRate);

// The whole default year range, compounded monthly.
void BM_DatedGrowthFactor900YearsMonthly(benchmark::State& state) {
    const CDate start(1, 1, 1600), end(12, 31, 2500);
    for (auto _ : state)
        benchmark::DoNotOptimize(DatedGrowthFactor(start, end, 1, 0.05));
}
BENCHMARK(BM_DatedGrowthFactor900YearsMonthly);

void BM_DayNumberAndBack(benchmark::State& state) {
    CDate date(2, 29, 2000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        CDate back;
        back.FromDayNumber(date.DayNumber());
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_DayNumberAndBack);

} // namespace

BENCHMARK_MAIN();
