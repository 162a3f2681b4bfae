// SPDX-License-Identifier: GPL-3.0-or-later
// The document: records, the text window's insertion point and limit, files, the recovery
// copy, and printing (to PDF, read back with pdftotext, whose layout does not keep runs of
// blanks exactly).

#include "calculators/discounted_cash_flow/discounted_cash_flow_dlg.h"
#include "document/kv_doc.h"
#include "document/kv_view.h"
#include "document/print_text.h"
#include "document/qt_test_support.h"
#include "document/record.h"
#include "document/recovery.h"
#include "document/text_file.h"

#include <QApplication>
#include <QClipboard>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace kavrel;
using std::chrono::milliseconds;

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList Files(const QString& folder, const QString& pattern) {
    return QDir(folder).entryList({pattern}, QDir::Files);
}

// Nothing passes the limit, counting a line break as its two file characters: a record, a
// paste or a keystroke that does not fit is refused whole, a schedule is cut to what fits.
// `refused` counts the refusals the form is told of afterwards.
enum class Edit { Record, Type, TypeOverAll, Paste, Schedule };
const struct {
    const char* name;
    Edit edit;
    int room; // left after the starting text, which TypeOverAll and Schedule replace
    QString input;
    QString added;
    int refused;
} LimitCases[] = {
    {"record, exactly the room", Edit::Record, 10, "0123456789", "0123456789", 0},
    {"record, one over", Edit::Record, 10, "0123456789A", "", 0},
    {"record, CR LF one over", Edit::Record, 3, "ab\n", "", 0},
    {"typing", Edit::Type, 2, "abc", "ab", 1},
    {"typing a line break", Edit::Type, 1, "\n", "", 1},
    {"typing over all", Edit::TypeOverAll, 0, "q", "q", 0},
    {"paste over", Edit::Paste, 4, "ab\ncd", "", 1},
    {"paste fits", Edit::Paste, 4, "a\nb", "a\nb", 0},
    {"schedule", Edit::Schedule, 0, QString(MaxDocumentLength - 1, u'y') + "\nz",
     QString(MaxDocumentLength - 1, u'y'), 1},
};

// Saved with CR LF, in the encoding the file was read in as long as that can store the text,
// else in UTF-8, which the status bar is told.
const struct {
    const char* name;
    QByteArray file;
    QString text;
    QString typed; // at the end before saving
    QByteArray saved;
    int toldUtf8;
} RoundTrips[] = {
    {"LF only", "a\n\nb", "a\n\nb", "", "a\r\n\r\nb", 0},
    {"Windows-1252 with a character it lacks", "Caf\xe9 \x80 5\x96 6\xa0\x81!\r\n",
     QString::fromUtf8("Caf\u00e9 \u20ac 5\u2013 6\u00a0\u0081!\n"), QString(QChar(0x2713)),
     "Caf\xc3\xa9 \xe2\x82\xac 5\xe2\x80\x93 6\xc2\xa0\xc2\x81!\r\n\xe2\x9c\x93", 1},
};

// Refused, leaving the document as it was ("kept"): files too large for the document, and
// what is not a regular file (opening a named pipe would wait for a writer).
const struct {
    const char* name;
    QByteArray file;  // empty: a named pipe
    qsizetype length; // the text's afterwards
    QString message;
} OpenCases[] = {
    {"at the limit", QByteArray(MaxDocumentLength, 'a'), MaxDocumentLength, ""},
    {"one byte over", QByteArray(MaxDocumentLength + 1, 'a'), 4, "The file is too large to open."},
    // Its line breaks would double on saving.
    {"LF-only lines over",
     QByteArray(MaxDocumentLength - 10, 'a').replace(0, 11, "\n\n\n\n\n\n\n\n\n\n\n"), 4,
     "The file is too large to open."},
    // A UTF-8 file the program saved may have more bytes than the document has characters.
    {"UTF-8 over in bytes, not in characters", QByteArray(600000, 'a').replace("a", "\xc3\xa9"),
     600000, ""},
    {"named pipe", "", 4, "'PATH' is not a regular file and cannot be opened."},
};

const QStringList Heading = {
    QStringLiteral("   Payment  Payment              Principal  Interest    Remaining"),
    QStringLiteral("   Number   Due Date   Payment    Portion   Portion     Principal"),
    QStringLiteral("   -------  --------  ---------  ---------  ---------  ----------")};

// Prints text on A4 without printer margins, so that the page's coordinates are the paper's,
// and reads it back with pdftotext and the given options.
QString PrintAndRead(const QString& text, const QStringList& options) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    if (PrintText(text, printer) <= 0) return {};
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
    tool.waitForFinished(30000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT
    // Fresh for each test: a folder, and a document with its text window.
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<CKvView> view;
    std::unique_ptr<CKvDoc> doc;
    QString Path(const char* name) const { return dir->filePath(QString::fromLatin1(name)); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        doc.reset();
        view = std::make_unique<CKvView>();
        doc = std::make_unique<CKvDoc>(*view);
        dir = std::make_unique<QTemporaryDir>();
    }

    // Under the list's label, 2.5 periods: those below it, from 0; flows beyond the series (a
    // Calculate stopped part-way) are written as 0.
    void cashFlowsBeyondTheSeries() {
        CDiscountedCashFlowDlg form;
        StringSink sink;
        RecordCashFlows(form, form.Table(), sink, 2.5, std::vector{2499.6},
                        std::vector{0.0, 1500.4});
        QCOMPARE(sink.Text(), "Cash Flows (CF) in $:\r\n\r\n"
                              "   Period       CF Out           CF In\r\n\r\n"
                              "     0            2500               0\r\n"
                              "     1               0            1500\r\n"
                              "     2               0               0\r\n\r\n");
    }

    void theDocumentLimit_data() { test::AddRows(LimitCases); }
    void theDocumentLimit() {
        QFETCH(size_t, row);
        const auto& c = LimitCases[row];
        view->show();
        const QString start(MaxDocumentLength - c.room, u'x');
        view->LoadText(start);
        view->moveCursor(QTextCursor::End);
        const std::string block = EncodeFileText(c.input).toStdString();
        QApplication::clipboard()->setText(c.input);
        if (c.edit == Edit::Record) QCOMPARE(view->InsertRecord(block), !c.added.isEmpty());
        if (c.edit == Edit::Schedule) view->ReplaceText(block);
        if (c.edit == Edit::Paste) view->paste();
        if (c.edit == Edit::TypeOverAll) view->selectAll();
        if (c.input == u"\n")
            QTest::keyClick(view.get(), Qt::Key_Return);
        else if (c.edit == Edit::Type || c.edit == Edit::TypeOverAll)
            QTest::keyClicks(view.get(), c.input);
        const bool replaced = c.edit == Edit::TypeOverAll || c.edit == Edit::Schedule;
        QCOMPARE(view->Text(), (replaced ? QString() : start) + c.added);
        QCOMPARE(view->OutOfSpaceCount(), c.refused);
        QCOMPARE(view->IsModified(), !c.added.isEmpty());
    }

    void roundTrip_data() { test::AddRows(RoundTrips); }
    void roundTrip() {
        QFETCH(size_t, row);
        const auto& c = RoundTrips[row];
        WriteBytes(Path("in.txt"), c.file);
        QVERIFY(doc->OpenDocument(Path("in.txt"), nullptr));
        QCOMPARE(view->Text(), c.text);
        view->moveCursor(QTextCursor::End);
        view->insertPlainText(c.typed);
        QSignalSpy status(doc.get(), &CKvDoc::StatusMessage);
        QVERIFY(doc->SaveDocument(Path("out.txt"), nullptr));
        QCOMPARE(ReadBytes(Path("out.txt")), c.saved);
        QCOMPARE(status.size(), c.toldUtf8);
    }

    // Newest first, each once, four at most.
    void recentFiles() {
        for (const char* name : {"a", "b", "c", "d", "e", "b"})
            QVERIFY(doc->SaveDocument(Path(name), nullptr));
        QCOMPARE(CKvDoc::RecentFiles(), (QStringList{Path("b"), Path("e"), Path("d"), Path("c")}));
    }

    void aRefusedFileLeavesTheDocumentAsItWas_data() { test::AddRows(OpenCases); }
    void aRefusedFileLeavesTheDocumentAsItWas() {
        QFETCH(size_t, row);
        const auto& [name, file, length, message] = OpenCases[row];
        const QString path = Path("big.txt");
        if (file.isEmpty())
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            WriteBytes(path, file);
        view->LoadText(QStringLiteral("kept"));
        view->SetModified(true);
        test::ModalAnswerer answerer;
        QCOMPARE(doc->OpenDocument(path, nullptr), message.isEmpty());
        QCOMPARE(view->TextLength(), length);
        QCOMPARE(answerer.texts.join(u'|').replace(path, QStringLiteral("PATH")), message);
        QCOMPARE(doc->IsModified(), !message.isEmpty());
    }

    // A save that fails half-way is reported naming the file, and leaves the old file as it
    // was, with nothing beside it.
    void aFailedSaveKeepsTheOldFile() {
        const QString path = Path("results.txt");
        WriteBytes(path, "old text\r\n");
        view->LoadText(QString(4000, u'n'));
        test::ModalAnswerer answerer;
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit{1024, saved.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool ok = doc->SaveDocument(path, nullptr);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!ok && answerer.texts.size() == 1);
        QVERIFY2(answerer.texts.first().startsWith(u"Failed to save document.") &&
                     answerer.texts.first().contains(path),
                 qPrintable(answerer.texts.first()));
        QCOMPARE(ReadBytes(path), QByteArray("old text\r\n"));
        QCOMPARE(Files(dir->path(), "*"), QStringList{"results.txt"});
    }

    // Saving over a file another program has changed (in size or in time) since it was opened
    // or saved asks first; the file the program saved is its own again.
    void aFileChangedOnDiskIsNotSavedOverUnasked_data() {
        QTest::addColumn<QByteArray>("theirs");
        QTest::addColumn<int>("answer");
        QTest::newRow("size, Save") << QByteArray("longer\r\n") << int(QMessageBox::Save);
        QTest::newRow("time, Cancel") << QByteArray("MINE\r\n") << int(QMessageBox::Cancel);
    }
    void aFileChangedOnDiskIsNotSavedOverUnasked() {
        QFETCH(QByteArray, theirs);
        QFETCH(int, answer);
        const QString path = Path("loan.txt");
        WriteBytes(path, "mine\r\n");
        QVERIFY(doc->OpenDocument(path, nullptr) && view->InsertRecord("ours\r\n"));
        // The size or the time differs, not both.
        const QFileInfo before(path);
        WriteBytes(path, theirs);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime time =
            before.lastModified().addSecs(before.size() == theirs.size() ? -60 : 0);
        QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
        test::ModalAnswerer answerer(static_cast<QMessageBox::StandardButton>(answer));
        const bool saved = answer == QMessageBox::Save;
        QCOMPARE(doc->SaveDocument(path, nullptr), saved);
        QCOMPARE(ReadBytes(path), saved ? QByteArray("ours\r\nmine\r\n") : theirs);
        if (saved) QVERIFY(doc->SaveDocument(path, nullptr));
        QCOMPARE(answerer.texts, QStringList{QStringLiteral("'%1' has changed on disk since it was "
                                                            "opened. Save over it?")
                                                 .arg(path)});
    }

    // A copy follows the unsaved text and goes when nothing is left unsaved; the copy of a
    // program still running is left alone, one whose program has ended is offered with the
    // document's name and the time it was written.
    void recoveryCopies_data() {
        QTest::addColumn<QString>("end");
        QTest::newRow("Yes, save") << "save";
        QTest::newRow("No, clear all") << "clear all";
        QTest::newRow("No, exit") << "exit";
    }
    void recoveryCopies() {
        QFETCH(QString, end);
        const bool restore = end == u"save";
        const QString folder = Path("recovery");
        WriteBytes(Path("loan.txt"), "principal\r\n");
        CKvView runningView;
        CKvDoc running(runningView);
        QVERIFY(running.OpenDocument(Path("loan.txt"), nullptr));
        auto runningRecovery = std::make_unique<CRecovery>(running, folder, milliseconds(1));
        QVERIFY(runningView.InsertRecord("first\r\n"));
        QTRY_COMPARE(Files(folder, "*.txt").size(), 1);
        const QString copy = QDir(folder).filePath(Files(folder, "*.txt").first());
        QVERIFY(runningView.InsertRecord("added\r\n"));
        QTRY_VERIFY(ReadBytes(copy).endsWith("first\r\nadded\r\nprincipal\r\n"));
        // The same copy under the name of a program that holds no lock: one that has ended.
        const QString left = folder + QStringLiteral("/1-1.txt");
        QVERIFY(QFile::copy(copy, left));
        const QString written =
            QLocale().toString(QFileInfo(left).lastModified(), QLocale::ShortFormat);

        CRecovery recovery(*doc, folder, milliseconds(1));
        test::ModalAnswerer answerer(restore ? QMessageBox::Yes : QMessageBox::No);
        recovery.OfferLeftCopies(nullptr);
        QCOMPARE(answerer.texts, QStringList{QStringLiteral("Kavrel found unsaved work from a "
                                                            "session that ended unexpectedly "
                                                            "(loan.txt, %1). Restore it?")
                                                 .arg(written)});
        QCOMPARE(view->Text(), restore ? QStringLiteral("first\nadded\nprincipal\n") : QString());
        QCOMPARE(doc->IsModified(), restore);
        // The old copy is gone; a restored text has its own at once.
        QVERIFY(!QFile::exists(left));
        QCOMPARE(Files(folder, "*.txt").size(), restore ? 2 : 1);

        if (end == u"save")
            QVERIFY(running.SaveDocument(Path("loan.txt"), nullptr));
        else if (end == u"clear all")
            running.ClearAll();
        else
            runningRecovery.reset();
        QVERIFY(!QFile::exists(copy));
        // The lock that marks a running program stays until it ends.
        QCOMPARE(Files(folder, "*.lock").size(), runningRecovery ? 2 : 1);
    }

    void scheduleHeadingWithin80Columns() {
        QVERIFY(HoldsSchedule(QString(64, u' ') + QStringLiteral("Payment  Payment")));
        QVERIFY(!HoldsSchedule(QString(65, u' ') + QStringLiteral("Payment  Payment")));
    }
    // Every page carries its number; the pages after the first of a schedule (its heading
    // within the first 51 lines and 80 columns) start with the heading; no line is lost or
    // repeated.
    void pagesHeadingsAndNumbers_data() {
        QTest::addColumn<int>("headingAt");
        QTest::addColumn<bool>("headings");
        QTest::newRow("heading on line 51") << 50 << true;
        QTest::newRow("heading on line 52") << 51 << false;
    }
    void pagesHeadingsAndNumbers() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QFETCH(int, headingAt);
        QFETCH(bool, headings);
        QStringList text;
        for (int i = 0; i < 200; ++i)
            text << (i == headingAt ? Heading[0] : QStringLiteral("   line-%1").arg(i));
        QStringList pages =
            PrintAndRead(text.join(u'\n'), {QStringLiteral("-layout")}).split(u'\f');
        pages.removeLast(); // after the last form feed
        QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
        QStringList printed;
        for (int p = 0; p < pages.size(); ++p) {
            QStringList lines;
            for (const QString& line : pages.at(p).split(u'\n'))
                if (!line.trimmed().isEmpty()) lines << line.simplified();
            QCOMPARE(lines.takeLast(), QString::number(p + 1));
            for (int h = 0; p > 0 && headings && h < 3; ++h)
                QCOMPARE(lines.takeFirst(), Heading[h].simplified());
            printed << lines;
        }
        for (QString& line : text)
            line = line.simplified();
        QCOMPARE(printed, text);
    }

    // Three quarters of an inch on the left; a schedule is centred as 68 columns of 6 pt
    // (Courier at 10 pt) on the 595.28 pt of A4, its heading three blanks in.
    void leftMargin() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QRegularExpression box(QStringLiteral("xMin=\"([0-9.]+)\"[^>]*>(Plain|Payment)<"));
        for (const auto& [text, left] : {std::pair{QStringLiteral("Plain"), 54.0},
                                         std::pair{Heading[0], (595.28 - 68 * 6.0) / 2 + 18}}) {
            const auto match = box.match(PrintAndRead(text, {QStringLiteral("-bbox")}));
            QVERIFY2(match.hasMatch() && qAbs(match.captured(1).toDouble() - left) < 1.0,
                     qPrintable(match.captured(1)));
        }
    }
};

QTEST_MAIN(DocumentTest)
#include "document_test.moc"
