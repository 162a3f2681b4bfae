#include "entry/utf8_text.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

TEST(Utf8Text, AWellFormedSequenceIsOneCharacterAndAnyOtherByteIsOne) {
    const struct {
        const char* text;
        size_t first;
        size_t last;
    } cases[] = {
        {"1", 1, 1},
        {"\u0663", 2, 2},
        {"1\u0663", 1, 2},
        {"\U0001F4B0", 4, 4},
        {"\xD9", 1, 1},             // cut short
        {"\xD9\x41", 1, 1},         // no continuation byte
        {"a\xA3", 1, 1},            // a stray continuation byte
        {"\xC0\xAF", 1, 1},         // overlong
        {"\xE0\x80\xAF", 1, 1},     // overlong
        {"\xED\xA0\x80", 1, 1},     // a surrogate
        {"\xF4\x90\x80\x80", 1, 1}, // beyond U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CharacterLength(c.text), c.first) << c.text;
        EXPECT_EQ(LastCharacterLength(c.text), c.last) << c.text;
    }
    EXPECT_TRUE(IsOneCharacter("\r\n"));
    EXPECT_FALSE(IsOneCharacter("12"));
}

} // namespace
} // namespace kavrel
