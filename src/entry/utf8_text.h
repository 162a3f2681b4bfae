// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The characters of UTF-8 texts: what one keystroke brings, and what a message quotes.

#include <string_view>

namespace kavrel {

// The bytes of the character that begins the text: a whole, well-formed UTF-8 sequence, or 1
// for a byte that begins none (such a byte counts as a character of its own); 0 when empty.
size_t CharacterLength(std::string_view text);

// Where the character that holds byte `position` begins; `position` itself when it begins
// one, or lies at or beyond the end.
size_t CharacterStart(std::string_view text, size_t position);

// The bytes of the character that ends the text, by the same rule.
size_t LastCharacterLength(std::string_view text);

// True when the text is one character; a line end (CR LF) is one character, as one Enter
// brings it.
bool IsOneCharacter(std::string_view text);

} // namespace kavrel
