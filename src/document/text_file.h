// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document's file form: the text with CR LF line ends, read back from UTF-8, from UTF-16
// with a byte-order mark, or from the Windows-1252 of older 8-bit editors, and saved in the
// encoding it was read from.

#include <QByteArray>
#include <QString>

#include <optional>

namespace kavrel {

// The most characters the document holds; a line break counts as its two file characters.
inline constexpr qsizetype MaxDocumentLength = 1048575;

// The length of a text (line breaks as '\n') as its file will hold it: CR LF per break.
qsizetype FileLength(QStringView text);

// UTF-16 files carry their byte-order mark; a new document is UTF-8.
enum class FileEncoding { Utf8, Windows1252, Utf16LE, Utf16BE };

// UTF-16 after its byte-order mark; else valid UTF-8 as UTF-8, anything else as
// Windows-1252. CR LF, and a lone CR or LF, become '\n'. encoding receives what was found.
QString DecodeFileText(const QByteArray& bytes, FileEncoding* encoding = nullptr);
// '\n' becomes CR LF; written as UTF-8.
QByteArray EncodeFileText(QStringView text);
// As above in the given encoding; nothing when the encoding cannot store the text.
std::optional<QByteArray> EncodeFileText(QStringView text, FileEncoding encoding);

enum class ReadStatus { Ok, TooLarge, NotRegular, Failed };

// Reads a document file. A file whose text would not fit into the document (for an 8-bit
// file: over MaxDocumentLength bytes) is TooLarge; anything but a regular file (a named pipe,
// a device, a directory) is NotRegular; error receives the reason of a failure.
ReadStatus ReadTextFile(const QString& path, QString& text, QString& error,
                        FileEncoding* encoding = nullptr);

// Writes beside the target and renames it into place, so a failed save leaves the previous
// file as it was; error receives the reason of a failure.
bool WriteFileBytes(const QString& path, const QByteArray& bytes, QString& error);

} // namespace kavrel
