// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// kavrel-calc: any form of the program, driven from the command line.

#include <iosfwd>
#include <span>
#include <string>

namespace kavrel {

struct FormEntry;

// Runs kavrel-calc with its arguments (without the program name). --batch reads its problems
// from in. The record (or the JSON) goes to out, the form's messages and usage errors to err.
// Returns the exit status: 0 done, 1 the work stopped (a rejected keystroke, a Calculate that
// records nothing, out failed during --batch), 2 a usage error.
int RunKavrelCalc(std::span<const std::string> args, std::istream& in, std::ostream& out,
                  std::ostream& err);
// The same over another list of forms (tests).
int RunKavrelCalc(std::span<const std::string> args, std::istream& in, std::ostream& out,
                  std::ostream& err, std::span<const FormEntry> forms);

} // namespace kavrel
