// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/field_row.h"

namespace kavrel {

namespace {

FieldRow MakeField(ControlInfo control, FieldLabel label, LimitClass limit, FieldRole role,
                   FieldValue value) {
    FieldRow row;
    row.control = std::move(control);
    row.label = std::move(label);
    row.limit = limit;
    row.role = role;
    row.value = value;
    return row;
}

FieldRow Number(int id, FieldLabel label, LimitClass limit, FieldRole role, double& value) {
    const EditRule rule = LimitsOf(limit).digits == 0 ? EditRule::Integer : EditRule::Decimal;
    return MakeField({id, ControlKind::Edit, {}, rule}, std::move(label), limit, role, &value);
}

FieldRow Shown(int id, FieldLabel label, LimitClass limit, FieldRole role, double& value) {
    return MakeField({id, ControlKind::Display, {}}, std::move(label), limit, role, &value);
}

} // namespace

FieldRow FieldRow::Input(int id, FieldLabel label, LimitClass limit, double& value) {
    return Number(id, std::move(label), limit, FieldRole::Input, value);
}

FieldRow FieldRow::Optional(int id, FieldLabel label, LimitClass limit, double& value) {
    return Number(id, std::move(label), limit, FieldRole::Optional, value);
}

FieldRow FieldRow::Unknown(int id, int unknownButton, FieldLabel label, LimitClass limit,
                           double& value) {
    FieldRow row = Number(id, std::move(label), limit, FieldRole::Unknown, value);
    row.unknownButton = unknownButton;
    return row;
}

FieldRow FieldRow::Result(int id, FieldLabel label, LimitClass limit, double& value) {
    return Shown(id, std::move(label), limit, FieldRole::Result, value);
}

FieldRow FieldRow::RequiredResult(int id, FieldLabel label, LimitClass limit, double& value) {
    return Shown(id, std::move(label), limit, FieldRole::RequiredResult, value);
}

FieldRow FieldRow::Date(int id, FieldLabel label) {
    return MakeField({id, ControlKind::Edit, {}, EditRule::Date}, std::move(label),
                     LimitClass::Count, FieldRole::Optional, {});
}

FieldRow FieldRow::Date(int id, FieldLabel label, CDate& value) {
    FieldRow row = Date(id, std::move(label));
    row.value = &value;
    return row;
}

FieldRow FieldRow::Result(int id, FieldLabel label) {
    return MakeField({id, ControlKind::Display, {}}, std::move(label), LimitClass::Count,
                     FieldRole::Result, {});
}

FieldRow FieldRow::DateResult(int id, FieldLabel label, CDate& value) {
    return MakeField({id, ControlKind::Display, {}}, std::move(label), LimitClass::Count,
                     FieldRole::Result, &value);
}

FieldRow FieldRow::Choice(int id, FieldLabel label, std::vector<std::string> items, int& index) {
    ControlInfo control{id, ControlKind::Choice, {}};
    control.items = std::move(items);
    return MakeField(std::move(control), std::move(label), LimitClass::Count, FieldRole::Optional,
                     &index);
}

FieldRow FieldRow::Text(int id, FieldLabel label, std::string& value, size_t limit) {
    FieldRow row = MakeField({id, ControlKind::Edit, {}, EditRule::None}, std::move(label),
                             LimitClass::Count, FieldRole::Optional, &value);
    row.textLimit = limit;
    return row;
}

FieldRow FieldRow::List(int id, FieldLabel label, LimitClass limit, EditRule rule) {
    return MakeField({id, ControlKind::List, {}, rule}, std::move(label), limit,
                     FieldRole::Optional, {});
}

FieldRow FieldRow::Section(int group, std::string title) {
    FieldRow row;
    row.kind = Kind::Section;
    row.control = {group, ControlKind::Group, std::move(title)};
    return row;
}

FieldRow FieldRow::OptionSection(int group, std::string title) {
    FieldRow row = Section(group, std::move(title));
    row.recorded = true;
    return row;
}

FieldRow FieldRow::Option(int id, std::string text, int radioGroup) {
    FieldRow row;
    row.kind = Kind::Option;
    row.control = {id, ControlKind::Radio, std::move(text)};
    row.control.group = radioGroup;
    return row;
}

FieldRow FieldRow::Note(int id, std::string text) {
    FieldRow row;
    row.kind = Kind::Text;
    row.label = {id, std::move(text)};
    return row;
}

FieldRow FieldRow::Heading(int id, std::string text) {
    FieldRow row;
    row.kind = Kind::Text;
    row.control = {id, ControlKind::Label, std::move(text)};
    return row;
}

FieldRow FieldRow::Button(int id, FieldLabel prompt, std::string text) {
    FieldRow row;
    row.kind = Kind::Text;
    row.label = std::move(prompt);
    row.control = {id, ControlKind::Button, std::move(text)};
    return row;
}

FieldRow FieldRow::Beside(int noteId, std::string note, std::string noteKey) && {
    beside = {noteId, ControlKind::Label, std::move(note)};
    besideKey = std::move(noteKey);
    return std::move(*this);
}

FieldRow FieldRow::BesideResult(int resultId, std::string resultKey) && {
    beside = {resultId, ControlKind::Display, {}};
    besideKey = std::move(resultKey);
    return std::move(*this);
}

FieldRow FieldRow::Key(std::string name) && {
    key = std::move(name);
    return std::move(*this);
}

FieldInfo FieldRow::Info() const {
    int check = 0;
    if (role == FieldRole::Unknown)
        check = unknownButton;
    else if (role == FieldRole::Input || role == FieldRole::RequiredResult)
        check = 1;
    return {control.id, check, label.id, static_cast<int>(limit)};
}

} // namespace kavrel
