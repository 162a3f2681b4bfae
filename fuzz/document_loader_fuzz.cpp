// SPDX-License-Identifier: GPL-3.0-or-later
// The document's file form: encoding detection, line ends and the size limit. Whatever bytes
// a file holds, the text read from it holds no CR, and saving it (as UTF-8, or in the
// encoding it was read in) and reading it back gives the same text (and the same bytes on
// every later save). Some of the inputs that start with 'L' are spread to a file around the
// size limit and go through ReadTextFile.

#include "document/text_file.h"
#include "fuzz_check.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QString>

#include <unistd.h>

using namespace kavrel;

namespace {

const QString& ScratchPath() {
    // Memory-backed where there is such a place.
    static const QDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                    : QDir::tempPath());
    static const QString path =
        dir.filePath(QStringLiteral("kavrel-loader-fuzz-%1.txt").arg(getpid()));
    return path;
}

// Saved in the encoding it was read in, a text reads back the same, in that encoding: line
// ends alone never make bytes valid UTF-8, nor start them with a byte-order mark.
void CheckSavedAgain(const QString& text, FileEncoding encoding) {
    const std::optional<QByteArray> saved = EncodeFileText(text, encoding);
    FUZZ_CHECK(saved.has_value());
    FileEncoding found = FileEncoding::Utf8;
    FUZZ_CHECK(DecodeFileText(*saved, &found) == text);
    FUZZ_CHECK(found == encoding);
    FUZZ_CHECK(EncodeFileText(text, found) == saved);
}

void CheckRoundTrip(const QByteArray& bytes) {
    FileEncoding encoding = FileEncoding::Utf8;
    const QString text = DecodeFileText(bytes, &encoding);
    FUZZ_CHECK(!text.contains(u'\r'));
    CheckSavedAgain(text, encoding);
    // Unpaired surrogates of a UTF-16 file have no UTF-8 form; it is saved as UTF-16.
    if (encoding == FileEncoding::Utf16LE || encoding == FileEncoding::Utf16BE) return;
    const QByteArray saved = EncodeFileText(text);
    FUZZ_CHECK(saved.size() >= FileLength(text));
    const QString reopened = DecodeFileText(saved);
    FUZZ_CHECK(reopened == text);
    FUZZ_CHECK(EncodeFileText(reopened) == saved);
    // Valid UTF-8 without CR and byte-order mark is its own file form, line ends aside.
    if (!bytes.contains('\r') && !bytes.startsWith("\xEF\xBB\xBF") &&
        QString::fromUtf8(bytes).toUtf8() == bytes)
        FUZZ_CHECK(saved == QByteArray(bytes).replace("\n", "\r\n"));
}

void CheckSizeLimit(const QByteArray& pattern, unsigned char offset) {
    // Around the limit in bytes: up to 64 bytes short of it, or over it.
    const qsizetype size = MaxDocumentLength - 64 + offset % 128;
    // The pattern comes a few hundred times in plain text: line breaks by the hundred
    // thousand would make each input a slow one.
    QByteArray bytes = pattern.left(64) + QByteArray(4000, 'x');
    while (bytes.size() < size)
        bytes += bytes;
    bytes.truncate(size);
    {
        QFile file(ScratchPath());
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(bytes) == bytes.size());
    }
    QString text;
    QString error;
    const ReadStatus status = ReadTextFile(ScratchPath(), text, error);
    // The limit is on the document's characters: an 8-bit file over it in bytes never fits,
    // a UTF-8 one fits when its text does.
    const QString decoded = DecodeFileText(bytes);
    const bool fits = FileLength(decoded) <= MaxDocumentLength;
    FUZZ_CHECK(status == (fits ? ReadStatus::Ok : ReadStatus::TooLarge));
    if (fits) {
        FUZZ_CHECK(text == decoded);
        FUZZ_CHECK(EncodeFileText(text).size() >= FileLength(text));
    }
    QFile::remove(ScratchPath());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckRoundTrip(bytes);
    // A file of a megabyte costs far more than a small input, so only one in 512 of the inputs
    // that ask for it gets one; which, depends on the input alone, so a failure reproduces.
    if (size >= 3 && data[0] == 'L' && qHash(bytes) % 512 == 0)
        CheckSizeLimit(bytes.mid(2), data[1]);
    return 0;
}
