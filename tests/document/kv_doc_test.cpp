// The document's files: round trips, encodings, the size limit, and saves that fail.

#include "document/kv_doc.h"
#include "document/kv_view.h"
#include "document/modal_answerer.h"
#include "document/text_file.h"

#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kavrel;

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Limits the size of files this process writes, for as long as it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

} // namespace

class KvDocTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Saved in the encoding the file was read in, as long as that can store the text.
    void roundTrip_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed"); // added at the end before saving
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<bool>("asUtf8"); // the status bar is told
        const QString check = QString(QChar(0x2713));
        QTest::newRow("CR LF") << QByteArray("a\r\n\r\nb c\r\n") << QStringLiteral("a\n\nb c\n")
                               << QString() << QByteArray("a\r\n\r\nb c\r\n") << false;
        QTest::newRow("LF only") << QByteArray("a\n\nb") << QStringLiteral("a\n\nb") << QString()
                                 << QByteArray("a\r\n\r\nb") << false;
        const QByteArray cp1252("Caf\xe9 \x80 5\x96 6\xa0\x81!\r\n");
        const QString cp1252Text = QString::fromUtf8("Caf\u00e9 \u20ac 5\u2013 6\u00a0\u0081!\n");
        QTest::newRow("Windows-1252") << cp1252 << cp1252Text << QString() << cp1252 << false;
        QTest::newRow("Windows-1252 with a character it lacks")
            << cp1252 << cp1252Text << check
            << QByteArray("Caf\xc3\xa9 \xe2\x82\xac 5\xe2\x80\x93 6\xc2\xa0\xc2\x81!\r\n"
                          "\xe2\x9c\x93")
            << true;
        QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9\r\n") << QString::fromUtf8("Caf\u00e9\n")
                               << check << QByteArray("Caf\xc3\xa9\r\n\xe2\x9c\x93") << false;
        const QByteArray utf16le = QByteArray::fromHex("fffe43006100e900ac200d000a00");
        QTest::newRow("UTF-16 LE")
            << utf16le << QString::fromUtf8("Ca\u00e9\u20ac\n") << QString() << utf16le << false;
        // A U+FEFF after the byte-order mark is text.
        QTest::newRow("UTF-16 BE, LF only")
            << QByteArray::fromHex("fefffeff0061000a") << QChar(0xFEFF) + QStringLiteral("a\n")
            << check << QByteArray::fromHex("fefffeff0061000d000a2713") << false;
        QTest::newRow("empty") << QByteArray() << QString() << QString() << QByteArray() << false;
    }

    void roundTrip() {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(QByteArray, saved);
        QFETCH(bool, asUtf8);
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("in.txt"));
        const QString out = dir.filePath(QStringLiteral("out.txt"));
        WriteBytes(in, file);

        CKvView view;
        CKvDoc doc(view);
        QVERIFY(doc.OpenDocument(in, nullptr));
        QCOMPARE(view.Text(), text);
        QVERIFY(!doc.IsModified());
        QCOMPARE(doc.Title(), QStringLiteral("in.txt"));

        view.moveCursor(QTextCursor::End);
        view.insertPlainText(typed);
        view.SetModified(true);
        QSignalSpy status(&doc, &CKvDoc::StatusMessage);
        QVERIFY(doc.SaveDocument(out, nullptr));
        QCOMPARE(ReadBytes(out), saved);
        QCOMPARE(status.size(), asUtf8 ? 1 : 0);
        if (asUtf8)
            QCOMPARE(status.at(0).at(0).toString(),
                     QStringLiteral(
                         "Saved as UTF-8: the text holds characters Windows-1252 cannot store."));
        QVERIFY(!doc.IsModified());
        QCOMPARE(doc.Title(), QStringLiteral("out.txt"));
        QCOMPARE(CKvDoc::RecentFiles().value(0), out);
    }

    void recordAtTheStartOfAnOpenedFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.txt"));
        WriteBytes(path, "first line\r\n");
        CKvView view;
        CKvDoc doc(view);
        QVERIFY(doc.OpenDocument(path, nullptr));
        QVERIFY(view.InsertRecord("\r\n   TITLE\r\n\r\n"));
        QVERIFY(doc.SaveDocument(path, nullptr));
        QCOMPARE(ReadBytes(path), QByteArray("\r\n   TITLE\r\n\r\nfirst line\r\n"));
    }

    // Refused: files too large for the document, and what is not a regular file (opening a
    // named pipe would wait for a writer).
    void aRefusedFileLeavesTheDocumentAsItWas_data() {
        QTest::addColumn<QString>("kind"); // a regular file when empty
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qsizetype>("length"); // the opened text's length; -1: refused
        QTest::newRow("at the limit")
            << "" << QByteArray(MaxDocumentLength, 'a') << MaxDocumentLength;
        QTest::newRow("one byte over")
            << "" << QByteArray(MaxDocumentLength + 1, 'a') << qsizetype(-1);
        // Its line breaks would double on saving.
        QByteArray lines(MaxDocumentLength - 10, 'a');
        for (int i = 0; i < 11; ++i)
            lines[i * 2] = '\n';
        QTest::newRow("LF-only lines over") << "" << lines << qsizetype(-1);
        // An 8-bit file has a character a byte; a UTF-8 one that the program saved may have
        // more bytes than the document has characters, and must open again.
        QTest::newRow("8-bit over")
            << "" << QByteArray(MaxDocumentLength + 1, '\xe9') << qsizetype(-1);
        QByteArray accents;
        for (int i = 0; i < 600000; ++i)
            accents += "\xc3\xa9";
        QTest::newRow("UTF-8 over in bytes, not in characters")
            << "" << accents << qsizetype(600000);
        QTest::newRow("named pipe") << "fifo" << QByteArray() << qsizetype(-1);
        QTest::newRow("device") << "/dev/null" << QByteArray() << qsizetype(-1);
    }

    void aRefusedFileLeavesTheDocumentAsItWas() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, file);
        QFETCH(qsizetype, length);
        const bool opens = length >= 0;
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("big.txt"));
        if (kind.isEmpty())
            WriteBytes(path, file);
        else if (kind == u"fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            path = kind;
        CKvView view;
        CKvDoc doc(view);
        view.LoadText(QStringLiteral("kept"));
        view.SetModified(true);

        test::ModalAnswerer answerer;
        QCOMPARE(doc.OpenDocument(path, nullptr), opens);
        if (opens) {
            QCOMPARE(view.TextLength(), length);
            QVERIFY(answerer.texts.isEmpty());
            return;
        }
        const QString message =
            kind.isEmpty()
                ? QStringLiteral("The file is too large to open.")
                : QStringLiteral("'%1' is not a regular file and cannot be opened.").arg(path);
        QCOMPARE(answerer.texts, QStringList{message});
        QCOMPARE(view.Text(), QStringLiteral("kept"));
        QVERIFY(doc.IsModified());
        QCOMPARE(doc.Title(), QStringLiteral("Untitled"));
    }

    // A failed save is reported naming the file, and never touches what was there.
    void aFailedSaveKeepsTheOldFile_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("parent is a file") << QStringLiteral("parent-file");
        QTest::newRow("write fails half-way") << QStringLiteral("file-size-limit");
        QTest::newRow("read-only directory") << QStringLiteral("read-only");
    }

    void aFailedSaveKeepsTheOldFile() {
        QFETCH(QString, how);
        QTemporaryDir dir;
        QString target = dir.filePath(QStringLiteral("results.txt"));
        const QByteArray old = "old text\r\n";
        WriteBytes(target, old);
        if (how == u"parent-file") target = dir.filePath(QStringLiteral("results.txt/inner.txt"));

        CKvView view;
        CKvDoc doc(view);
        view.LoadText(QString(4000, u'n'));
        view.SetModified(true);
        test::ModalAnswerer answerer;
        bool saved = true;
        if (how == u"file-size-limit") {
            FileSizeLimit limit(1024);
            saved = doc.SaveDocument(target, nullptr);
        } else if (how == u"read-only") {
            if (geteuid() == 0) QSKIP("directory permissions do not bind the superuser");
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
            saved = doc.SaveDocument(target, nullptr);
            QFile::setPermissions(dir.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        } else {
            saved = doc.SaveDocument(target, nullptr);
        }
        QVERIFY(!saved);
        QCOMPARE(answerer.texts.size(), 1);
        QVERIFY2(answerer.texts.first().contains(target), qPrintable(answerer.texts.first()));
        QVERIFY(answerer.texts.first().startsWith(u"Failed to save document."));
        QVERIFY(doc.IsModified());
        QCOMPARE(doc.Title(), QStringLiteral("Untitled"));
        QCOMPARE(ReadBytes(dir.filePath(QStringLiteral("results.txt"))), old);
        // No half-written file left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("results.txt")});
    }

    // Saving over a file another program has changed since it was opened or saved asks first.
    void aFileChangedOnDiskIsNotSavedOverUnasked_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::newRow("unchanged") << QString() << int(QMessageBox::Cancel) << true;
        QTest::newRow("size, Save") << "size" << int(QMessageBox::Save) << true;
        QTest::newRow("time, Cancel") << "time" << int(QMessageBox::Cancel) << false;
    }

    void aFileChangedOnDiskIsNotSavedOverUnasked() {
        QFETCH(QString, change);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("loan.txt"));
        QByteArray onDisk = "theirs\r\n";
        WriteBytes(path, onDisk);
        CKvView view;
        CKvDoc doc(view);
        QVERIFY(doc.OpenDocument(path, nullptr));
        QVERIFY(view.InsertRecord("ours\r\n"));
        if (!change.isEmpty()) {
            // Either the size or the time differs, not both.
            const QDateTime time = QFileInfo(path).lastModified();
            if (change == u"size") {
                onDisk = "theirs, longer\r\n";
                WriteBytes(path, onDisk);
            }
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(change == u"size" ? time : time.addSecs(-60),
                                     QFileDevice::FileModificationTime));
        }
        test::ModalAnswerer answerer(static_cast<QMessageBox::StandardButton>(answer));
        QCOMPARE(doc.SaveDocument(path, nullptr), saved);
        QCOMPARE(answerer.texts,
                 change.isEmpty() ? QStringList{}
                                  : QStringList{QStringLiteral("'%1' has changed on disk since it "
                                                               "was opened. Save over it?")
                                                    .arg(path)});
        QCOMPARE(ReadBytes(path), saved ? QByteArray("ours\r\ntheirs\r\n") : onDisk);
        // The file the program saved is its own again.
        if (saved) {
            QVERIFY(doc.SaveDocument(path, nullptr));
            QCOMPARE(answerer.texts.size(), change.isEmpty() ? 0 : 1);
        }
    }

    void saveChangesIsAskedOnlyWhenModified_data() {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("proceeds");
        QTest::newRow("not modified") << false << int(QMessageBox::Cancel) << true;
        QTest::newRow("No") << true << int(QMessageBox::No) << true;
        QTest::newRow("Cancel") << true << int(QMessageBox::Cancel) << false;
    }

    void saveChangesIsAskedOnlyWhenModified() {
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, proceeds);
        CKvView view;
        CKvDoc doc(view);
        view.LoadText(QStringLiteral("text"));
        view.SetModified(modified);
        test::ModalAnswerer answerer(static_cast<QMessageBox::StandardButton>(answer));
        QCOMPARE(doc.SaveModified(nullptr), proceeds);
        QCOMPARE(answerer.texts, modified ? QStringList{QStringLiteral("Save changes to Untitled?")}
                                          : QStringList{});
    }

    void clearAllNeedsNoSaving() {
        CKvView view;
        CKvDoc doc(view);
        QVERIFY(!doc.CanClearAll());
        view.LoadText(QStringLiteral("\n"));
        QVERIFY(doc.CanClearAll());
        view.LoadText(QStringLiteral("x"));
        view.SetModified(true);
        QVERIFY(doc.CanClearAll());
        doc.ClearAll();
        QVERIFY(view.Text().isEmpty());
        QVERIFY(!doc.CanClearAll());
        QVERIFY(!doc.IsModified());
        test::ModalAnswerer answerer;
        QVERIFY(doc.SaveModified(nullptr));
        QVERIFY(answerer.texts.isEmpty());
    }
};

QTEST_MAIN(KvDocTest)
#include "kv_doc_test.moc"
