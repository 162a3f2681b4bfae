// SPDX-License-Identifier: GPL-3.0-or-later
// The document's file form over generated texts: whatever the text (line breaks, characters
// beyond ASCII, a leading U+FEFF), saving it as UTF-8 or UTF-16 and reading it back gives the
// same text and encoding, and a second save the same bytes.

#include "document/text_file.h"

#include <gtest/gtest.h>

#include <random>

using namespace kavrel;

TEST(FileTextProperties, SavedTextReadsBackUnchanged) {
    static constexpr char16_t Alphabet[] = {u'a',   u' ',   u'\n',  u'1',   u'.',
                                            0x00E9, 0x20AC, 0xFEFF, 0x0081, u'\t'};
    std::mt19937 random(1048575);
    for (int n = 0; n < 5000; ++n) {
        QString text;
        for (auto length = random() % 12; length > 0; --length)
            text += QChar(Alphabet[random() % std::size(Alphabet)]);
        // Windows-1252 is left out: its bytes for some texts are valid UTF-8, and read back so.
        for (FileEncoding encoding :
             {FileEncoding::Utf8, FileEncoding::Utf16LE, FileEncoding::Utf16BE}) {
            const std::optional<QByteArray> saved = EncodeFileText(text, encoding);
            ASSERT_TRUE(saved);
            FileEncoding found = FileEncoding::Windows1252;
            ASSERT_EQ(DecodeFileText(*saved, &found), text) << saved->toHex().toStdString();
            ASSERT_EQ(found, encoding);
            ASSERT_EQ(EncodeFileText(DecodeFileText(*saved), found), saved);
        }
    }
}
