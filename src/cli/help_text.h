// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of kavrel-calc --help.

#include <iosfwd>

namespace kavrel {

class CFormModel;
struct FormEntry;

namespace cli {

void PrintHelp(std::ostream& out);
// The form's keys, their kinds and items, and an example; form is open.
void PrintFormHelp(std::ostream& out, const FormEntry& entry, const CFormModel& form);

} // namespace cli
} // namespace kavrel
