// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a form declares its fields.
//
// A form states each field once, as one row of the list it gives DeclareRows in its
// constructor, in the order in which the fields are shown, checked and recorded:
//
//     DeclareRows({
//         Row::Section(IDC_UNKNOWN_GROUP, "Unknown"),
//         Row::Input(IDC_PER_YEAR, {IDC_PER_YEAR_LABEL, "Periods per Year:"},
//                    LimitClass::Count, m_perYear),
//         Row::Unknown(IDC_RATE, IDC_UNKNOWN_RATE, {IDC_RATE_LABEL, "Annual Rate (%):"},
//                      LimitClass::Rate, m_rate),
//         Row::Section(),
//         Row::Result(IDC_INTEREST, {IDC_INTEREST_LABEL, "Interest ($):"},
//                     LimitClass::SignedAmount, m_interest),
//     });
//
// A row gives the control's ID, its label (the label control's ID and text), the limit class
// by name, the role (what CheckInputs asks of the field, whether the user types it, and the
// "-->" button of an Unknown) and the member that DoDataExchange moves to and from the control.
// From the rows the form model derives everything else: the label, control and "-->" button
// of each field, the layout (a Section row starts a block, framed and titled when it names a
// group box), the data exchange, and the field table that CheckInputs, SelectUnknown,
// DDX_Amount and RecordField read. The command line's keys are read from the layout's labels,
// so they come from the rows too.
//
// A typed number is checked as an integer when its limit class has no digits after the point,
// else as a decimal. A row without a member (a list, an unbound date) is a control that the
// form reads and fills itself. Label IDs that are help-context or string IDs keep their
// numbers; every other ID is named in the form's control enum.

#include "entry/control_info.h"
#include "entry/field_info.h"

#include <string>
#include <variant>
#include <vector>

namespace kavrel {

class CDate;

enum class FieldRole {
    Input,          // typed; Calculate requires it
    Optional,       // typed or chosen; never checked
    Unknown,        // typed; required unless it is the unknown, which its "-->" button selects
    Result,         // shown by the form, never typed or checked
    RequiredResult, // shown by the form (a count, a step's outcome); Calculate requires it
};

struct FieldLabel {
    int id = 0;
    std::string text;
};

// The member a row exchanges with its control: an amount shown in its class format, the
// index of a drop-down list's entry, a date, or a free text.
using FieldValue = std::variant<std::monostate, double*, int*, CDate*, std::string*>;

struct FieldRow {
    enum class Kind { Field, Section, Option, Text };

    static FieldRow Input(int id, FieldLabel label, LimitClass limit, double& value);
    static FieldRow Optional(int id, FieldLabel label, LimitClass limit, double& value);
    static FieldRow Unknown(int id, int unknownButton, FieldLabel label, LimitClass limit,
                            double& value);
    static FieldRow Result(int id, FieldLabel label, LimitClass limit, double& value);
    static FieldRow RequiredResult(int id, FieldLabel label, LimitClass limit, double& value);
    static FieldRow Date(int id, FieldLabel label);
    static FieldRow Date(int id, FieldLabel label, CDate& value);
    // A result without a member: the form sets its text itself.
    static FieldRow Result(int id, FieldLabel label);
    // A date the form shows, empty while the date is not valid; never read back.
    static FieldRow DateResult(int id, FieldLabel label, CDate& value);
    static FieldRow Choice(int id, FieldLabel label, std::vector<std::string> items, int& index);
    // A free text, of which the member keeps the first `limit` bytes.
    static FieldRow Text(int id, FieldLabel label, std::string& value, size_t limit);
    // A multi-line list whose keystroke rule is `rule`; the form reads its lines itself.
    static FieldRow List(int id, FieldLabel label, LimitClass limit, EditRule rule);
    // Starts a block of rows, framed by the group box `group` under `title`; 0: unframed.
    static FieldRow Section(int group = 0, std::string title = {});
    // Starts a framed block of options that together are one field: it is recorded under the
    // title with the checked option's text.
    static FieldRow OptionSection(int group, std::string title);
    // A radio button of the group `radioGroup`, on a line of its own; it is no field.
    static FieldRow Option(int id, std::string text, int radioGroup);
    // A text on a line of its own (a banner, a hint above fields).
    static FieldRow Note(int id, std::string text);
    // A text in the fields' column, above the next field (a column heading).
    static FieldRow Heading(int id, std::string text);
    // A push button (a step's "Do...") after its prompt.
    static FieldRow Button(int id, FieldLabel prompt, std::string text);

    // A note beside the field; `noteKey` names it on the command line, where it is a result.
    FieldRow Beside(int noteId, std::string note, std::string noteKey = {}) &&;
    // A result beside the field that the form fills itself; `resultKey` names it on the command
    // line.
    FieldRow BesideResult(int resultId, std::string resultKey) &&;
    // The field's command-line key, where its label gives none or an ambiguous one.
    FieldRow Key(std::string key) &&;

    Kind kind = Kind::Field;
    ControlInfo control; // the field's control, a section's group box or an option's button
    FieldLabel label;
    LimitClass limit = LimitClass::Count;
    FieldRole role = FieldRole::Optional;
    int unknownButton = 0;
    FieldValue value;
    ControlInfo beside; // id 0: nothing beside the field
    std::string key;
    std::string besideKey;
    size_t textLimit = 0;  // a Text's
    bool recorded = false; // an OptionSection

    // The field table's row of a field.
    FieldInfo Info() const;
};

} // namespace kavrel
