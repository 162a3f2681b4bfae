// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/process_memories.h"

#include "entry/cash_flow_list.h"
#include "entry/date.h"
#include "entry/date_field.h"
#include "entry/entry_checks.h"

namespace kavrel {

void ResetProcessMemories() {
    TheDecimalFieldMemory() = {};
    TheDateFieldMemory() = {};
    TheListLineMemory(ListColumns::One) = {};
    TheListLineMemory(ListColumns::Two) = {};
    CDate::SetTodayOverride(std::nullopt);
    CDate::MinYear = CDate::DefaultMinYear;
    CDate::MaxYear = CDate::DefaultMaxYear;
}

} // namespace kavrel
