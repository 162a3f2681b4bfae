// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The measures of an investment given as per-period outflows and inflows: net present value,
// profitability index, discounted payback, internal rate of return and return on investment.

#include <span>

namespace kavrel {

// IRR's special outcomes.
inline constexpr double IrrNotPositive = -1.0; // shown as "0 or less"
inline constexpr double IrrAboveLimit = -2.0;  // shown as "> 1000"
// A payback that never comes (negative NPV), shown as "none".
inline constexpr double PaybackNever = -1.0;

struct DcfResults {
    double npv = 0.0;
    double pi = 0.0;
    double paybackYears = 0.0;
    double irrPercent = 0.0;
    double roiPercent = 0.0;
    // A discount rate was given but the discounted outflows are below a cent.
    bool noInvestment = false;
};

// Period 0 is the present and is not discounted. ratePercent is the annual discount rate (0:
// none given); perYear the cash flows per year. Both series have the same length, at least 2.
DcfResults EvaluateCashFlows(std::span<const double> outflows, std::span<const double> inflows,
                             double perYear, double ratePercent);

} // namespace kavrel
