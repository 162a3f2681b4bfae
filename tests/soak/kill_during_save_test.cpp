// A save killed at any moment leaves the file as it was or as the save would make it, never
// cut off or mixed: a child saves two large documents over each other at one path and is sent
// SIGKILL after varying delays.

#include "document/text_file.h"
#include "soak/large_document.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

using namespace kavrel;

class KillDuringSaveTest : public QObject {
    Q_OBJECT

private slots:
    void fileIsOldOrNewAfterAKill() {
        const QByteArray first = EncodeFileText(test::LargeDocument(1));
        const QByteArray second = EncodeFileText(test::LargeDocument(2));
        QVERIFY(first.size() > MaxDocumentLength - 4000 && first.size() <= MaxDocumentLength);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("large.txt"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(first), first.size());
        }
        constexpr int Kills = 10;
        for (int kill = 0; kill < Kills; ++kill) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QStringLiteral(KAVREL_SAVE_CHILD), {path});
            QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
            // One save's time, from the end of the first to the end of the second; the kill
            // comes that much later times kill / Kills, somewhere in the cycle of a save.
            QElapsedTimer cycle;
            for (int saved = 0; saved < 2; ++saved) {
                while (!child.canReadLine())
                    QVERIFY2(child.waitForReadyRead(60000), "the child stopped saving");
                child.readLine();
                if (saved == 0) cycle.start();
            }
            const qint64 period = cycle.nsecsElapsed();
            QThread::usleep(static_cast<unsigned long>(period / 1000 * kill / Kills));
            QCOMPARE(::kill(static_cast<pid_t>(child.processId()), SIGKILL), 0);
            QVERIFY(child.waitForFinished(10000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY2(bytes == first || bytes == second,
                     qPrintable(QStringLiteral("kill %1 left %2 bytes of neither version")
                                    .arg(kill)
                                    .arg(bytes.size())));
            // A save cut off may leave its scratch file beside the document.
            for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
                if (name != QStringLiteral("large.txt")) QFile::remove(dir.filePath(name));
        }
    }
};

QTEST_MAIN(KillDuringSaveTest)
#include "kill_during_save_test.moc"
