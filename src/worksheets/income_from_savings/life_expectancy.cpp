// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/income_from_savings/life_expectancy.h"

namespace kavrel {

const std::array<double, LastTabulatedAge - FirstTabulatedAge + 1> LifeExpectancyTable = {
    47.3, 46.4, 45.4, 44.4, 43.5, 42.5, 41.5, 40.6, 39.6, 38.7, // 35-44
    37.7, 36.8, 35.9, 34.9, 34.0, 33.1, 32.2, 31.3, 30.4, 29.5, // 45-54
    28.6, 27.7, 26.8, 25.9, 25.0, 24.2, 23.3, 22.5, 21.6, 20.8, // 55-64
    20.0, 19.2, 18.4, 17.6, 16.8, 16.0, 15.3, 14.6, 13.9, 13.2, // 65-74
    12.5, 11.9, 11.2, 10.6, 10.0, 9.5,  8.9,  8.4,  7.9,  7.4,  // 75-84
    6.9,  6.5,  6.1,  5.7,  5.3,  5.0,  4.7,  4.4,  4.1,  3.9,  // 85-94
    3.7,  3.4,  3.2,  3.0,  2.8,  2.7,  2.5,  2.3,  2.1,  1.9,  // 95-104
    1.8,  1.6,  1.4,  1.3,  1.1,  1.0,                          // 105-110
};

std::optional<double> LifeExpectancy(double age) {
    // The whole age is checked, so that 34.5 cannot index before the table.
    if (!(age >= FirstTabulatedAge && age < LastTabulatedAge + 1)) return std::nullopt;
    return LifeExpectancyTable[static_cast<size_t>(static_cast<int>(age) - FirstTabulatedAge)];
}

} // namespace kavrel
