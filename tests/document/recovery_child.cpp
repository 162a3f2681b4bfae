// A program that ends without saving: it opens FILE, adds a line, says "written" once its
// recovery copy is in FOLDER and waits to be killed.
//   recovery_child FOLDER FILE

#include "document/kv_doc.h"
#include "document/kv_view.h"
#include "document/recovery.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

using namespace kavrel;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    CKvView view;
    CKvDoc doc(view);
    if (!doc.OpenDocument(QString::fromLocal8Bit(argv[2]), nullptr)) return 1;
    CRecovery recovery(doc, folder, std::chrono::milliseconds(1));
    view.moveCursor(QTextCursor::End);
    view.insertPlainText(QStringLiteral("added\n"));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll, &folder] {
        if (QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files).isEmpty()) return;
        poll.stop();
        std::puts("written");
        std::fflush(stdout);
    });
    poll.start(1);
    return QApplication::exec();
}
