// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few values the entry checks and dates keep for the whole process: the memories of the
// decimal, date and list checks, the fixed "today" and the accepted years.

namespace kavrel {

// Gives each of them its value at program start, so that the next form runs as the first
// form of a fresh program does.
void ResetProcessMemories();

} // namespace kavrel
