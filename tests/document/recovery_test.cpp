// Recovery after a crash: the copy of the unsaved text, and its offer at the next start.

#include "document/kv_doc.h"
#include "document/kv_view.h"
#include "document/modal_answerer.h"
#include "document/recovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace kavrel;
using std::chrono::milliseconds;

namespace {

QStringList Files(const QString& folder, const QString& pattern = QStringLiteral("*")) {
    return QDir(folder).entryList({pattern}, QDir::Files);
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The copy follows the text while it is unsaved, and goes when nothing is left unsaved.
    void theCopyLastsWhileTheTextIsUnsaved_data() {
        QTest::addColumn<QString>("end");
        QTest::newRow("save") << "save";
        QTest::newRow("clear all") << "clear all";
        QTest::newRow("exit") << "exit";
    }

    void theCopyLastsWhileTheTextIsUnsaved() {
        QFETCH(QString, end);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("recovery"));
        CKvView view;
        CKvDoc doc(view);
        auto recovery = std::make_unique<CRecovery>(doc, folder, milliseconds(1));
        QVERIFY(view.InsertRecord("first\r\n"));
        QTRY_COMPARE(Files(folder, QStringLiteral("*.txt")).size(), 1);
        const QString copy = QDir(folder).filePath(Files(folder, QStringLiteral("*.txt")).first());
        QVERIFY(view.InsertRecord("second\r\n"));
        QTRY_VERIFY(ReadBytes(copy).endsWith("first\r\nsecond\r\n"));

        if (end == u"save")
            QVERIFY(doc.SaveDocument(dir.filePath(QStringLiteral("saved.txt")), nullptr));
        else if (end == u"clear all")
            doc.ClearAll();
        else
            recovery.reset();
        // The lock that marks a running program stays until it ends.
        QCOMPARE(Files(folder).size(), recovery ? 1 : 0);
        QVERIFY(!QFile::exists(copy));
    }

    // A crash: the copy of a program still running is left alone; once it has ended, its copy
    // is offered with the document's name and the time it was written.
    void aCopyLeftByAnEndedProgramIsOffered_data() {
        QTest::addColumn<bool>("restore");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }

    void aCopyLeftByAnEndedProgramIsOffered() {
        QFETCH(bool, restore);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("recovery"));
        const QString file = dir.filePath(QStringLiteral("loan.txt"));
        {
            QFile opened(file);
            QVERIFY(opened.open(QIODevice::WriteOnly));
            opened.write("principal\r\n");
        }
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(KAVREL_RECOVERY_CHILD), {folder, file});
        QVERIFY2(child.waitForReadyRead(60000), "the child wrote no copy");
        QCOMPARE(child.readLine(), QByteArray("written\n"));
        const QStringList copies = Files(folder, QStringLiteral("*.txt"));
        QCOMPARE(copies.size(), 1);
        const QString written = QLocale().toString(
            QFileInfo(QDir(folder).filePath(copies.first())).lastModified(), QLocale::ShortFormat);

        CKvView view;
        CKvDoc doc(view);
        CRecovery recovery(doc, folder, milliseconds(1));
        test::ModalAnswerer answerer(restore ? QMessageBox::Yes : QMessageBox::No);
        recovery.OfferLeftCopies(nullptr);
        QVERIFY(answerer.texts.isEmpty());
        QCOMPARE(::kill(static_cast<pid_t>(child.processId()), SIGKILL), 0);
        QVERIFY(child.waitForFinished(10000));
        recovery.OfferLeftCopies(nullptr);
        QCOMPARE(answerer.texts, QStringList{QStringLiteral("Kavrel found unsaved work from a "
                                                            "session that ended unexpectedly "
                                                            "(loan.txt, %1). Restore it?")
                                                 .arg(written)});
        QCOMPARE(view.Text(), restore ? QStringLiteral("principal\nadded\n") : QString());
        QCOMPARE(doc.IsModified(), restore);
        QCOMPARE(doc.Title(), QStringLiteral("Untitled"));
        // The old copy is gone; a restored text has its own at once.
        QCOMPARE(Files(folder, QStringLiteral("*.txt")).size(), restore ? 1 : 0);
        QVERIFY(!QFile::exists(QDir(folder).filePath(copies.first())));
    }
};

QTEST_MAIN(RecoveryTest)
#include "recovery_test.moc"
