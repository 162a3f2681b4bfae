#pragma once
// The two versions of a large document that the kill test saves over each other: nearly the
// document's limit, differing from the first line to the last.

#include "document/text_file.h"

#include <QString>

namespace kavrel::test {

inline QString LargeDocument(int version) {
    const QString line =
        QStringLiteral("Version %1 line %2 of a document near its limit, 0123456789");
    QString text;
    qsizetype fileLength = 0;
    for (int n = 0; fileLength + 2 * line.size() < MaxDocumentLength - 1000; ++n) {
        const QString next = line.arg(version).arg(n, 6) + u'\n';
        text += next;
        fileLength += FileLength(next);
    }
    return text;
}

} // namespace kavrel::test
