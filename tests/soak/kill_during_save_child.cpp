// Saves two large documents over each other at one path, through the document's file save,
// until it is killed; prints "saved" after each save.
//   kill_during_save_child PATH

#include "document/text_file.h"
#include "soak/large_document.h"

#include <QCoreApplication>

#include <cstdio>

using namespace kavrel;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString versions[] = {test::LargeDocument(2), test::LargeDocument(1)};
    QString error;
    for (int n = 0;; ++n) {
        if (!WriteFileBytes(path, EncodeFileText(versions[n % 2]), error)) return 1;
        std::puts("saved");
        std::fflush(stdout);
    }
}
