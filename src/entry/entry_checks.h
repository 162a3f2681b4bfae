// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keystroke rules of numeric fields, as pure operations on a field's text.

#include <string_view>

namespace kavrel {

// What a keystroke check decided. A rejection means: beep, take back the character just
// typed, then show the message, if there is one.
struct KeystrokeVerdict {
    bool rejected = false;
    int messageId = 0; // 0: silent; else IDS_NUMBER_TOO_SMALL or IDS_NUMBER_TOO_LARGE

    static KeystrokeVerdict Accept() { return {}; }
    static KeystrokeVerdict Reject(int messageId = 0) { return {true, messageId}; }
    bool operator==(const KeystrokeVerdict&) const = default;
};

// How a field's text changed, as far as the keystroke rules care.
enum class TextChange {
    Set,      // the form set the text, or the view did not say how it changed
    Deleted,  // characters were removed and none inserted
    Typed,    // one character was inserted: a keystroke, perhaps over a selection
    Inserted, // several characters at once: a paste or a drop
};

// Field texts are read into 80-character buffers.
inline constexpr size_t FieldTextLimit = 79;

KeystrokeVerdict CheckIntegerField(std::string_view text, long min, long max);
KeystrokeVerdict CheckDecimalText(std::string_view text, int digits, double min, double max);

// One memory serves every decimal field of every form: the field and the text length seen
// at the previous check. Deleting is always free, and so the Backspace of a rejection does not
// trigger a second check; whatever was typed or pasted is always checked, even where it made
// the text shorter (over a selection). A text the form sets is not checked when it is shorter
// than the last one of the same field: the memory alone tells.
struct DecimalFieldMemory {
    int controlId = 0;
    size_t length = 0;
};
DecimalFieldMemory& TheDecimalFieldMemory();

KeystrokeVerdict CheckDecimalField(int controlId, std::string_view text, int digits, double min,
                                   double max, TextChange change = TextChange::Set);

} // namespace kavrel
