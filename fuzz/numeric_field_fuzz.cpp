// SPDX-License-Identifier: GPL-3.0-or-later
// The keystroke rules of integer and decimal fields. The input picks a limit class and a text;
// the text is checked whole and typed a character at a time, with rejected characters taken
// back as the form does. Whatever the rules let stand must read as a number inside the class.

#include "entry/entry_checks.h"
#include "entry/field_info.h"
#include "entry/number_text.h"
#include "fuzz_check.h"
#include "resources/strings.h"

#include <cmath>
#include <string>

using namespace kavrel;

namespace {

bool KnownMessage(const KeystrokeVerdict& verdict) {
    if (!verdict.rejected) return verdict.messageId == 0;
    return verdict.messageId == 0 || verdict.messageId == IDS_NUMBER_TOO_SMALL ||
           verdict.messageId == IDS_NUMBER_TOO_LARGE;
}

bool OnlyCharactersOf(std::string_view text, std::string_view allowed) {
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

void CheckAcceptedInteger(std::string_view text, long min, long max) {
    if (text.empty()) return;
    const std::string_view digits = (min < 0 && text[0] == '-') ? text.substr(1) : text;
    FUZZ_CHECK(OnlyCharactersOf(digits, "0123456789"));
    const long value = LeadingInteger(text);
    FUZZ_CHECK(value <= max);
    FUZZ_CHECK(value >= min || text == "-");
}

void CheckAcceptedDecimal(std::string_view text, const FieldLimits& limits) {
    if (text.empty()) return;
    FUZZ_CHECK(OnlyCharactersOf(text, "0123456789.-+eE"));
    FUZZ_CHECK(text.find('.') == text.rfind('.'));
    const double value = LeadingDouble(text);
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(value <= limits.maximum);
    if (limits.minimum < 0) FUZZ_CHECK(value >= limits.minimum);
    // What a field shows back must be a plain number again.
    const std::string shown = FormatFixed(value, limits.digits);
    FUZZ_CHECK(OnlyCharactersOf(shown, "0123456789.-"));
}

// Types text into an empty field as a person does; the field keeps what the rule lets stand.
std::string TypeInteger(std::string_view text, long min, long max) {
    std::string field;
    for (char c : text) {
        field.push_back(c);
        const KeystrokeVerdict verdict = CheckIntegerField(field, min, max);
        FUZZ_CHECK(KnownMessage(verdict));
        if (verdict.rejected) field.pop_back();
    }
    return field;
}

std::string TypeDecimal(int controlId, std::string_view text, const FieldLimits& limits) {
    std::string field;
    // The field is emptied first, as selecting all and deleting does.
    CheckDecimalField(controlId, field, limits.digits, limits.minimum, limits.maximum,
                      TextChange::Deleted);
    for (char c : text) {
        field.push_back(c);
        KeystrokeVerdict verdict = CheckDecimalField(
            controlId, field, limits.digits, limits.minimum, limits.maximum, TextChange::Typed);
        FUZZ_CHECK(KnownMessage(verdict));
        if (verdict.rejected) {
            field.pop_back();
            // The posted Backspace changes the text once more; deleting is never checked.
            verdict = CheckDecimalField(controlId, field, limits.digits, limits.minimum,
                                        limits.maximum, TextChange::Deleted);
            FUZZ_CHECK(!verdict.rejected);
        }
    }
    return field;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    fuzz::ByteReader input(data, size);
    const FieldLimits& limits = LimitsOf(input.Byte() % FieldLimitClassCount);
    const int controlId = 1000 + input.Byte() % 4;
    const std::string_view text = input.Rest().substr(0, FieldTextLimit);
    const long min = static_cast<long>(limits.minimum);
    const long max = static_cast<long>(limits.maximum);

    const KeystrokeVerdict integer = CheckIntegerField(text, min, max);
    FUZZ_CHECK(KnownMessage(integer));
    if (!integer.rejected) CheckAcceptedInteger(text, min, max);
    CheckAcceptedInteger(TypeInteger(text, min, max), min, max);

    const KeystrokeVerdict decimal =
        CheckDecimalText(text, limits.digits, limits.minimum, limits.maximum);
    FUZZ_CHECK(KnownMessage(decimal));
    if (!decimal.rejected) CheckAcceptedDecimal(text, limits);
    CheckAcceptedDecimal(TypeDecimal(controlId, text, limits), limits);
    return 0;
}
