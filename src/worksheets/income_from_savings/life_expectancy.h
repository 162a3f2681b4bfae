// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The life expectancy by age from which the minimum yearly distribution of a retirement
// account is figured.

#include <array>
#include <optional>

namespace kavrel {

inline constexpr int FirstTabulatedAge = 35;
inline constexpr int LastTabulatedAge = 110;

// Years of life expected at the ages 35 to 110, indexed by age - 35.
extern const std::array<double, LastTabulatedAge - FirstTabulatedAge + 1> LifeExpectancyTable;

// The expectancy for an age (its fraction dropped); none outside the table.
std::optional<double> LifeExpectancy(double age);

} // namespace kavrel
