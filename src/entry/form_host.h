// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a form model needs of whoever shows it: the Qt dialog, the command line, or a test.

#include <string_view>

namespace kavrel {

class CFormModel;
struct ChartData;

enum class MessageIcon { Warning, Stop, Information, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };
enum class FormResult { None, Ok, Cancel };

class IFormHost {
public:
    virtual ~IFormHost() = default;

    // The warning beep of a rejected keystroke.
    virtual void Beep() = 0;
    // The Backspace a rejection posts: removes the character before the insertion point, and
    // hands the shortened text back to the model with CFormModel::UserEdited.
    virtual void TakeBackCharacter(int controlId) = 0;
    // A refused paste or drop has been undone: the control shows the form's text again, with
    // the insertion point at byte `caret` of it. The text is not handed back to the model.
    virtual void RestoreText(int controlId, size_t /*caret*/) { ControlChanged(controlId); }
    virtual MessageAnswer ShowMessage(std::string_view text, MessageIcon icon,
                                      MessageButtons buttons) = 0;
    virtual void MoveFocus(int controlId) = 0;
    // The form changed a control's text, enabled or checked state, or its items.
    virtual void ControlChanged(int controlId) = 0;
    virtual void CaptionChanged() {}
    // The form closes itself (Record, OK).
    virtual void EndForm(FormResult result) = 0;
    // Runs a sub-form modally over this one (the worksheets' "Do..." buttons).
    virtual FormResult RunSubForm(CFormModel& subForm) = 0;
    // A long computation (the amortization schedule) shows the wait cursor.
    virtual void BeginWait() {}
    virtual void EndWait() {}
    // Offers bytes to be saved in a file that the user names, fileName being the suggestion;
    // its extension names the kind of file. A host without files ignores it.
    virtual void ExportFile(std::string_view /*fileName*/, std::string_view /*bytes*/) {}
    // Draws the chart in a window of its own. A host without windows ignores it.
    virtual void ShowChart(const ChartData& /*chart*/) {}
    // The line of a list control that holds the insertion point, counted from 0; the list's
    // keystroke rule checks that line. Hosts that show no lists answer 0.
    virtual int CaretLine(int /*controlId*/) const { return 0; }
};

} // namespace kavrel
