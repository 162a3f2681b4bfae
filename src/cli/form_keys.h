// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line's names for a form's fields, read from the form's layout, so that every
// form is scriptable without a table of its own.

#include "entry/form_model.h"

#include <string>
#include <string_view>
#include <vector>

namespace kavrel::cli {

enum class KeyKind { Input, Result, Choice, RadioGroup, List };

struct FieldKey {
    std::string key;
    int controlId = 0; // the field, or the group box of a radio group
    std::string label; // on one line, without mnemonic marks
    KeyKind kind = KeyKind::Input;
    int unknownButton = 0;   // the row's "-->" button, 0 when it can't be the unknown
    std::vector<int> radios; // the buttons of a radio group
};

// "Present Value ($):" -> "present-value": parenthesised groups dropped, lower case, each
// run of other characters than letters and digits one '-', no '-' at either end.
std::string Slug(std::string_view text);
// A control text as shown: "&&" is "&", a single '&' (the mnemonic mark) disappears.
std::string WithoutMnemonic(std::string_view text);
// A label on one line: each line break becomes one blank.
std::string OneLine(std::string_view text);

// Every keyed field of the form in layout order. Keys that would repeat are prefixed with
// the slug of their section's title and a dot.
std::vector<FieldKey> FormKeys(const CFormModel& form);
const FieldKey* FindKey(const std::vector<FieldKey>& keys, std::string_view key);

// The "Do..." buttons of a worksheet's steps, in layout order.
std::vector<int> StepButtons(const CFormModel& form);

// "input", "input,unknown", "result", "choice" or "list".
std::string_view KindName(const FieldKey& field);
// The field's text as the form shows it; a radio group shows its checked button's text.
std::string FieldText(const CFormModel& form, const FieldKey& field);

} // namespace kavrel::cli
