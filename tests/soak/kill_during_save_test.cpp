// SPDX-License-Identifier: GPL-3.0-or-later
// A save killed at any moment leaves the file as it was or as the save would make it, never
// cut off or mixed: this program, run as a child, saves two large documents over each other
// at one path until it is sent SIGKILL, after varying delays.

#include "document/text_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstdio>

using namespace kavrel;

namespace {

// Nearly the document's limit (a line break counts twice in the file), differing from the
// first line to the last.
QString LargeDocument(int version) {
    QString text;
    for (int n = 0; text.size() + n < MaxDocumentLength - 1200; ++n)
        text += QStringLiteral("Version %1 line %2 of a document near its limit, 0123456789\n")
                    .arg(version)
                    .arg(n, 6);
    return text;
}

// The child: saves the two versions in turn, saying "saved" after each.
int SaveForever(const QString& path) {
    const QString versions[] = {LargeDocument(2), LargeDocument(1)};
    QString error;
    for (int n = 0; WriteFileBytes(path, EncodeFileText(versions[n % 2]), error); ++n) {
        std::puts("saved");
        std::fflush(stdout);
    }
    return 1;
}

} // namespace

class KillDuringSaveTest : public QObject {
    Q_OBJECT

private slots:
    void fileIsOldOrNewAfterAKill() {
        const QByteArray versions[] = {EncodeFileText(LargeDocument(1)),
                                       EncodeFileText(LargeDocument(2))};
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("large.txt"));
        QString error;
        QVERIFY(WriteFileBytes(path, EncodeFileText(LargeDocument(1)), error));
        constexpr int Kills = 10;
        for (int kill = 0; kill < Kills; ++kill) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save"), path});
            // One save's time, from the end of the first to the end of the second; the kill
            // comes that much later times kill / Kills, somewhere in the cycle of a save.
            QElapsedTimer cycle;
            for (int saved = 0; saved < 2; ++saved) {
                while (!child.canReadLine())
                    QVERIFY2(child.waitForReadyRead(60000), "the child stopped saving");
                child.readLine();
                if (saved == 0) cycle.start();
            }
            QThread::usleep(static_cast<unsigned long>(cycle.nsecsElapsed() / 1000 * kill / Kills));
            QCOMPARE(::kill(static_cast<pid_t>(child.processId()), SIGKILL), 0);
            QVERIFY(child.waitForFinished(10000));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY2(bytes == versions[0] || bytes == versions[1],
                     qPrintable(QString::number(kill)));
            // A save cut off may leave its scratch file beside the document.
            for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
                if (name != u"large.txt") QFile::remove(dir.filePath(name));
        }
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && argv[1] == std::string_view("--save"))
        return SaveForever(QString::fromLocal8Bit(argv[2]));
    KillDuringSaveTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "kill_during_save_test.moc"
