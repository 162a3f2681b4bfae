// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kavrel-calc --batch: problems as JSON Lines on the input, one answer line each.

#include <iosfwd>
#include <span>

namespace kavrel {

struct FormEntry;

namespace cli {

// Answers every line of in on out, in order; a line the command line would refuse is answered
// with its error and the batch goes on. Returns 0, or 1 when out failed (the batch stops).
int RunBatch(std::istream& in, std::ostream& out, std::span<const FormEntry> forms);

} // namespace cli
} // namespace kavrel
