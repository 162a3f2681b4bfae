// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The GUI-free model of a calculator form: its controls and their state, the shared checks,
// the "Unknown" selection, and the Calculate and Record life cycle. A view (the Qt dialog,
// the command line, a test) shows it through IFormHost and forwards the user's actions.

#include "entry/control_info.h"
#include "entry/entry_checks.h"
#include "entry/field_info.h"
#include "entry/field_row.h"
#include "entry/form_host.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavrel {

class ITextSink;
class IRecordTarget;

// Control IDs every form shares.
enum CommonControl : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDC_CALCULATE = 1001,
    IDC_RECORD = 1003,
};

// The group number of the "-->" buttons.
inline constexpr int UnknownGroup = -1;

// A change the user made to a control's text, as its change handler sees it.
struct TextEdit {
    TextChange change = TextChange::Set;
    size_t position = 0; // where it began: a byte offset, the same before and after it
    std::string removed; // the text it replaced there
    size_t inserted = 0; // the bytes it inserted there
};

class CFormModel {
public:
    CFormModel(int dialogId, std::string caption);
    virtual ~CFormModel();
    CFormModel(const CFormModel&) = delete;
    CFormModel& operator=(const CFormModel&) = delete;

    // --- What the form looks like
    int DialogId() const { return m_dialogId; }
    const std::string& Caption() const { return m_caption; }
    const std::vector<ControlInfo>& Controls() const { return m_controls; }
    const ControlInfo* InfoOf(int id) const;
    const std::vector<LayoutSection>& Layout() const { return m_layout; }
    const std::vector<int>& Buttons() const { return m_buttons; }
    // The button that Enter presses; 0: Enter moves the focus to the next control.
    int DefaultButton() const { return m_defaultButton; }
    // The field table, derived from the rows the form declared.
    virtual FieldTable Table() const { return m_fields; }
    // The sub-form that a step's "Do..." button would open, so that a view can describe a
    // worksheet's sub-forms without going through its steps. nullptr: the button opens none.
    virtual std::unique_ptr<CFormModel> SubFormFor(int /*buttonId*/) const { return nullptr; }

    // --- Control state
    const std::string& Text(int id) const;
    // The lines of the control's text as an edit control counts them: an empty text is one
    // line, and a final line end adds an empty last line.
    int LineCount(int id) const;
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;
    int Selection(int id) const;
    int CurrentUnknown() const { return m_unknown; }
    const std::string& SavedText() const { return m_savedText; }

    // --- The view's side: what the user does
    void Attach(IFormHost* host, IRecordTarget* target);
    IFormHost* Host() const { return m_host; }
    IRecordTarget* Target() const { return m_target; }
    void Open();
    // The control now shows `text` (typed, deleted, pasted or dropped); the model works out
    // what changed from the text it holds. Handing back the same text changes nothing.
    void UserEdited(int id, std::string_view text);
    // The user replaced `removed` bytes at `position` of the control's text by `inserted`.
    void UserReplaced(int id, size_t position, size_t removed, std::string_view inserted);
    void UserClicked(int id);
    void UserSelected(int id, int index);
    void UserLeft(int id);

    // --- What the form does to its controls; each change is reported to the host, and a
    // text set by the form runs the field's change handler as the user's typing does.
    void SetText(int id, std::string_view text);
    void Enable(int id, bool enabled);
    void Check(int id, bool checked);
    void Select(int id, int index);
    void SetCaption(std::string caption);

    // --- The shared form operations
    int SelectUnknown(FieldTable table, int button, int previousUnknown, std::string& savedText);
    int CheckInputs(FieldTable table, int unknown);
    int CheckUnknownResult(FieldTable table, int unknown, double result);
    void DDX_Amount(bool save, int controlId, double& value, FieldTable table);
    void OnIntegerEditChange(int controlId, FieldTable table);
    void OnDecimalEditChange(int controlId, FieldTable table);

    // Shows a string-table message (or a literal text) with an OK button.
    void Message(int stringId, MessageIcon icon = MessageIcon::Warning);
    void MessageText(std::string_view text, MessageIcon icon = MessageIcon::Warning);
    bool AskYesNo(std::string_view text, MessageIcon icon = MessageIcon::Question);
    void MoveFocus(int id);
    // The user's change of the control's text that is being handled; nullptr while the form
    // sets the text itself.
    const TextEdit* UserChange(int id) const;
    TextChange ChangeOf(int id) const;
    // Takes back the change being handled: several characters inserted at once are refused
    // whole, and the text before them comes back; anything else loses the character before
    // the insertion point, as the posted Backspace does.
    void TakeBack(int controlId);
    // Beep, take back the change, then show the verdict's message.
    void Reject(int controlId, const KeystrokeVerdict& verdict);

protected:
    // --- Building the form's description (constructors)
    using Row = FieldRow;
    // Declares the form's fields (see field_row.h); a later call appends to the last section.
    void DeclareRows(std::vector<FieldRow> rows);
    // The "-->" button whose field is the unknown when the form opens.
    void SetDefaultUnknown(int button) { m_defaultUnknown = button; }
    // The field a form without "-->" buttons solves: Calculate checks its result against the
    // field's limits as an unknown's.
    void SetResultField(int controlId) { m_resultField = controlId; }
    // Whether Calculate requires the field (an Optional row's) to be filled and in its limits.
    void SetRequired(int controlId, bool required);
    void AddButton(int id, std::string text) {
        AddControl({id, ControlKind::Button, std::move(text)});
    }
    // Calculate, Record and Cancel, the buttons of every calculator form.
    void AddStandardButtons();
    void SetButtons(std::vector<int> buttons) { m_buttons = std::move(buttons); }
    void SetDefaultButton(int id) { m_defaultButton = id; }

    // A form described control by control, as the doubles of the views are; the program's
    // forms declare rows.
    void AddControl(ControlInfo info);
    void AddLabel(int id, std::string text) {
        AddControl({id, ControlKind::Label, std::move(text)});
    }
    void AddEdit(int id, EditRule rule) { AddControl({id, ControlKind::Edit, {}, rule}); }
    void AddDisplay(int id) { AddControl({id, ControlKind::Display, {}}); }
    void AddChoice(int id, std::vector<std::string> items);
    void AddRadio(int id, std::string text, int group);
    void AddSection(LayoutSection section) { m_layout.push_back(std::move(section)); }
    // A value exchanged with the controls by DoDataExchange.
    void BindExchange(std::function<void(bool save)> exchange);

    // --- The life cycle; each form overrides what its own behaviour needs.
    // Opening: show the values, select the default unknown, SetDefaults, disable Record.
    virtual void OnInitDialog();
    virtual void OnEditChange(int id);
    virtual void OnClicked(int id);
    virtual void OnSelChange(int /*id*/) {}
    virtual void OnKillFocus(int /*id*/) {}
    // Calculate: StartCalculate, CheckInputs, CheckForm, Solve, CheckUnknownResult, AfterSolve,
    // show the values, keep the unknown's text as the saved text, enable Record, OnCalculated.
    virtual void OnCalculate();

    // --- The hooks of the open and Calculate sequences. One that returns false has shown its
    // message and stops the Calculate.
    // The form's own default texts, list selections and state.
    virtual void SetDefaults() {}
    // Runs first: clears what the Calculate will show anew, and checks what must be checked
    // before the fields are.
    virtual bool StartCalculate() { return true; }
    // The form's own checks, once CheckInputs has read the fields into the values.
    virtual bool CheckForm() { return true; }
    // Solves the current unknown into its member and `result`.
    virtual bool Solve(double& /*result*/) { return false; }
    // Once the result is accepted: the values that follow from it.
    virtual void AfterSolve() {}
    // The end of a Calculate that succeeded: the values hold the inputs and the result.
    virtual void OnCalculated() {}
    // Writes the record block; the default is the title and one line per field.
    virtual void WriteRecord(ITextSink& out);
    virtual void OnRecord();
    virtual void OnCancel();
    virtual void OnUnknownClicked();
    virtual void DoDataExchange(bool save);

    int m_unknown = 0;
    std::string m_savedText;

private:
    struct ControlState {
        std::string text;
        size_t lineEnds = 0; // kept with the text, so that typing into a long list is cheap
        bool enabled = true;
        bool checked = false;
        int selection = -1;
    };
    struct EditInProgress {
        int controlId;
        TextEdit edit;
    };
    ControlState& State(int id);
    void Assign(int id, std::string_view text);
    void AddUnknownButton(int id) { AddRadio(id, "-->", UnknownGroup); }
    void BindAmount(int controlId, double& value);
    void BindChoice(int controlId, int& index);
    void Notify(int id);

    int m_dialogId;
    std::string m_caption;
    int m_defaultUnknown = 0;
    int m_resultField = 0;
    std::vector<FieldInfo> m_fields;
    std::vector<ControlInfo> m_controls;
    std::map<int, ControlState> m_state;
    std::vector<LayoutSection> m_layout;
    std::vector<int> m_buttons;
    int m_defaultButton = 0;
    std::vector<std::function<void(bool)>> m_exchanges;
    IFormHost* m_host = nullptr;
    IRecordTarget* m_target = nullptr;
    std::optional<EditInProgress> m_edit;
};

} // namespace kavrel
