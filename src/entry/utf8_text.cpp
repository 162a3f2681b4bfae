// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/utf8_text.h"

namespace kavrel {

namespace {

bool IsContinuation(unsigned char byte) {
    return byte >= 0x80 && byte <= 0xBF;
}

} // namespace

size_t CharacterLength(std::string_view text) {
    if (text.empty()) return 0;
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return 1;
    // The range of the second byte shuts out overlong forms, surrogates and code points
    // beyond U+10FFFF.
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 1;
    }
    if (text.size() < length) return 1;
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < low || second > high) return 1;
    for (size_t i = 2; i < length; ++i)
        if (!IsContinuation(static_cast<unsigned char>(text[i]))) return 1;
    return length;
}

size_t CharacterStart(std::string_view text, size_t position) {
    if (position >= text.size() || !IsContinuation(static_cast<unsigned char>(text[position])))
        return position;
    for (size_t back = 1; back <= 3 && back <= position; ++back) {
        const size_t start = position - back;
        if (!IsContinuation(static_cast<unsigned char>(text[start])))
            return CharacterLength(text.substr(start)) > back ? start : position;
    }
    return position;
}

size_t LastCharacterLength(std::string_view text) {
    return text.empty() ? 0 : text.size() - CharacterStart(text, text.size() - 1);
}

bool IsOneCharacter(std::string_view text) {
    return text == "\r\n" || (!text.empty() && CharacterLength(text) == text.size());
}

} // namespace kavrel
