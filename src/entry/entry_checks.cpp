// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/entry_checks.h"

#include "entry/number_text.h"
#include "resources/strings.h"

namespace kavrel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Clip(std::string_view text) {
    return text.substr(0, FieldTextLimit);
}

} // namespace

KeystrokeVerdict CheckIntegerField(std::string_view text, long min, long max) {
    text = Clip(text);
    if (text.empty()) return KeystrokeVerdict::Accept();
    long value = LeadingInteger(text);
    if (value > max) return KeystrokeVerdict::Reject(IDS_NUMBER_TOO_LARGE);
    for (size_t i = 0; i < text.size(); ++i) {
        bool allowedSign = i == 0 && text[i] == '-' && min < 0;
        if (!IsDigit(text[i]) && !allowedSign) return KeystrokeVerdict::Reject();
    }
    if (value < min) return KeystrokeVerdict::Reject(IDS_NUMBER_TOO_SMALL);
    return KeystrokeVerdict::Accept();
}

KeystrokeVerdict CheckDecimalText(std::string_view text, int digits, double min, double max) {
    text = Clip(text);
    if (text.empty()) return KeystrokeVerdict::Accept();
    double value = LeadingDouble(text);
    if (value > max) return KeystrokeVerdict::Reject(IDS_NUMBER_TOO_LARGE);

    constexpr size_t none = std::string_view::npos;
    size_t point = none, exponent = none;
    bool digitSeen = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (IsDigit(c)) {
            // The digit limit holds only for the mantissa, not for the exponent's digits.
            if (point != none && exponent == none && i - point > static_cast<size_t>(digits))
                return KeystrokeVerdict::Reject();
            digitSeen = true;
        } else if (c == '-' && i == 0 && min < 0) {
        } else if (c == '.' && point == none) {
            point = i;
        } else if (exponent == none) {
            if ((c == 'e' || c == 'E') && digitSeen)
                exponent = i;
            else
                return KeystrokeVerdict::Reject();
        } else if (!((c == '+' || c == '-') && i == exponent + 1)) {
            return KeystrokeVerdict::Reject();
        }
    }
    // A field whose minimum is 0 or more is checked against it only at Calculate.
    if (min < 0 && value < min) return KeystrokeVerdict::Reject(IDS_NUMBER_TOO_SMALL);
    return KeystrokeVerdict::Accept();
}

DecimalFieldMemory& TheDecimalFieldMemory() {
    static DecimalFieldMemory memory;
    return memory;
}

KeystrokeVerdict CheckDecimalField(int controlId, std::string_view text, int digits, double min,
                                   double max, TextChange change) {
    text = Clip(text);
    DecimalFieldMemory& memory = TheDecimalFieldMemory();
    const bool sameField = controlId == memory.controlId;
    const bool shorter = text.size() < memory.length;
    memory = {controlId, text.size()};
    if (change == TextChange::Deleted || (change == TextChange::Set && sameField && shorter))
        return KeystrokeVerdict::Accept();
    return CheckDecimalText(text, digits, min, max);
}

} // namespace kavrel
