// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A form host that types like a person at the end of a field's text and records the rest.

#include "document/record_target.h"
#include "entry/date.h"
#include "entry/form_host.h"
#include "entry/form_model.h"
#include "entry/process_memories.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace kavrel::test {

class RecordingHost : public IFormHost {
public:
    explicit RecordingHost(CFormModel& form, IRecordTarget* target = nullptr) : m_form(form) {
        form.Attach(this, target);
    }

    // Types the text character by character through the field's keystroke check.
    void Type(int id, std::string_view text) {
        for (char c : text)
            m_form.UserEdited(id, m_form.Text(id) + c);
    }
    // Replaces the field's text the way a person does: select all, type over it.
    void Enter(int id, std::string_view text) {
        m_form.UserEdited(id, "");
        Type(id, text);
    }
    void Click(int id) { m_form.UserClicked(id); }

    void Beep() override { ++beeps; }
    void TakeBackCharacter(int id) override {
        std::string text = m_form.Text(id);
        if (!text.empty()) text.pop_back();
        m_form.UserEdited(id, text);
    }
    MessageAnswer ShowMessage(std::string_view text, MessageIcon icon,
                              MessageButtons buttons) override {
        messages.emplace_back(text);
        icons.push_back(icon);
        if (buttons != MessageButtons::YesNo) return MessageAnswer::Ok;
        return answerYes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    void MoveFocus(int id) override { focus = id; }
    // Typing happens at the end of the text: the insertion point is on the last line.
    int CaretLine(int id) const override {
        const std::string& text = m_form.Text(id);
        return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    }
    void ControlChanged(int) override {}
    void BeginWait() override { ++waiting; }
    void EndWait() override { --waiting; }
    void EndForm(FormResult r) override { result = r; }
    FormResult RunSubForm(CFormModel& sub) override {
        return runSubForm ? runSubForm(sub) : FormResult::Ok;
    }

    std::string LastMessage() const { return messages.empty() ? "" : messages.back(); }

    int beeps = 0;
    int focus = 0;
    int waiting = 0; // wait cursors shown and not yet ended
    bool answerYes = true;
    FormResult result = FormResult::None;
    // When set, runs each sub-form (fills it in and closes it); without it a sub-form gives Ok.
    std::function<FormResult(CFormModel&)> runSubForm;
    std::vector<std::string> messages;
    std::vector<MessageIcon> icons;

private:
    CFormModel& m_form;
};

// A document that takes every block, or refuses blocks beyond a size limit.
class BufferTarget : public IRecordTarget {
public:
    explicit BufferTarget(size_t limit = 1048575) : m_limit(limit) {}
    bool InsertRecord(std::string_view block) override {
        if (text.size() + block.size() > m_limit) return false;
        text.append(block);
        return true;
    }
    // The whole-text replacement of the schedule: what does not fit is lost and counted.
    void ReplaceText(std::string_view replacement) override {
        if (replacement.size() > m_limit) ++outOfSpace;
        text.assign(replacement.substr(0, m_limit));
    }
    int LineCount() const override {
        return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    }
    bool IsEmpty() const override { return text.empty(); }
    int OutOfSpaceCount() const override { return outOfSpace; }
    void SetOutOfSpaceCount(int count) override { outOfSpace = count; }
    void SetModified(bool value) override { modified = value; }

    std::string text;
    int outOfSpace = 0;
    bool modified = false;

private:
    size_t m_limit;
};

// Each form starts as the first form of a fresh program does, on a fixed "today".
struct FreshProcess {
    FreshProcess() {
        ResetProcessMemories();
        CDate::SetTodayOverride(CDate(1, 15, 2001));
    }
    ~FreshProcess() { ResetProcessMemories(); }
};

// A form opened on a recording host and a document.
template <class Model> struct Form : FreshProcess {
    template <class... Args>
    explicit Form(Args&&... args) : model(std::forward<Args>(args)...), host(model, &doc) {
        model.Open();
    }
    // Clicks the unknown's button (if any), types the non-empty texts and presses Calculate.
    void Solve(int unknownButton, std::initializer_list<std::pair<int, const char*>> fields) {
        if (unknownButton) host.Click(unknownButton);
        for (auto [id, text] : fields)
            if (*text) host.Enter(id, text);
        host.Click(IDC_CALCULATE);
    }
    Model model;
    BufferTarget doc;
    RecordingHost host;
};

} // namespace kavrel::test
