// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/field_info.h"

namespace kavrel {

const FieldLimits FieldLimitTable[FieldLimitClassCount] = {
    {0, 1, 9999, "%-.0f"},         // Count
    {0, 1, 999999, "%-.0f"},       // LongCount
    {3, 1, 999999, "%-.3f"},       // Periods
    {2, 0.01, 1e10, "%-.2f"},      // Amount
    {2, 0, 1e10, "%-.2f"},         // AmountOrZero
    {2, -1e10, 1e10, "%-.2f"},     // SignedAmount
    {3, 0.001, 9999, "%-.3f"},     // Rate
    {0, -9999, 9999, "%-.0f"},     // SignedCount
    {0, -999999, 999999, "%-.0f"}, // SignedLongCount
    {3, 0, 99, "%-.3f"},           // Percent
    {0, 0, 9999, "%-.0f"},         // CountOrZero
    {3, 94.999, 150, "%-.3f"},     // CallPrice
};
static_assert(static_cast<int>(LimitClass::CallPrice) + 1 == FieldLimitClassCount);

int FindField(FieldTable table, int key, int column) {
    for (size_t row = 0; row < table.size(); ++row) {
        int value = column == ControlColumn ? table[row].controlId : table[row].unknownButton;
        if (value == key) return static_cast<int>(row);
    }
    return -1;
}

const FieldLimits& LimitsOf(int limitClass) {
    if (limitClass < 0 || limitClass >= FieldLimitClassCount) return FieldLimitTable[0];
    return FieldLimitTable[limitClass];
}

} // namespace kavrel
