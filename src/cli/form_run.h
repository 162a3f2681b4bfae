// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One problem of kavrel-calc, from a fresh form to what it answers: the part that the
// command line and --batch share.

#include "cli/cli_host.h"
#include "entry/date.h"

#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kavrel {

struct FormEntry;

namespace cli {

inline constexpr int UsageStatus = 2;

struct Problem {
    const FormEntry* entry = nullptr;
    std::optional<std::string> solve;
    std::optional<CDate> today;
    std::vector<Pair> pairs; // in the order they are typed
    bool csv = false;        // Export... in place of Record: the answer's record is the file
};

struct Answer {
    int status = 0;    // 0 done, 1 the work stopped, UsageStatus
    std::string usage; // what is wrong with the problem, when status is UsageStatus
    bool done = false;
    std::vector<std::pair<std::string, std::string>> fields;
    std::optional<std::string> record;
    std::vector<std::string> messages;
};

// The sub-forms that a form's steps open, in the order --fields lists them.
struct StepForm {
    int button = 0;
    std::string prefix; // "current-loan-data."
    std::string caption;
    std::vector<FieldKey> keys;
};
std::vector<StepForm> DescribeSteps(const FormEntry& entry);

// "M/D/YYYY" as --today takes it; nullopt when it is no such date.
std::optional<CDate> ParseToday(std::string_view text);

// The keys of a fresh form of each kind, kept over a batch: they depend on the layout alone.
using KeyCache = std::map<const FormEntry*, std::shared_ptr<const std::vector<FieldKey>>>;

// Runs the problem on a fresh form, after every process-wide memory has been reset. The
// messages and usage errors are also printed on err as they happen.
Answer Solve(const Problem& problem, std::ostream& err, KeyCache* keys = nullptr);

} // namespace cli
} // namespace kavrel
