#pragma once
// The document's file form: the text with CR LF line ends, read back from UTF-8 or from the
// Windows-1252 of older 8-bit editors.

#include <QByteArray>
#include <QString>

namespace kavrel {

// The most characters the document holds; a line break counts as its two file characters.
inline constexpr qsizetype MaxDocumentLength = 1048575;

// The length of a text (line breaks as '\n') as its file will hold it: CR LF per break.
qsizetype FileLength(QStringView text);

// Valid UTF-8 is read as UTF-8, anything else as Windows-1252; CR LF, and a lone CR or LF,
// become '\n'.
QString DecodeFileText(const QByteArray& bytes);
// '\n' becomes CR LF; written as UTF-8.
QByteArray EncodeFileText(QStringView text);

enum class ReadStatus { Ok, TooLarge, NotRegular, Failed };

// Reads a document file. A file whose text would not fit into the document (for an 8-bit
// file: over MaxDocumentLength bytes) is TooLarge; anything but a regular file (a named pipe,
// a device, a directory) is NotRegular; error receives the reason of a failure.
ReadStatus ReadTextFile(const QString& path, QString& text, QString& error);

// Writes beside the target and renames it into place, so a failed save leaves the previous
// file as it was; error receives the reason of a failure.
bool WriteTextFile(const QString& path, QStringView text, QString& error);

} // namespace kavrel
