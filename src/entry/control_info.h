// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a form describes its controls and their arrangement to a view.

#include <string>
#include <vector>

namespace kavrel {

enum class ControlKind {
    Label,   // static text; recorded as a field's label
    Edit,    // a field the user types into
    Display, // read-only text set by the form
    Choice,  // drop-down list
    Radio,   // radio button of a group (also the "-->" buttons)
    Button,  // push button
    List,    // multi-line list of entries, one per line
    Group,   // frame around a section; its text is the title
};

// Which keystroke check runs on a field's changes.
enum class EditRule { None, Integer, Decimal, Date, CashFlowList, PaymentList };

struct ControlInfo {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    std::string text; // a label's or button's text; a two-line label holds "\r\n"
    EditRule rule = EditRule::None;
    std::vector<std::string> items; // the entries of a drop-down list
    int group = 0;                  // radio buttons of one group exclude each other
};

// One line of a form: a label, its control, the control's "-->" button, and one more control
// shown beside it (a weekday display, a "Do..." button). 0 where there is none.
struct LayoutRow {
    int label = 0;
    int control = 0;
    int unknown = 0;
    int extra = 0;
    // The command line's key for the control, where the label does not give one.
    std::string key;
    std::string extraKey;
};

// A block of rows, framed and titled when group names a Group control.
struct LayoutSection {
    int group = 0;
    std::vector<LayoutRow> rows;
};

} // namespace kavrel
