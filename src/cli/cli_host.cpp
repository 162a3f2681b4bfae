// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_host.h"

#include "entry/form_model.h"
#include "entry/utf8_text.h"

#include <ostream>

namespace kavrel::cli {

namespace {

// Builds a text from parts (a chain of + on std::string trips a false GCC -Wrestrict).
std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text.append(part);
    return text;
}

// The button that confirms a sub-form: IDOK, or a button captioned "OK".
int OkButton(const CFormModel& form) {
    if (form.InfoOf(IDOK)) return IDOK;
    for (const ControlInfo& info : form.Controls())
        if (info.kind == ControlKind::Button && WithoutMnemonic(info.text) == "OK") return info.id;
    return IDOK;
}

// The length of the line end at the start of text in a list value: a real line break
// (LF or CR LF) or the two characters \n; 0 when there is none.
size_t LineEndAt(std::string_view text) {
    if (text.starts_with("\r\n") || text.starts_with("\\n")) return 2;
    return text.starts_with("\n") ? 1 : 0;
}

// A typed character as a message quotes it: whole, or as \xNN when it is a byte that is not
// UTF-8.
std::string Quoted(std::string_view character) {
    if (character.size() != 1 || static_cast<unsigned char>(character[0]) < 0x80)
        return std::string(character);
    constexpr char Hex[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(character[0]);
    return {'\\', 'x', Hex[byte >> 4], Hex[byte & 0xF]};
}

} // namespace

void CliSession::Report(std::string_view message) {
    m_messages.emplace_back(message);
    m_err << message << '\n';
}

void CliSession::UsageError(std::string_view problem) {
    if (Stopped()) return;
    m_usageProblem = problem;
    m_err << "kavrel-calc: " << problem << '\n';
    Stop(RunStatus::UsageError);
}

void CliSession::Stop(RunStatus status) {
    if (!Stopped()) m_status = status;
}

CliHost::CliHost(CliSession& session, CFormModel& form, std::string prefix)
    : m_session(session), m_form(form), m_prefix(std::move(prefix)),
      m_keys(std::make_shared<const std::vector<FieldKey>>(FormKeys(form))) {}

CliHost::CliHost(CliSession& session, CFormModel& form,
                 std::shared_ptr<const std::vector<FieldKey>> keys)
    : m_session(session), m_form(form), m_keys(std::move(keys)) {}

void CliHost::Apply(std::string_view key, std::string_view value) {
    if (m_session.Stopped()) return;
    const FieldKey* field = FindKey(*m_keys, key);
    if (!field) {
        m_session.UsageError(Joined({"unknown key '", FullKey(key), "'"}));
        return;
    }
    if (field->kind == KeyKind::Result) {
        m_session.UsageError(Joined({"'", FullKey(key), "' is a result and can't be typed into"}));
        return;
    }
    if (field->kind != KeyKind::RadioGroup && !m_form.IsEnabled(field->controlId)) {
        const bool unknown = field->controlId == m_form.CurrentUnknown();
        m_session.UsageError(
            Joined({"'", FullKey(key), "' is ",
                    unknown ? "the unknown (--solve another key to type into it)" : "disabled"}));
        return;
    }
    if (field->kind == KeyKind::Choice || field->kind == KeyKind::RadioGroup)
        Select(*field, value);
    else
        Type(*field, value);
}

void CliHost::Type(const FieldKey& field, std::string_view value) {
    const int id = field.controlId;
    // Select all and delete, then type: every keystroke goes through the field's check.
    if (!m_form.Text(id).empty()) m_form.UserEdited(id, "");
    while (!value.empty() && !m_session.Stopped()) {
        // One keystroke is one whole character: a multi-byte one is never split.
        const size_t lineEnd = field.kind == KeyKind::List ? LineEndAt(value) : 0;
        const size_t length = lineEnd ? lineEnd : CharacterLength(value);
        const std::string keystroke = lineEnd ? "\r\n" : std::string(value.substr(0, length));
        const std::string shown = lineEnd ? "\\n" : Quoted(keystroke);
        value.remove_prefix(length);

        const size_t messagesBefore = m_session.Messages().size();
        m_takenBack = false;
        // Appended in place: typing a long list costs no more per keystroke than a short one.
        m_form.UserReplaced(id, m_form.Text(id).size(), 0, keystroke);
        if (m_takenBack) {
            if (m_session.Messages().size() == messagesBefore)
                m_session.Note(
                    Joined({"Character '", shown, "' not accepted in ", FullKey(field.key)}));
            m_session.Fail();
        }
    }
}

void CliHost::Select(const FieldKey& field, std::string_view value) {
    std::string choices;
    if (field.kind == KeyKind::Choice) {
        const ControlInfo* info = m_form.InfoOf(field.controlId);
        const std::vector<std::string> none;
        const std::vector<std::string>& items = info ? info->items : none;
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i] == value) {
                m_form.UserSelected(field.controlId, static_cast<int>(i));
                return;
            }
            choices += (i ? ", " : "") + items[i];
        }
    } else {
        for (int radio : field.radios) {
            const ControlInfo* info = m_form.InfoOf(radio);
            std::string text = info ? WithoutMnemonic(info->text) : std::string();
            if (text == value) {
                if (!m_form.IsEnabled(radio))
                    m_session.UsageError(
                        Joined({"'", text, "' of '", FullKey(field.key), "' is disabled"}));
                else
                    m_form.UserClicked(radio);
                return;
            }
            choices += (choices.empty() ? "" : ", ") + text;
        }
    }
    m_session.UsageError(
        Joined({"'", FullKey(field.key), "' has no item '", value, "' (items: ", choices, ")"}));
}

void CliHost::Click(int id) {
    if (!m_session.Stopped() && m_form.IsEnabled(id)) m_form.UserClicked(id);
}

void CliHost::TakeBackCharacter(int controlId) {
    m_takenBack = true;
    const std::string_view text = m_form.Text(controlId);
    const size_t last = text.ends_with("\r\n") ? 2 : LastCharacterLength(text);
    m_form.UserReplaced(controlId, text.size() - last, last, "");
}

MessageAnswer CliHost::ShowMessage(std::string_view text, MessageIcon, MessageButtons buttons) {
    if (!m_session.describe) m_session.Report(text);
    // The one question of a run is whether to replace the document's text: yes.
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

FormResult CliHost::RunSubForm(CFormModel& subForm) {
    if (m_session.Stopped()) return FormResult::Cancel;
    std::string prefix = Joined({m_prefix, Slug(subForm.Caption()), "."});
    if (m_session.describe) {
        m_session.describe(subForm, prefix);
        return FormResult::Cancel;
    }
    CliHost subHost(m_session, subForm, prefix);
    subForm.Attach(&subHost, m_form.Target());
    subForm.Open();
    RunOpenedSubForm(subForm, subHost);
    return subHost.m_result == FormResult::Ok ? FormResult::Ok : FormResult::Cancel;
}

void CliHost::RunOpenedSubForm(CFormModel& subForm, CliHost& subHost) {
    const std::string& prefix = subHost.m_prefix;
    bool given = false;
    for (Pair& pair : m_session.subPairs) {
        if (pair.used || !pair.key.starts_with(prefix)) continue;
        pair.used = given = true;
        subHost.Apply(std::string_view(pair.key).substr(prefix.size()), pair.value);
        if (m_session.Stopped()) return;
    }
    subForm.UserClicked(OkButton(subForm));
    if (subHost.m_result == FormResult::Ok) {
        for (const FieldKey& field : subHost.Keys())
            m_session.subFields.emplace_back(prefix + field.key, FieldText(subForm, field));
        return;
    }
    if (m_session.Stopped()) return;
    if (given) {
        // The values given for it were not accepted: the step can't be completed.
        m_session.Note(Joined({"The form \"", subForm.Caption(), "\" was not completed"}));
        m_session.Fail();
        return;
    }
    // A step nobody gave values for is left as a person would leave it: Cancel.
    if (subHost.m_result == FormResult::None) subForm.UserClicked(IDCANCEL);
}

} // namespace kavrel::cli
