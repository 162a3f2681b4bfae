// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The payment frequencies of a loan, indexed by the "Payments are Made" list: shared by Loan
// Amortization and the mortgage worksheets' loan data.

#include <array>
#include <string_view>

namespace kavrel {

inline constexpr int PaymentFrequencyCount = 6;

inline constexpr std::array<std::string_view, PaymentFrequencyCount> PaymentFrequencyNames = {
    "Weekly", "Biweekly", "Monthly", "Quarterly", "Semiannually", "Annually"};

inline constexpr std::array<int, PaymentFrequencyCount> PeriodsPerYear = {52, 26, 12, 4, 2, 1};

// The list's item when a form opens.
inline constexpr int MonthlyFrequency = 2;

} // namespace kavrel
