// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a form hands its host to draw: a loan's payments over their due dates, or the value of
// a plan over its periods.

#include "entry/date.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace kavrel {

// The "Chart..." button of the forms that draw one.
enum ChartControl : int { IDC_CHART = 1006 };

struct ChartPoint {
    double period = 0.0;  // the payment's number, or the periods since the start
    CDate due;            // a loan's due date; a plan's points have none
    double balance = 0.0; // a loan's remaining principal, or a plan's value
    // A loan's payment and its two portions.
    double payment = 0.0;
    double principal = 0.0;
    double interest = 0.0;
};

struct ChartData {
    std::string title;
    std::string balanceName; // the legend's name of the balance or value
    bool dated = false;      // the points carry due dates and a payment's portions
    std::vector<ChartPoint> points;
};

// A long series is drawn from this many of its points at most.
inline constexpr size_t MaxChartPoints = 2000;

// Which of count points a chart draws, in order: all of them up to limit, else limit evenly
// spaced ones, the first and the last included.
std::vector<size_t> ChartSample(size_t count, size_t limit = MaxChartPoints);

// A plan's value from period 0 to periods: at each whole period and at periods itself when it
// is fractional, sampled as ChartSample does.
std::vector<ChartPoint> GrowthPoints(double periods,
                                     const std::function<double(double period)>& valueAt);

} // namespace kavrel
