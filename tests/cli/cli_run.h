// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs kavrel-calc in-process and keeps its exit status and both streams.

#include "catalog/form_catalog.h"
#include "cli/kavrel_calc.h"

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace kavrel::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
    nlohmann::json Json() const { return nlohmann::json::parse(out); }
};

inline CliRun RunCli(const std::vector<std::string>& args,
                     std::span<const FormEntry> forms = FormCatalog(),
                     const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    CliRun run;
    run.status = RunKavrelCalc(args, in, out, err, forms);
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace kavrel::test
