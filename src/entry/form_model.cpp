// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/form_model.h"

#include "document/record.h"
#include "document/record_target.h"
#include "engine/math_errors.h"
#include "entry/date.h"
#include "entry/date_field.h"
#include "entry/number_text.h"
#include "entry/utf8_text.h"
#include "resources/strings.h"

#include <algorithm>
#include <cmath>

namespace kavrel {

namespace {

const std::string EmptyText;

std::string_view Clip(std::string_view text) {
    return text.substr(0, FieldTextLimit);
}

size_t LineEnds(std::string_view text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

CFormModel::CFormModel(int dialogId, std::string caption)
    : m_dialogId(dialogId), m_caption(std::move(caption)) {}

CFormModel::~CFormModel() = default;

const ControlInfo* CFormModel::InfoOf(int id) const {
    for (const ControlInfo& info : m_controls)
        if (info.id == id) return &info;
    return nullptr;
}

CFormModel::ControlState& CFormModel::State(int id) {
    return m_state[id];
}

const std::string& CFormModel::Text(int id) const {
    auto it = m_state.find(id);
    return it == m_state.end() ? EmptyText : it->second.text;
}

int CFormModel::LineCount(int id) const {
    auto it = m_state.find(id);
    return 1 + (it == m_state.end() ? 0 : static_cast<int>(it->second.lineEnds));
}

void CFormModel::Assign(int id, std::string_view text) {
    ControlState& state = State(id);
    state.text.assign(text);
    state.lineEnds = LineEnds(text);
}

bool CFormModel::IsEnabled(int id) const {
    auto it = m_state.find(id);
    return it != m_state.end() && it->second.enabled;
}

bool CFormModel::IsChecked(int id) const {
    auto it = m_state.find(id);
    return it != m_state.end() && it->second.checked;
}

int CFormModel::Selection(int id) const {
    auto it = m_state.find(id);
    return it == m_state.end() ? -1 : it->second.selection;
}

void CFormModel::Notify(int id) {
    if (m_host) m_host->ControlChanged(id);
}

// --- Description

void CFormModel::AddControl(ControlInfo info) {
    State(info.id);
    if (info.kind == ControlKind::Label || info.kind == ControlKind::Button ||
        info.kind == ControlKind::Radio || info.kind == ControlKind::Group)
        Assign(info.id, info.text);
    m_controls.push_back(std::move(info));
}

void CFormModel::AddChoice(int id, std::vector<std::string> items) {
    ControlInfo info{id, ControlKind::Choice, {}};
    info.items = std::move(items);
    AddControl(std::move(info));
}

void CFormModel::AddRadio(int id, std::string text, int group) {
    ControlInfo info{id, ControlKind::Radio, std::move(text)};
    info.group = group;
    AddControl(std::move(info));
}

void CFormModel::AddStandardButtons() {
    AddButton(IDC_CALCULATE, "&Calculate");
    AddButton(IDC_RECORD, "&Record");
    AddButton(IDCANCEL, "Cancel");
    m_buttons = {IDC_CALCULATE, IDC_RECORD, IDCANCEL};
}

void CFormModel::DeclareRows(std::vector<FieldRow> rows) {
    int optionField = 0; // the group of an OptionSection whose first option is still to come
    for (FieldRow& row : rows) {
        if (row.kind == FieldRow::Kind::Section) {
            if (row.control.id) AddControl(row.control);
            m_layout.push_back({row.control.id, {}});
            optionField = row.recorded ? row.control.id : 0;
            continue;
        }
        if (m_layout.empty()) m_layout.emplace_back();
        m_layout.back().rows.push_back({row.label.id, row.control.id, row.unknownButton,
                                        row.beside.id, row.key, row.besideKey});
        if (row.label.id) AddLabel(row.label.id, row.label.text);
        const int id = row.control.id;
        const bool shown = row.control.kind == ControlKind::Display;
        if (id) AddControl(std::move(row.control));
        if (row.unknownButton) AddUnknownButton(row.unknownButton);
        if (row.beside.id) AddControl(std::move(row.beside));
        if (row.kind == FieldRow::Kind::Text) continue;
        if (row.kind == FieldRow::Kind::Option) {
            // The first option stands for the field; WriteRecord shows the checked one.
            if (optionField) m_fields.push_back({id, 0, optionField, 0});
            optionField = 0;
            continue;
        }

        m_fields.push_back(row.Info());
        if (double** amount = std::get_if<double*>(&row.value))
            BindAmount(id, **amount);
        else if (int** index = std::get_if<int*>(&row.value))
            BindChoice(id, **index);
        else if (CDate** date = std::get_if<CDate*>(&row.value); date && shown)
            BindExchange([this, id, shownDate = *date](bool save) {
                if (!save) SetText(id, shownDate->IsValid() ? shownDate->Format() : "");
            });
        else if (date)
            BindExchange(DateExchange(*this, id, **date));
        else if (std::string** text = std::get_if<std::string*>(&row.value))
            BindExchange([this, id, kept = *text, limit = row.textLimit](bool save) {
                if (save)
                    *kept = Text(id).substr(0, limit);
                else
                    SetText(id, *kept);
            });
    }
}

void CFormModel::SetRequired(int controlId, bool required) {
    for (FieldInfo& field : m_fields)
        if (field.controlId == controlId) field.unknownButton = required ? 1 : 0;
}

void CFormModel::BindAmount(int controlId, double& value) {
    m_exchanges.push_back(
        [this, controlId, &value](bool save) { DDX_Amount(save, controlId, value, Table()); });
}

void CFormModel::BindChoice(int controlId, int& index) {
    m_exchanges.push_back([this, controlId, &index](bool save) {
        if (save)
            index = Selection(controlId);
        else
            Select(controlId, index);
    });
}

void CFormModel::BindExchange(std::function<void(bool save)> exchange) {
    m_exchanges.push_back(std::move(exchange));
}

// --- The view's side

void CFormModel::Attach(IFormHost* host, IRecordTarget* target) {
    m_host = host;
    m_target = target;
}

void CFormModel::Open() {
    OnInitDialog();
}

void CFormModel::UserEdited(int id, std::string_view text) {
    const std::string& before = Text(id);
    // The change is the run between the longest common beginning and the longest common end,
    // both cut at whole characters. Where equal characters make it ambiguous (one "1" typed
    // into "11"), which of them is new does not matter to any rule.
    const size_t shorter = std::min(before.size(), text.size());
    size_t prefix = 0;
    while (prefix < shorter && before[prefix] == text[prefix])
        ++prefix;
    prefix = std::min(CharacterStart(before, prefix), CharacterStart(text, prefix));
    size_t suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == text[text.size() - 1 - suffix])
        ++suffix;
    while (suffix > 0 &&
           (CharacterStart(before, before.size() - suffix) != before.size() - suffix ||
            CharacterStart(text, text.size() - suffix) != text.size() - suffix))
        --suffix;
    UserReplaced(id, prefix, before.size() - prefix - suffix,
                 text.substr(prefix, text.size() - prefix - suffix));
}

void CFormModel::UserReplaced(int id, size_t position, size_t removed, std::string_view inserted) {
    ControlState& state = State(id);
    position = std::min(position, state.text.size());
    removed = std::min(removed, state.text.size() - position);
    // A control reports no change when nothing changed; a Backspace with nothing before the
    // insertion point must not set off the check that posted it once more.
    if (removed == 0 && inserted.empty()) return;

    TextEdit edit;
    edit.change = inserted.empty()           ? TextChange::Deleted
                  : IsOneCharacter(inserted) ? TextChange::Typed
                                             : TextChange::Inserted;
    edit.position = position;
    edit.removed = state.text.substr(position, removed);
    edit.inserted = inserted.size();
    state.lineEnds = state.lineEnds - LineEnds(edit.removed) + LineEnds(inserted);
    state.text.replace(position, removed, inserted);

    // A take-back hands the shortened text back from within the handler: edits nest.
    std::optional<EditInProgress> outer = std::move(m_edit);
    m_edit = EditInProgress{id, std::move(edit)};
    OnEditChange(id);
    m_edit = std::move(outer);
}

void CFormModel::UserClicked(int id) {
    const ControlInfo* info = InfoOf(id);
    if (info && info->kind == ControlKind::Radio) Check(id, true);
    OnClicked(id);
}

void CFormModel::UserSelected(int id, int index) {
    const ControlInfo* info = InfoOf(id);
    State(id).selection = index;
    Assign(id, info && index >= 0 && index < static_cast<int>(info->items.size())
                   ? std::string_view(info->items[index])
                   : std::string_view());
    OnSelChange(id);
}

void CFormModel::UserLeft(int id) {
    OnKillFocus(id);
}

// --- The form's side

void CFormModel::SetText(int id, std::string_view text) {
    // Once the form sets the text itself, the user's change is over.
    if (UserChange(id)) m_edit.reset();
    Assign(id, text);
    Notify(id);
    const ControlInfo* info = InfoOf(id);
    if (info && (info->kind == ControlKind::Edit || info->kind == ControlKind::List))
        OnEditChange(id);
}

void CFormModel::Enable(int id, bool enabled) {
    State(id).enabled = enabled;
    Notify(id);
}

void CFormModel::Check(int id, bool checked) {
    const ControlInfo* info = InfoOf(id);
    if (checked && info && info->kind == ControlKind::Radio) {
        for (const ControlInfo& other : m_controls) {
            if (other.id != id && other.kind == ControlKind::Radio && other.group == info->group &&
                IsChecked(other.id)) {
                State(other.id).checked = false;
                Notify(other.id);
            }
        }
    }
    State(id).checked = checked;
    Notify(id);
}

void CFormModel::Select(int id, int index) {
    const ControlInfo* info = InfoOf(id);
    bool inRange = info && index >= 0 && index < static_cast<int>(info->items.size());
    State(id).selection = inRange ? index : -1;
    Assign(id, inRange ? std::string_view(info->items[index]) : std::string_view());
    Notify(id);
}

void CFormModel::SetCaption(std::string caption) {
    m_caption = std::move(caption);
    if (m_host) m_host->CaptionChanged();
}

void CFormModel::Message(int stringId, MessageIcon icon) {
    MessageText(LoadString(stringId), icon);
}

void CFormModel::MessageText(std::string_view text, MessageIcon icon) {
    if (m_host) m_host->ShowMessage(text, icon, MessageButtons::Ok);
}

bool CFormModel::AskYesNo(std::string_view text, MessageIcon icon) {
    return m_host && m_host->ShowMessage(text, icon, MessageButtons::YesNo) == MessageAnswer::Yes;
}

void CFormModel::MoveFocus(int id) {
    if (m_host) m_host->MoveFocus(id);
}

const TextEdit* CFormModel::UserChange(int id) const {
    return m_edit && m_edit->controlId == id ? &m_edit->edit : nullptr;
}

TextChange CFormModel::ChangeOf(int id) const {
    const TextEdit* edit = UserChange(id);
    return edit ? edit->change : TextChange::Set;
}

void CFormModel::TakeBack(int controlId) {
    if (!m_host) return;
    const TextEdit* edit = UserChange(controlId);
    if (!edit || edit->change != TextChange::Inserted) {
        // The Backspace changes the text once more; the change being handled is over.
        if (edit) m_edit.reset();
        m_host->TakeBackCharacter(controlId);
        return;
    }
    // The text before the paste was accepted when it was made; it is not checked again.
    ControlState& state = State(controlId);
    state.lineEnds = state.lineEnds -
                     LineEnds(std::string_view(state.text).substr(edit->position, edit->inserted)) +
                     LineEnds(edit->removed);
    state.text.replace(edit->position, edit->inserted, edit->removed);
    const size_t caret = edit->position + edit->removed.size();
    m_edit.reset();
    m_host->RestoreText(controlId, caret);
}

void CFormModel::Reject(int controlId, const KeystrokeVerdict& verdict) {
    if (!verdict.rejected || !m_host) return;
    m_host->Beep();
    TakeBack(controlId);
    if (verdict.messageId != 0) Message(verdict.messageId);
}

// --- Shared operations

int CFormModel::SelectUnknown(FieldTable table, int button, int previousUnknown,
                              std::string& savedText) {
    Enable(previousUnknown, true);
    SetText(previousUnknown, savedText);
    int row = FindField(table, button, UnknownColumn);
    if (row < 0) return previousUnknown;
    int field = table[row].controlId;
    savedText = std::string(Clip(Text(field)));
    SetText(field, "");
    Enable(field, false);
    Check(button, true);
    return field;
}

int CFormModel::CheckInputs(FieldTable table, int unknown) {
    for (const FieldInfo& row : table) {
        if (row.controlId == unknown || row.unknownButton == 0) continue;
        std::string_view text = Clip(Text(row.controlId));
        if (text.empty()) {
            Message(IDS_ENTER_DATA);
            MoveFocus(row.controlId);
            return 1;
        }
        const FieldLimits& limits = LimitsOf(row.limitClass);
        double value = LeadingDouble(text);
        if (value < limits.minimum || value > limits.maximum) {
            Message(IDS_NUMBER_EXCEEDS_LIMITS);
            MoveFocus(row.controlId);
            return 1;
        }
    }
    DoDataExchange(true);
    if (unknown > 1) Enable(unknown, true);
    return 0;
}

int CFormModel::CheckUnknownResult(FieldTable table, int unknown, double result) {
    bool outOfRange = std::isnan(result) || result >= NoSolution || result <= -NoSolution;
    int row = FindField(table, unknown, ControlColumn);
    if (row < 0) return 1;
    const FieldLimits& limits = LimitsOf(table[row].limitClass);
    if (!outOfRange && result >= limits.minimum && result <= limits.maximum) return 0;
    Message(IDS_UNKNOWN_EXCEEDS_LIMITS);
    SetText(unknown, "");
    return 1;
}

void CFormModel::DDX_Amount(bool save, int controlId, double& value, FieldTable table) {
    if (save) {
        value = LeadingDouble(Clip(Text(controlId)));
        return;
    }
    int row = FindField(table, controlId, ControlColumn);
    if (row < 0) return;
    const FieldLimits& limits = LimitsOf(table[row].limitClass);
    // A value that is not finite is never shown as "inf" or "nan": the field stays empty.
    bool shown = std::isfinite(value) && value >= limits.minimum;
    SetText(controlId, shown ? FormatFixed(value, limits.digits) : std::string());
}

void CFormModel::OnIntegerEditChange(int controlId, FieldTable table) {
    int row = FindField(table, controlId, ControlColumn);
    if (row < 0) return;
    const FieldLimits& limits = LimitsOf(table[row].limitClass);
    Reject(controlId, CheckIntegerField(Text(controlId), static_cast<long>(limits.minimum),
                                        static_cast<long>(limits.maximum)));
}

void CFormModel::OnDecimalEditChange(int controlId, FieldTable table) {
    int row = FindField(table, controlId, ControlColumn);
    if (row < 0) return;
    const FieldLimits& limits = LimitsOf(table[row].limitClass);
    Reject(controlId, CheckDecimalField(controlId, Text(controlId), limits.digits, limits.minimum,
                                        limits.maximum, ChangeOf(controlId)));
}

// --- Life cycle

void CFormModel::OnInitDialog() {
    DoDataExchange(false);
    // As if the default unknown's own field had been the unknown, with nothing saved.
    const int row = FindField(Table(), m_defaultUnknown, UnknownColumn);
    if (m_defaultUnknown > 1 && row >= 0)
        m_unknown = SelectUnknown(Table(), m_defaultUnknown, Table()[row].controlId, m_savedText);
    SetDefaults();
    if (InfoOf(IDC_RECORD)) Enable(IDC_RECORD, false);
}

void CFormModel::OnEditChange(int id) {
    const ControlInfo* info = InfoOf(id);
    if (!info) return;
    if (info->rule == EditRule::Integer)
        OnIntegerEditChange(id, Table());
    else if (info->rule == EditRule::Decimal)
        OnDecimalEditChange(id, Table());
    else if (info->rule == EditRule::Date)
        FilterDateField(*this, id);
}

void CFormModel::OnClicked(int id) {
    const ControlInfo* info = InfoOf(id);
    if (info && info->kind == ControlKind::Radio && info->group == UnknownGroup) {
        OnUnknownClicked();
        return;
    }
    switch (id) {
    case IDC_CALCULATE:
        OnCalculate();
        break;
    case IDC_RECORD:
        OnRecord();
        break;
    case IDCANCEL:
        OnCancel();
        break;
    default:
        break;
    }
}

void CFormModel::OnUnknownClicked() {
    // The first checked button of the group, scanned in table order.
    for (const FieldInfo& row : Table()) {
        if (row.unknownButton > 1 && IsChecked(row.unknownButton)) {
            m_unknown = SelectUnknown(Table(), row.unknownButton, m_unknown, m_savedText);
            return;
        }
    }
}

void CFormModel::OnCalculate() {
    if (!StartCalculate()) return;
    if (CheckInputs(Table(), m_unknown)) return;
    if (!CheckForm()) return;
    double result = 0.0;
    if (!Solve(result)) return;
    // A form without an unknown (1 or less) checks its result field's, if it has one.
    const int solved = m_unknown > 1 ? m_unknown : m_resultField;
    if (solved > 1 && CheckUnknownResult(Table(), solved, result)) return;
    AfterSolve();
    DoDataExchange(false);
    m_savedText = std::string(Clip(Text(m_unknown)));
    if (InfoOf(IDC_RECORD)) Enable(IDC_RECORD, true);
    OnCalculated();
}

void CFormModel::WriteRecord(ITextSink& out) {
    // The field of a group of options shows the checked option's text.
    std::vector<FieldInfo> rows(Table().begin(), Table().end());
    for (FieldInfo& row : rows) {
        const ControlInfo* info = InfoOf(row.controlId);
        if (!info || info->kind != ControlKind::Radio) continue;
        for (const ControlInfo& option : m_controls)
            if (option.kind == ControlKind::Radio && option.group == info->group &&
                IsChecked(option.id))
                row.controlId = option.id;
    }
    RecordTitle(*this, out);
    for (size_t row = 0; row < rows.size(); ++row)
        RecordField(*this, rows, out, static_cast<int>(row));
}

void CFormModel::OnRecord() {
    StringSink block;
    WriteRecord(block);
    // A block that does not fit is refused whole, and the form stays open.
    if (m_target && !m_target->InsertRecord(block.Text())) {
        Message(IDS_DOCUMENT_FULL, MessageIcon::Stop);
        return;
    }
    DoDataExchange(true);
    if (m_host) m_host->EndForm(FormResult::Ok);
}

void CFormModel::OnCancel() {
    if (m_host) m_host->EndForm(FormResult::Cancel);
}

void CFormModel::DoDataExchange(bool save) {
    for (auto& exchange : m_exchanges)
        exchange(save);
}

} // namespace kavrel
