// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/common/worksheet_record.h"

#include "document/record.h"

namespace kavrel {

namespace {

// A string ID the table does not hold: the rule's label is empty.
constexpr int NoLabel = 1;

} // namespace

void RecordClosingRule(ITextSink& out) {
    RecordLine(NoLabel, 0.0, "----------", LimitClass::Count, out);
}

} // namespace kavrel
