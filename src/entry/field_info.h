// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The static description of a form's fields and the shared limit classes.

#include <span>

namespace kavrel {

// One row of a form's field table, in the order the fields are checked and recorded.
struct FieldInfo {
    int controlId;     // the control whose text is the field's value
    int unknownButton; // 0: never checked; 1: required, never the unknown; else its "-->" button
    int labelId;       // the label control; a disabled label leaves the field out of the record
    int limitClass;    // row of FieldLimitTable
};

// The shared limit classes by name; each is the index of its row of FieldLimitTable.
enum class LimitClass : int {
    Count,
    LongCount,
    Periods,
    Amount,
    AmountOrZero,
    SignedAmount,
    Rate,
    SignedCount,
    SignedLongCount,
    Percent,
    CountOrZero,
    CallPrice,
};

struct FieldLimits {
    int digits; // digits after the decimal point
    double minimum;
    double maximum;
    const char* format; // the print format, "%-.Nf"
};

inline constexpr int FieldLimitClassCount = 12;
extern const FieldLimits FieldLimitTable[FieldLimitClassCount];

using FieldTable = std::span<const FieldInfo>;

// FindField's columns: the control ID or the unknown button.
enum FieldColumn { ControlColumn = 0, UnknownColumn = 1 };

// The first row whose control ID (column 0) or unknown button (column 1) is key; -1 if none.
int FindField(FieldTable table, int key, int column);

// The limits of a class; an out-of-range class is a programming error and gives class 0.
const FieldLimits& LimitsOf(int limitClass);
inline const FieldLimits& LimitsOf(LimitClass limitClass) {
    return LimitsOf(static_cast<int>(limitClass));
}

} // namespace kavrel
