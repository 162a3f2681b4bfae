// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The amortization schedule as a table for spreadsheets: comma-separated values with CR LF
// line ends, one row per payment and no totals.

#include "calculators/loan_amortization/amortization_schedule.h"

#include <string>

namespace kavrel {

inline constexpr std::string_view ScheduleCsvHeader =
    "Number,Due Date,Payment,Principal,Interest,Balance\r\n";

// Every payment of the loan, whatever its count: the document's limit on the schedule's
// length does not apply. Due dates in ISO 8601 (2024-10-31), amounts with a point and two
// decimals, no thousands separators.
std::string ScheduleCsv(const ScheduleTerms& terms);

} // namespace kavrel
