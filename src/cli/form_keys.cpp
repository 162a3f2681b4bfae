// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/form_keys.h"

#include <algorithm>
#include <map>
#include <optional>

namespace kavrel::cli {

namespace {

bool IsAsciiAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsStepButton(const ControlInfo* info) {
    if (!info || info->kind != ControlKind::Button) return false;
    std::string text = WithoutMnemonic(info->text);
    return text.rfind("Do", 0) == 0 && text.size() > 2 && text[2] == '.';
}

std::string_view InfoText(const ControlInfo* info) {
    return info ? std::string_view(info->text) : std::string_view();
}

std::optional<KeyKind> KindOf(const ControlInfo* info) {
    if (!info) return std::nullopt;
    switch (info->kind) {
    case ControlKind::Edit:
        return KeyKind::Input;
    case ControlKind::Display:
    case ControlKind::Label:
        return KeyKind::Result;
    case ControlKind::Choice:
        return KeyKind::Choice;
    case ControlKind::List:
        return KeyKind::List;
    case ControlKind::Radio:
        return info->group == UnknownGroup ? std::nullopt : std::optional(KeyKind::RadioGroup);
    default:
        return std::nullopt;
    }
}

} // namespace

std::string WithoutMnemonic(std::string_view text) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        else if (text[i] == '&')
            continue;
        shown += text[i];
    }
    return shown;
}

std::string OneLine(std::string_view text) {
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        line += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
    }
    return WithoutMnemonic(line);
}

std::string Slug(std::string_view text) {
    std::string slug;
    int depth = 0;
    bool pendingDash = false;
    for (char c : WithoutMnemonic(text)) {
        if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if (depth == 0 && IsAsciiAlnum(c)) {
            if (pendingDash && !slug.empty()) slug += '-';
            pendingDash = false;
            slug += AsciiLower(c);
            continue;
        }
        pendingDash = true;
    }
    return slug;
}

std::vector<FieldKey> FormKeys(const CFormModel& form) {
    std::vector<FieldKey> keys;
    std::vector<std::string> sectionTitles; // per key: its section's title slug
    auto add = [&](FieldKey field, const std::string& sectionTitle) {
        keys.push_back(std::move(field));
        sectionTitles.push_back(sectionTitle);
    };
    for (const LayoutSection& section : form.Layout()) {
        const ControlInfo* group = form.InfoOf(section.group);
        std::string title =
            group && group->kind == ControlKind::Group ? std::string(group->text) : std::string();
        for (const LayoutRow& row : section.rows) {
            const ControlInfo* info = form.InfoOf(row.control);
            std::optional<KeyKind> kind = KindOf(info);
            if (!kind) continue;
            if (*kind == KeyKind::RadioGroup) {
                std::string key = row.key.empty() ? Slug(title) : row.key;
                auto it = std::find_if(keys.begin(), keys.end(), [&](const FieldKey& k) {
                    return k.kind == KeyKind::RadioGroup && k.key == key;
                });
                if (it == keys.end())
                    add({key, section.group, OneLine(title), KeyKind::RadioGroup, 0, {row.control}},
                        Slug(title));
                else
                    it->radios.push_back(row.control);
                continue;
            }
            std::string label = OneLine(InfoText(form.InfoOf(row.label)));
            std::string key = row.key.empty() ? Slug(label) : row.key;
            if (key.empty()) continue;
            add({key, row.control, label, *kind, row.unknown}, Slug(title));
            // A static text beside a field (a hint) has a key only when the form names one.
            const ControlInfo* extra = form.InfoOf(row.extra);
            std::optional<KeyKind> extraKind = KindOf(extra);
            if (extraKind && *extraKind != KeyKind::RadioGroup &&
                (extra->kind != ControlKind::Label || !row.extraKey.empty()))
                add({row.extraKey.empty() ? key + "-extra" : row.extraKey, row.extra, "",
                     *extraKind},
                    Slug(title));
        }
    }
    std::map<std::string, int> uses;
    for (const FieldKey& field : keys)
        ++uses[field.key];
    for (size_t i = 0; i < keys.size(); ++i)
        if (uses[keys[i].key] > 1 && !sectionTitles[i].empty())
            keys[i].key = sectionTitles[i] + "." + keys[i].key;
    return keys;
}

const FieldKey* FindKey(const std::vector<FieldKey>& keys, std::string_view key) {
    for (const FieldKey& field : keys)
        if (field.key == key) return &field;
    return nullptr;
}

std::vector<int> StepButtons(const CFormModel& form) {
    std::vector<int> buttons;
    for (const LayoutSection& section : form.Layout())
        for (const LayoutRow& row : section.rows)
            for (int id : {row.control, row.extra})
                if (IsStepButton(form.InfoOf(id)) &&
                    std::find(buttons.begin(), buttons.end(), id) == buttons.end())
                    buttons.push_back(id);
    return buttons;
}

std::string_view KindName(const FieldKey& field) {
    switch (field.kind) {
    case KeyKind::Input:
        return field.unknownButton ? "input,unknown" : "input";
    case KeyKind::Result:
        return "result";
    case KeyKind::Choice:
    case KeyKind::RadioGroup:
        return "choice";
    case KeyKind::List:
        return "list";
    }
    return "input";
}

std::string FieldText(const CFormModel& form, const FieldKey& field) {
    if (field.kind != KeyKind::RadioGroup) return form.Text(field.controlId);
    for (int radio : field.radios)
        if (form.IsChecked(radio)) return WithoutMnemonic(InfoText(form.InfoOf(radio)));
    return {};
}

} // namespace kavrel::cli
