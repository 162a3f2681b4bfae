// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Growth of money between two calendar dates at simple interest within each compounding
// period, compounded at the period ends.

#include "entry/date.h"

namespace kavrel {

// The compounding dates are the last days of the months whose number is a multiple of
// monthsPerPeriod (1, 3, 6 or 12; below 1 counts as 1), and endDate. Each stretch between
// them earns days * annualRate / yearDays, yearDays being 366 when the stretch ends in a leap
// year. Gives 1.0 when startDate is not before endDate.
double DatedGrowthFactor(const CDate& startDate, const CDate& endDate, int monthsPerPeriod,
                         double annualRate);

} // namespace kavrel
