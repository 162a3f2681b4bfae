// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line's view of a form: it types the given values into the fields as a person
// would, prints every message box on the error stream, and runs the sub-forms that a form
// opens with the values meant for them.

#include "cli/form_keys.h"
#include "entry/form_host.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kavrel::cli {

// One KEY=VALUE of the command line.
struct Pair {
    std::string key;
    std::string value;
    bool used = false;
};

enum class RunStatus { Running, Failed, UsageError };

// What the hosts of one run share.
class CliSession {
public:
    explicit CliSession(std::ostream& err) : m_err(err) {}

    // A message box of a form: printed at once and kept for --json.
    void Report(std::string_view message);
    // A line of the program's own that says why the work stops: kept for --json as well, so
    // that the messages tell the whole story.
    void Note(std::string_view text) { Report(text); }
    // The work stops (exit 1).
    void Fail() { Stop(RunStatus::Failed); }
    // The command line asks for something the form can't do (exit 2).
    void UsageError(std::string_view problem);

    RunStatus Status() const { return m_status; }
    bool Stopped() const { return m_status != RunStatus::Running; }
    const std::vector<std::string>& Messages() const { return m_messages; }
    // The problem of a usage error, as printed after "kavrel-calc: ".
    const std::string& UsageProblem() const { return m_usageProblem; }

    // Pairs whose key belongs to a sub-form ("prefix.key"), used up as the sub-forms open.
    std::vector<Pair> subPairs;
    // The bytes a form offered to save as a file (Export...).
    std::optional<std::string> exported;
    // Each sub-form's fields as they stood when its OK closed it, keyed with their prefix.
    std::vector<std::pair<std::string, std::string>> subFields;
    // When set, an opened sub-form is handed here (with its key prefix) instead of being run,
    // and is then cancelled: --fields describes sub-forms this way.
    std::function<void(const CFormModel&, const std::string&)> describe;

private:
    void Stop(RunStatus status);

    std::ostream& m_err;
    std::vector<std::string> m_messages;
    std::string m_usageProblem;
    RunStatus m_status = RunStatus::Running;
};

class CliHost : public IFormHost {
public:
    // prefix: the key prefix of the form's fields ("" for the form named on the command line).
    CliHost(CliSession& session, CFormModel& form, std::string prefix);
    // The form named on the command line, with the keys of a fresh form of its kind.
    CliHost(CliSession& session, CFormModel& form,
            std::shared_ptr<const std::vector<FieldKey>> keys);

    const std::vector<FieldKey>& Keys() const { return *m_keys; }
    // Types the value into the field, or selects the item of a choice or a radio group.
    void Apply(std::string_view key, std::string_view value);
    // Clicks a button when it is enabled; a disabled button can't be pressed.
    void Click(int id);
    FormResult Result() const { return m_result; }

    void Beep() override {}
    void TakeBackCharacter(int controlId) override;
    MessageAnswer ShowMessage(std::string_view text, MessageIcon icon,
                              MessageButtons buttons) override;
    void MoveFocus(int) override {}
    // Every keystroke goes to the end of a field, so a list's insertion point is on its last line.
    int CaretLine(int controlId) const override { return m_form.LineCount(controlId) - 1; }
    void ControlChanged(int) override {}
    void EndForm(FormResult result) override { m_result = result; }
    FormResult RunSubForm(CFormModel& subForm) override;
    void ExportFile(std::string_view, std::string_view bytes) override {
        m_session.exported = std::string(bytes);
    }

private:
    void Type(const FieldKey& field, std::string_view value);
    void Select(const FieldKey& field, std::string_view value);
    void RunOpenedSubForm(CFormModel& subForm, CliHost& subHost);
    std::string FullKey(std::string_view key) const { return m_prefix + std::string(key); }

    CliSession& m_session;
    CFormModel& m_form;
    std::string m_prefix;
    std::shared_ptr<const std::vector<FieldKey>> m_keys;
    FormResult m_result = FormResult::None;
    bool m_takenBack = false;
};

} // namespace kavrel::cli
