// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the worksheets' records share: their wider lines and the rule that closes them.

namespace kavrel {

class ITextSink;

// The worksheets record in 63 columns (ScopedRecordWidth), the calculators in 50.
inline constexpr int WorksheetRecordWidth = 63;

// Ten dashes ending in the last column.
void RecordClosingRule(ITextSink& out);

} // namespace kavrel
