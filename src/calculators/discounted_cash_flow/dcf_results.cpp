// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/discounted_cash_flow/dcf_results.h"

#include "engine/cash_flow_series.h"
#include "engine/math_errors.h"

#include <cmath>
#include <numeric>

namespace kavrel {

namespace {

constexpr double LeastInvestment = 0.01;
constexpr double InvestmentTerm = -0.01;
constexpr double ScanFailure = 10.0;
// Amounts are entered in cents: a net value nearer 0 than this is 0 up to rounding.
constexpr double HalfCent = 0.005;

double NetOfRounding(double value) {
    return std::fabs(value) < HalfCent ? 0.0 : value;
}

double SumOfSizes(std::span<const double> values) {
    double sum = 0.0;
    for (double value : values)
        sum += std::fabs(value);
    return sum;
}

// The discounted payback in periods for a positive NPV: where the running sum of the net
// discounted flows, after an investment has been made, comes back to 0.
double PaybackPeriods(std::span<const double> outflows, std::span<const double> inflows,
                      double rate) {
    const int n = static_cast<int>(inflows.size());
    double sum = 0.0;
    double term = 0.0;
    bool invested = false;
    int i = 0;
    for (; i < n; ++i) {
        term = (inflows[i] - outflows[i]) / CheckedPow(1 + rate, i);
        if (term < InvestmentTerm) invested = true;
        sum += term;
        if (invested && sum >= 0) break;
    }
    return (i - 1) + (term - sum) / term;
}

} // namespace

DcfResults EvaluateCashFlows(std::span<const double> outflows, std::span<const double> inflows,
                             double perYear, double ratePercent) {
    DcfResults results;
    const int n = static_cast<int>(inflows.size());
    const double rate = ratePercent / (perYear * 100);
    if (rate > 0) {
        const double pvIn = DiscountFromZero(inflows, rate);
        const double pvOut = DiscountFromZero(outflows, rate);
        if (pvOut < LeastInvestment) {
            results.noInvestment = true;
            return results;
        }
        results.npv = NetOfRounding(pvIn - pvOut);
        results.pi = pvIn / pvOut;
    }
    const double sumIn = std::accumulate(inflows.begin(), inflows.end(), 0.0);
    const double sumOut = std::accumulate(outflows.begin(), outflows.end(), 0.0);
    const int producing = inflows[0] == 0 ? n - 1 : n;
    // The average yearly inflow as a share of the whole outlay. With nothing paid out there is
    // no such share: 0, which the field shows empty.
    const double outlay = producing * sumOut;
    results.roiPercent = outlay != 0 ? sumIn * perYear * 100 / outlay : 0.0;
    if (!(NetOfRounding(sumIn - sumOut) > 0)) {
        results.irrPercent = IrrNotPositive;
        return results;
    }
    if (rate > 0) {
        if (results.npv < 0)
            results.paybackYears = PaybackNever;
        else if (results.npv == 0)
            results.paybackYears = (n - 1) / perYear;
        else
            results.paybackYears = PaybackPeriods(outflows, inflows, rate) / perYear;
    }
    const double t = SolveDiscountRate(
        [&](double x) { return DiscountFromZero(inflows, x) - DiscountFromZero(outflows, x); },
        SumOfSizes(inflows) + SumOfSizes(outflows), ScanFailure);
    results.irrPercent = t >= ScanFailure ? IrrAboveLimit : t * perYear * 100;
    return results;
}

} // namespace kavrel
