#include "cli/kavrel_calc.h"

#include "calculators/form_catalog.h"
#include "cli/cli_host.h"
#include "cli/help_text.h"
#include "document/record_target.h"
#include "entry/date.h"
#include "entry/entry_checks.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>

namespace kavrel {

namespace {

using cli::CliHost;
using cli::CliSession;
using cli::FieldKey;
using cli::Pair;
using cli::RunStatus;

constexpr int UsageStatus = 2;

struct Options {
    bool help = false;
    bool list = false;
    bool fields = false;
    bool json = false;
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
        else if (arg == "--list")
            options.list = true;
        else if (arg == "--fields")
            options.fields = true;
        else if (arg == "--json")
            options.json = true;
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

// The document of a run: it keeps what Record inserts (or the schedule's whole text).
class RecordBuffer : public IRecordTarget {
public:
    bool InsertRecord(std::string_view block) override {
        text.append(block);
        recorded = true;
        return true;
    }
    void ReplaceText(std::string_view replacement) override {
        text.assign(replacement);
        recorded = true;
    }
    int LineCount() const override {
        return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    }
    bool IsEmpty() const override { return text.empty(); }
    int OutOfSpaceCount() const override { return m_outOfSpace; }
    void SetOutOfSpaceCount(int count) override { m_outOfSpace = count; }

    std::string text;
    bool recorded = false;

private:
    int m_outOfSpace = 0;
};

// Fixes today's date for the run and gives the clock back afterwards.
class ScopedToday {
public:
    explicit ScopedToday(std::optional<CDate> today) : m_set(today.has_value()) {
        if (m_set) CDate::SetTodayOverride(today);
    }
    ~ScopedToday() {
        if (m_set) CDate::SetTodayOverride(std::nullopt);
    }
    ScopedToday(const ScopedToday&) = delete;
    ScopedToday& operator=(const ScopedToday&) = delete;

private:
    bool m_set;
};

const ControlInfo* ButtonNamed(const CFormModel& form, std::string_view text) {
    for (const ControlInfo& info : form.Controls())
        if (info.kind == ControlKind::Button && cli::WithoutMnemonic(info.text) == text)
            return &info;
    return nullptr;
}

// Calculate, or the default button of a form whose OK calculates.
int CalculateButton(const CFormModel& form) {
    if (form.InfoOf(IDC_CALCULATE)) return IDC_CALCULATE;
    return form.DefaultButton() ? form.DefaultButton() : IDOK;
}

// Record, or the button that writes a schedule; 0 for a form that records nothing.
int RecordButton(const CFormModel& form) {
    if (form.InfoOf(IDC_RECORD)) return IDC_RECORD;
    const ControlInfo* schedule = ButtonNamed(form, "Schedule");
    return schedule ? schedule->id : 0;
}

void PrintFields(std::ostream& out, const CFormModel& form, const std::string& prefix) {
    for (const FieldKey& field : cli::FormKeys(form))
        out << prefix << field.key << '\t' << field.controlId << '\t' << field.label << '\t'
            << cli::KindName(field) << '\n';
}

// The form's fields, then those of the sub-forms of its steps.
int ListFields(std::ostream& out, const FormEntry& entry) {
    auto form = entry.create();
    PrintFields(out, *form, "");
    std::set<std::string> described;
    auto describe = [&](const CFormModel& sub, const std::string& prefix) {
        if (described.insert(prefix).second) PrintFields(out, sub, prefix);
    };
    std::ostringstream discarded;
    CliSession session(discarded);
    session.describe = describe;
    CliHost host(session, *form, "");
    form->Attach(&host, nullptr);
    bool opened = false;
    for (int button : cli::StepButtons(*form)) {
        if (auto sub = form->SubFormFor(button)) {
            describe(*sub, cli::Slug(sub->Caption()) + ".");
            continue;
        }
        // Without a description, the step is taken to see which sub-form it opens.
        if (!opened) form->Open();
        opened = true;
        host.Click(button);
    }
    return 0;
}

int PrintFormHelp(std::ostream& out, const FormEntry& entry) {
    auto form = entry.create();
    std::ostringstream discarded;
    CliSession session(discarded);
    CliHost host(session, *form, "");
    RecordBuffer document;
    form->Attach(&host, &document);
    form->Open();
    cli::PrintFormHelp(out, entry, *form);
    return 0;
}

struct Outcome {
    std::vector<std::pair<std::string, std::string>> fields;
    std::optional<std::string> record;
};

// Opens the form, types the pairs, calculates and records.
void Drive(CFormModel& form, CliHost& host, CliSession& session, const Options& options,
           RecordBuffer& document) {
    std::vector<const Pair*> own;
    for (const Pair& pair : options.pairs) {
        if (cli::FindKey(host.Keys(), pair.key))
            own.push_back(&pair);
        else if (pair.key.find('.') != std::string::npos)
            session.subPairs.push_back(pair);
        else
            return session.UsageError("unknown key '" + pair.key + "'");
    }
    const FieldKey* solve = options.solve ? cli::FindKey(host.Keys(), *options.solve) : nullptr;
    if (options.solve && !solve) return session.UsageError("unknown key '" + *options.solve + "'");
    if (solve && !solve->unknownButton)
        return session.UsageError("'" + solve->key + "' can't be the unknown");

    form.Open();
    if (solve) {
        if (!form.IsEnabled(solve->unknownButton))
            return session.UsageError("'" + solve->key + "' can't be the unknown now");
        host.Click(solve->unknownButton);
    }
    // A worksheet's first step comes before its own fields, the later steps after them.
    std::vector<int> steps = cli::StepButtons(form);
    if (!steps.empty()) host.Click(steps.front());
    for (const Pair* pair : own)
        host.Apply(pair->key, pair->value);
    for (size_t step = 1; step < steps.size(); ++step)
        host.Click(steps[step]);
    for (const Pair& pair : session.subPairs)
        if (!pair.used) return session.UsageError("unknown key '" + pair.key + "'");
    if (session.Stopped()) return;

    const size_t messagesBefore = session.Messages().size();
    host.Click(CalculateButton(form));
    if (session.Stopped()) return;
    const int record = RecordButton(form);
    if (!record) {
        // A form without Record stops at any message of its Calculate.
        if (session.Messages().size() != messagesBefore) session.Fail();
        return;
    }
    if (!form.IsEnabled(record)) {
        if (session.Messages().size() == messagesBefore)
            session.Note("kavrel-calc: Calculate did not complete; nothing to record");
        return session.Fail();
    }
    host.Click(record);
    // A schedule too large for the document closes the form too, but leaves nothing.
    if (!session.Stopped() &&
        (host.Result() != FormResult::Ok || !document.recorded || document.text.empty()))
        session.Fail();
}

int RunForm(const FormEntry& entry, const Options& options, std::ostream& out, std::ostream& err) {
    std::optional<CDate> today;
    if (options.today) {
        CDate date = CDate::Parsed(*options.today);
        if (!date.valid || std::count(options.today->begin(), options.today->end(), '/') != 2)
            return UsageError(err,
                              "--today needs a valid date M/D/YYYY, not '" + *options.today + "'");
        today = date;
    }
    ScopedToday scopedToday(today);
    // Every run starts as a fresh program does.
    TheDecimalFieldMemory() = {};

    auto form = entry.create();
    CliSession session(err);
    CliHost host(session, *form, "");
    RecordBuffer document;
    form->Attach(&host, &document);
    Drive(*form, host, session, options, document);
    if (session.Status() == RunStatus::UsageError) {
        err << "Try 'kavrel-calc " << entry.slug << " --help'.\n";
        return UsageStatus;
    }
    const bool done = session.Status() == RunStatus::Running;
    std::vector<std::pair<std::string, std::string>> fields;
    for (const FieldKey& field : host.Keys())
        fields.emplace_back(field.key, cli::FieldText(*form, field));
    fields.insert(fields.end(), session.subFields.begin(), session.subFields.end());
    const bool hasRecord = done && document.recorded;

    if (options.json) {
        nlohmann::ordered_json json;
        json["fields"] = nlohmann::ordered_json::object();
        for (const auto& [key, text] : fields)
            json["fields"][key] = text;
        json["record"] = hasRecord ? nlohmann::ordered_json(document.text) : nullptr;
        json["messages"] = session.Messages();
        out << json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else if (hasRecord) {
        out.write(document.text.data(), static_cast<std::streamsize>(document.text.size()));
    } else if (done) {
        for (const auto& [key, text] : fields)
            out << key << ": " << text << '\n';
    }
    return done ? 0 : 1;
}

} // namespace

int RunKavrelCalc(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    return RunKavrelCalc(args, out, err, FormCatalog());
}

int RunKavrelCalc(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                  std::span<const FormEntry> forms) {
    Options options;
    if (auto problem = ParseArguments(args, options)) return UsageError(err, *problem);
    if (options.help && !options.form) {
        cli::PrintHelp(out);
        return 0;
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
