// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/kavrel_calc.h"

#include "catalog/form_catalog.h"
#include "cli/answer_json.h"
#include "cli/batch.h"
#include "cli/form_run.h"
#include "cli/help_text.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <sstream>

namespace kavrel {

namespace {

using cli::CliHost;
using cli::CliSession;
using cli::FieldKey;
using cli::Pair;
using cli::UsageStatus;

struct Options {
    bool batch = false;
    bool help = false;
    bool list = false;
    bool fields = false;
    bool json = false;
    bool csv = false;
    std::optional<std::string> solve;
    std::optional<std::string> today;
    std::optional<std::string> form;
    std::vector<Pair> pairs;
};

int UsageError(std::ostream& err, std::string_view problem) {
    err << "kavrel-calc: " << problem << "\nTry 'kavrel-calc --help'.\n";
    return UsageStatus;
}

// Reads the arguments; returns the problem of a malformed command line.
std::optional<std::string> ParseArguments(std::span<const std::string> args, Options& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto valueOf = [&](std::string_view name) -> std::optional<std::string> {
            if (arg == name && i + 1 < args.size()) return args[++i];
            if (arg.starts_with(std::string(name) + "=")) return arg.substr(name.size() + 1);
            return std::nullopt;
        };
        if (arg == "--help" || arg == "-h")
            options.help = true;
        else if (arg == "--batch")
            options.batch = true;
        else if (arg == "--list")
            options.list = true;
        else if (arg == "--fields")
            options.fields = true;
        else if (arg == "--json")
            options.json = true;
        else if (arg == "--csv")
            options.csv = true;
        else if (arg == "--solve" || arg.starts_with("--solve=")) {
            if (!(options.solve = valueOf("--solve"))) return "--solve needs a KEY";
        } else if (arg == "--today" || arg.starts_with("--today=")) {
            if (!(options.today = valueOf("--today"))) return "--today needs a date M/D/YYYY";
        } else if (arg.starts_with("-")) {
            return "unknown option '" + arg + "'";
        } else if (!options.form) {
            options.form = arg;
        } else {
            size_t equals = arg.find('=');
            if (equals == std::string::npos || equals == 0)
                return "malformed pair '" + arg + "' (expected KEY=VALUE)";
            options.pairs.push_back({arg.substr(0, equals), arg.substr(equals + 1)});
        }
    }
    return std::nullopt;
}

void PrintFields(std::ostream& out, const std::vector<FieldKey>& keys, const std::string& prefix) {
    for (const FieldKey& field : keys)
        out << prefix << field.key << '\t' << field.controlId << '\t' << field.label << '\t'
            << cli::KindName(field) << '\n';
}

// The form's fields, then those of the sub-forms of its steps.
int ListFields(std::ostream& out, const FormEntry& entry) {
    PrintFields(out, cli::FormKeys(*entry.create()), "");
    for (const cli::StepForm& step : cli::DescribeSteps(entry))
        PrintFields(out, step.keys, step.prefix);
    return 0;
}

int PrintFormHelp(std::ostream& out, const FormEntry& entry) {
    auto form = entry.create();
    std::ostringstream discarded;
    CliSession session(discarded);
    CliHost host(session, *form, "");
    form->Attach(&host, nullptr);
    form->Open();
    cli::PrintFormHelp(out, entry, *form);
    return 0;
}

int RunForm(const FormEntry& entry, const Options& options, std::ostream& out, std::ostream& err) {
    cli::Problem problem{&entry, options.solve, std::nullopt, options.pairs, options.csv};
    if (options.today && !(problem.today = cli::ParseToday(*options.today)))
        return UsageError(err, "--today needs a valid date M/D/YYYY, not '" + *options.today + "'");
    cli::Answer answer = cli::Solve(problem, err);
    if (answer.status == UsageStatus) {
        err << "Try 'kavrel-calc " << entry.slug << " --help'.\n";
        return UsageStatus;
    }
    if (options.json) {
        std::string json = "{";
        cli::AppendAnswerMembers(json, answer);
        json += "}\n";
        out << json;
    } else if (answer.record) {
        out.write(answer.record->data(), static_cast<std::streamsize>(answer.record->size()));
    } else if (answer.done) {
        for (const auto& [key, text] : answer.fields)
            out << key << ": " << text << '\n';
    }
    return answer.status;
}

} // namespace

int RunKavrelCalc(std::span<const std::string> args, std::istream& in, std::ostream& out,
                  std::ostream& err) {
    return RunKavrelCalc(args, in, out, err, FormCatalog());
}

int RunKavrelCalc(std::span<const std::string> args, std::istream& in, std::ostream& out,
                  std::ostream& err, std::span<const FormEntry> forms) {
    Options options;
    if (auto problem = ParseArguments(args, options)) return UsageError(err, *problem);
    if (options.csv && options.json) return UsageError(err, "--csv and --json exclude each other");
    if (options.help && !options.form) {
        cli::PrintHelp(out);
        return 0;
    }
    if (options.batch) {
        if (options.form || options.list || options.fields || options.json || options.csv ||
            options.solve || options.today)
            return UsageError(err, "--batch takes no form and no other option");
        return cli::RunBatch(in, out, forms);
    }
    if (options.list) {
        if (options.form) return UsageError(err, "--list takes no form");
        for (const FormEntry& entry : forms)
            out << entry.slug << '\t' << entry.caption << '\n';
        return 0;
    }
    if (!options.form) return UsageError(err, "no form named (kavrel-calc --list shows them)");
    auto found = std::find_if(forms.begin(), forms.end(),
                              [&](const FormEntry& entry) { return entry.slug == *options.form; });
    const FormEntry* entry = found == forms.end() ? nullptr : &*found;
    if (!entry) return UsageError(err, "unknown form '" + *options.form + "'");
    if (options.help) return PrintFormHelp(out, *entry);
    if (options.fields) return ListFields(out, *entry);
    return RunForm(*entry, options, out, err);
}

} // namespace kavrel
