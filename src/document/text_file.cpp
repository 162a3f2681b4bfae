#include "document/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

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

QString DecodeFileText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    // The decoder drops a leading byte-order mark; Windows-1252 has none.
    if (utf8.hasError()) text = DecodeWindows1252(bytes);
    return NormaliseLineEnds(std::move(text));
}

QByteArray EncodeFileText(QStringView text) {
    QString crlf = text.toString();
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    // A text that starts with U+FEFF gets a byte-order mark before it, which reading drops.
    if (crlf.startsWith(QChar(0xFEFF))) crlf.prepend(QChar(0xFEFF));
    return crlf.toUtf8();
}

ReadStatus ReadTextFile(const QString& path, QString& text, QString& error) {
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
    QString decoded = DecodeFileText(bytes);
    // LF-only files grow by their CR; what would not fit could not be saved and reopened.
    if (FileLength(decoded) > MaxDocumentLength) return ReadStatus::TooLarge;
    text = std::move(decoded);
    return ReadStatus::Ok;
}

bool WriteTextFile(const QString& path, QStringView text, QString& error) {
    QSaveFile file(path);
    // Unbuffered, so that a short write shows at once: a buffered one can be lost in the
    // flush at commit() without commit() noticing, and a cut-off file would replace the old.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    const QByteArray bytes = EncodeFileText(text);
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
