// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kavrel {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; its five unassigned bytes map to the
// control characters of the same value, as Windows itself decodes them.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(Cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

std::optional<QByteArray> EncodeWindows1252(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = static_cast<char>(u);
            continue;
        }
        const auto* high = std::find(std::begin(Cp1252High), std::end(Cp1252High), u);
        if (high == std::end(Cp1252High)) return std::nullopt;
        *out++ = static_cast<char>(0x80 + (high - std::begin(Cp1252High)));
    }
    return bytes;
}

// By hand rather than by QStringDecoder, which would drop a U+FEFF that follows the mark.
QString DecodeUtf16(QByteArrayView bytes, bool bigEndian) {
    QString text(bytes.size() / 2, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        *out++ = bigEndian ? QChar(second, first) : QChar(first, second);
    }
    if (bytes.size() % 2) text += QChar::ReplacementCharacter;
    return text;
}

QByteArray EncodeUtf16(QStringView text, bool bigEndian) {
    QByteArray bytes;
    bytes.reserve(2 * (text.size() + 1));
    const auto append = [&bytes, bigEndian](char16_t u) {
        const char high = static_cast<char>(u >> 8);
        const char low = static_cast<char>(u & 0xFF);
        bytes.append(bigEndian ? high : low);
        bytes.append(bigEndian ? low : high);
    };
    append(0xFEFF);
    for (QChar c : text)
        append(c.unicode());
    return bytes;
}

QString NormaliseLineEnds(QString text) {
    if (!text.contains(u'\r')) return text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

qsizetype FileLength(QStringView text) {
    return text.size() + text.count(u'\n');
}

QString DecodeFileText(const QByteArray& bytes, FileEncoding* encoding) {
    FileEncoding found = FileEncoding::Utf8;
    QString text;
    // Neither mark is valid UTF-8, nor a likely start of an 8-bit text ("ÿþ", "þÿ").
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool bigEndian = bytes.at(0) == '\xFE';
        found = bigEndian ? FileEncoding::Utf16BE : FileEncoding::Utf16LE;
        text = DecodeUtf16(QByteArrayView(bytes).sliced(2), bigEndian);
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        // The decoder drops a leading byte-order mark; Windows-1252 has none.
        text = utf8.decode(bytes);
        if (utf8.hasError()) {
            found = FileEncoding::Windows1252;
            text = DecodeWindows1252(bytes);
        }
    }
    if (encoding) *encoding = found;
    return NormaliseLineEnds(std::move(text));
}

QByteArray EncodeFileText(QStringView text) {
    return *EncodeFileText(text, FileEncoding::Utf8);
}

std::optional<QByteArray> EncodeFileText(QStringView text, FileEncoding encoding) {
    QString crlf = text.toString();
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    switch (encoding) {
    case FileEncoding::Utf16LE:
    case FileEncoding::Utf16BE:
        return EncodeUtf16(crlf, encoding == FileEncoding::Utf16BE);
    case FileEncoding::Windows1252:
        return EncodeWindows1252(crlf);
    case FileEncoding::Utf8:
        break;
    }
    // A text that starts with U+FEFF gets a byte-order mark before it, which reading drops.
    if (crlf.startsWith(QChar(0xFEFF))) crlf.prepend(QChar(0xFEFF));
    return crlf.toUtf8();
}

ReadStatus ReadTextFile(const QString& path, QString& text, QString& error,
                        FileEncoding* encoding) {
    // Opening a named pipe waits for a writer, reading a device may never end, and merely
    // opening some devices acts on them: they are refused unopened.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return ReadStatus::NotRegular;
    // Without waiting, and checked again once open, should a pipe have taken the file's place.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = qt_error_string(errno);
        return ReadStatus::Failed;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return ReadStatus::NotRegular;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        error = file.errorString();
        ::close(fd);
        return ReadStatus::Failed;
    }
    // The limit is on characters: an 8-bit file has one byte a character, but a UTF-8 file
    // the program saved itself may hold up to four bytes for one, and must open again.
    constexpr qsizetype MaxFileBytes = 4 * MaxDocumentLength;
    if (file.size() > MaxFileBytes) return ReadStatus::TooLarge;
    // Read one byte more than allowed, in case the file grew since its size was taken.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return ReadStatus::Failed;
    }
    if (bytes.size() > MaxFileBytes) return ReadStatus::TooLarge;
    FileEncoding found = FileEncoding::Utf8;
    QString decoded = DecodeFileText(bytes, &found);
    // LF-only files grow by their CR; what would not fit could not be saved and reopened.
    if (FileLength(decoded) > MaxDocumentLength) return ReadStatus::TooLarge;
    text = std::move(decoded);
    if (encoding) *encoding = found;
    return ReadStatus::Ok;
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes, QString& error) {
    QSaveFile file(path);
    // Unbuffered, so that a short write shows at once: a buffered one can be lost in the
    // flush at commit() without commit() noticing, and a cut-off file would replace the old.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            error = file.errorString();
            file.cancelWriting();
            return false;
        }
        done += written;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace kavrel
