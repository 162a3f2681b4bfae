// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/form_run.h"

#include "catalog/form_catalog.h"
#include "document/record_target.h"
#include "entry/process_memories.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace kavrel::cli {

namespace {

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
        if (info.kind == ControlKind::Button && WithoutMnemonic(info.text) == text) return &info;
    return nullptr;
}

// Calculate, or the default button of a form whose OK calculates.
int CalculateButton(const CFormModel& form) {
    if (form.InfoOf(IDC_CALCULATE)) return IDC_CALCULATE;
    return form.DefaultButton() ? form.DefaultButton() : IDOK;
}

// Record, or the button that writes a schedule (csv: that exports it); 0 for a form that
// records nothing.
int RecordButton(const CFormModel& form, bool csv) {
    if (csv) {
        const ControlInfo* exportButton = ButtonNamed(form, "Export...");
        return exportButton ? exportButton->id : 0;
    }
    if (form.InfoOf(IDC_RECORD)) return IDC_RECORD;
    const ControlInfo* schedule = ButtonNamed(form, "Schedule");
    return schedule ? schedule->id : 0;
}

// A sub-form key of a step the form describes is checked before anything is typed; the keys
// of other steps once the steps have run.
bool CheckSubPairs(const std::vector<StepForm>& steps, CliSession& session) {
    for (const Pair& pair : session.subPairs) {
        auto step = std::find_if(steps.begin(), steps.end(), [&](const StepForm& described) {
            return pair.key.starts_with(described.prefix);
        });
        if (step != steps.end() &&
            !FindKey(step->keys, std::string_view(pair.key).substr(step->prefix.size()))) {
            session.UsageError("unknown key '" + pair.key + "'");
            return false;
        }
    }
    return true;
}

// A step whose sub-form was given values but never opened (the worksheet refused the step, or
// its button was disabled) stops the run there; a listed key is no usage error.
void StopIfNotOpened(const std::vector<StepForm>& steps, int button, CliSession& session) {
    for (const StepForm& step : steps) {
        if (button && step.button != button) continue;
        for (const Pair& pair : session.subPairs) {
            if (session.Stopped()) return;
            if (pair.used || !pair.key.starts_with(step.prefix) ||
                !FindKey(step.keys, std::string_view(pair.key).substr(step.prefix.size())))
                continue;
            session.Note("The form \"" + step.caption + "\" was not opened");
            session.Fail();
        }
    }
}

void AddStep(std::vector<StepForm>& steps, int button, const CFormModel& sub,
             const std::string& prefix) {
    if (std::none_of(steps.begin(), steps.end(),
                     [&](const StepForm& step) { return step.prefix == prefix; }))
        steps.push_back({button, prefix, sub.Caption(), FormKeys(sub)});
}

// The steps of a form that say which sub-form they open.
std::vector<StepForm> DescribedSteps(const CFormModel& form) {
    std::vector<StepForm> described;
    for (int button : StepButtons(form))
        if (auto sub = form.SubFormFor(button))
            AddStep(described, button, *sub, Slug(sub->Caption()) + ".");
    return described;
}

// Opens the form, types the pairs, calculates and records.
void Drive(const Problem& problem, CFormModel& form, CliHost& host, CliSession& session,
           RecordBuffer& document) {
    std::vector<const Pair*> own;
    for (const Pair& pair : problem.pairs) {
        if (FindKey(host.Keys(), pair.key))
            own.push_back(&pair);
        else if (pair.key.find('.') != std::string::npos)
            session.subPairs.push_back(pair);
        else
            return session.UsageError("unknown key '" + pair.key + "'");
    }
    const std::vector<StepForm> stepForms =
        session.subPairs.empty() ? std::vector<StepForm>() : DescribedSteps(form);
    if (!CheckSubPairs(stepForms, session)) return;
    if (problem.csv && !RecordButton(form, true))
        return session.UsageError("--csv: the form has no schedule to export");
    const FieldKey* solve = problem.solve ? FindKey(host.Keys(), *problem.solve) : nullptr;
    if (problem.solve && !solve) return session.UsageError("unknown key '" + *problem.solve + "'");
    if (solve && !solve->unknownButton)
        return session.UsageError("'" + solve->key + "' can't be the unknown");

    form.Open();
    if (solve) {
        if (!form.IsEnabled(solve->unknownButton))
            return session.UsageError("'" + solve->key + "' can't be the unknown now");
        host.Click(solve->unknownButton);
    }
    // A worksheet's first step comes before its own fields, the later steps after them.
    std::vector<int> steps = StepButtons(form);
    auto takeStep = [&](int button) {
        host.Click(button);
        StopIfNotOpened(stepForms, button, session);
    };
    if (!steps.empty()) takeStep(steps.front());
    for (const Pair* pair : own)
        host.Apply(pair->key, pair->value);
    for (size_t step = 1; step < steps.size(); ++step)
        takeStep(steps[step]);
    if (!session.Stopped() && std::any_of(session.subPairs.begin(), session.subPairs.end(),
                                          [](const Pair& pair) { return !pair.used; })) {
        // Keys of a step that describes nothing: listed ones stop the run, others are unknown.
        StopIfNotOpened(DescribeSteps(*problem.entry), 0, session);
        for (const Pair& pair : session.subPairs)
            if (!pair.used) session.UsageError("unknown key '" + pair.key + "'");
    }
    if (session.Stopped()) return;

    const size_t messagesBefore = session.Messages().size();
    host.Click(CalculateButton(form));
    if (session.Stopped()) return;
    const int record = RecordButton(form, problem.csv);
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
    if (problem.csv) {
        if (!session.exported) session.Fail();
        return;
    }
    // A schedule too large for the document closes the form too, but leaves nothing.
    if (!session.Stopped() &&
        (host.Result() != FormResult::Ok || !document.recorded || document.text.empty()))
        session.Fail();
}

} // namespace

std::vector<StepForm> DescribeSteps(const FormEntry& entry) {
    auto form = entry.create();
    std::vector<StepForm> described = DescribedSteps(*form);
    int button = 0;
    std::ostringstream discarded;
    CliSession session(discarded);
    session.describe = [&](const CFormModel& sub, const std::string& prefix) {
        AddStep(described, button, sub, prefix);
    };
    CliHost host(session, *form, "");
    form->Attach(&host, nullptr);
    bool opened = false;
    for (int step : StepButtons(*form)) {
        if (form->SubFormFor(step)) continue;
        // Without a description, the step is taken to see which sub-form it opens.
        if (!opened) form->Open();
        opened = true;
        button = step;
        host.Click(step);
    }
    const std::vector<int> order = StepButtons(*form);
    auto position = [&](const StepForm& step) {
        return std::find(order.begin(), order.end(), step.button) - order.begin();
    };
    std::stable_sort(described.begin(), described.end(), [&](const StepForm& a, const StepForm& b) {
        return position(a) < position(b);
    });
    return described;
}

std::optional<CDate> ParseToday(std::string_view text) {
    CDate date = CDate::Parsed(text);
    if (!date.valid || std::count(text.begin(), text.end(), '/') != 2) return std::nullopt;
    return date;
}

Answer Solve(const Problem& problem, std::ostream& err, KeyCache* keys) {
    ResetProcessMemories();
    ScopedToday scopedToday(problem.today);

    auto form = problem.entry->create();
    KeyCache once;
    std::shared_ptr<const std::vector<FieldKey>>& formKeys = (keys ? *keys : once)[problem.entry];
    if (!formKeys) formKeys = std::make_shared<const std::vector<FieldKey>>(FormKeys(*form));
    CliSession session(err);
    CliHost host(session, *form, formKeys);
    RecordBuffer document;
    form->Attach(&host, &document);
    Drive(problem, *form, host, session, document);

    Answer answer;
    answer.messages = session.Messages();
    if (session.Status() == RunStatus::UsageError) {
        answer.status = UsageStatus;
        answer.usage = session.UsageProblem();
        return answer;
    }
    answer.done = session.Status() == RunStatus::Running;
    answer.status = answer.done ? 0 : 1;
    for (const FieldKey& field : host.Keys())
        answer.fields.emplace_back(field.key, FieldText(*form, field));
    answer.fields.insert(answer.fields.end(), session.subFields.begin(), session.subFields.end());
    if (answer.done && problem.csv)
        answer.record = std::move(session.exported);
    else if (answer.done && document.recorded)
        answer.record = std::move(document.text);
    return answer;
}

} // namespace kavrel::cli
