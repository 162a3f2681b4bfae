// The text window: records inserted at the insertion point, and the document's limit.

#include "document/kv_view.h"
#include "document/text_file.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

using namespace kavrel;

namespace {

const QByteArray Title = "\r\n                COMPOUND INTEREST\r\n\r\n";
const QByteArray Field = "Number of Periods                               40\r\n";

QByteArray FileBytes(const CKvView& view) {
    return EncodeFileText(view.Text());
}

} // namespace

class KvViewTest : public QObject {
    Q_OBJECT

private slots:
    void insertsAtTheInsertionPoint_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("position");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray block = Title + Field;
        QTest::newRow("empty document") << QByteArray() << 0 << 0 << block;
        QTest::newRow("start of a text")
            << QByteArray("abc\r\ndef") << 0 << 0 << block + "abc\r\ndef";
        QTest::newRow("end of a text")
            << QByteArray("abc\r\ndef") << 7 << 7 << QByteArray("abc\r\ndef") + block;
        QTest::newRow("inside a line")
            << QByteArray("abcdef") << 3 << 3 << QByteArray("abc") + block + "def";
        // The selection is cancelled, not replaced; the block goes after it.
        QTest::newRow("selection forwards")
            << QByteArray("abcdef") << 1 << 3 << QByteArray("abc") + block + "def";
        QTest::newRow("selection backwards")
            << QByteArray("abcdef") << 4 << 2 << QByteArray("abcd") + block + "ef";
    }

    void insertsAtTheInsertionPoint() {
        QFETCH(QByteArray, before);
        QFETCH(int, anchor);
        QFETCH(int, position);
        QFETCH(QByteArray, expected);
        CKvView view;
        view.LoadText(DecodeFileText(before));
        QTextCursor cursor = view.textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        view.setTextCursor(cursor);

        QVERIFY(view.InsertRecord((Title + Field).toStdString()));
        QCOMPARE(FileBytes(view), expected);
        QVERIFY(view.IsModified());
        QVERIFY(!view.textCursor().hasSelection());
    }

    void successiveRecordsFollowEachOther() {
        CKvView view;
        QVERIFY(view.InsertRecord(Title.toStdString()));
        QVERIFY(view.InsertRecord(Field.toStdString()));
        QCOMPARE(FileBytes(view), Title + Field);
    }

    // The limit counts a line break as its two file characters.
    void aBlockThatDoesNotFitIsRefusedWhole_data() {
        QTest::addColumn<int>("room");
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<bool>("fits");
        QTest::newRow("exactly the room") << 10 << QByteArray("0123456789") << true;
        QTest::newRow("one over") << 10 << QByteArray("0123456789A") << false;
        QTest::newRow("CR LF counts two") << 4 << QByteArray("ab\r\n") << true;
        QTest::newRow("CR LF one over") << 3 << QByteArray("ab\r\n") << false;
        QTest::newRow("full document") << 0 << QByteArray("\r\n") << false;
    }

    void aBlockThatDoesNotFitIsRefusedWhole() {
        QFETCH(int, room);
        QFETCH(QByteArray, block);
        QFETCH(bool, fits);
        CKvView view;
        const QString start(MaxDocumentLength - room, u'x');
        view.LoadText(start);
        view.moveCursor(QTextCursor::End);
        QCOMPARE(view.InsertRecord(block.toStdString()), fits);
        QCOMPARE(view.TextLength(),
                 fits ? MaxDocumentLength - room + block.size() : MaxDocumentLength - room);
        QCOMPARE(view.IsModified(), fits);
    }

    void typingStopsAtTheLimit() {
        CKvView view;
        view.show();
        view.LoadText(QString(MaxDocumentLength - 2, u'x'));
        view.moveCursor(QTextCursor::End);
        QTest::keyClicks(&view, "abc");
        QCOMPARE(view.TextLength(), MaxDocumentLength);
        QVERIFY(view.Text().endsWith(u"xab"));
        QCOMPARE(view.OutOfSpaceCount(), 1);

        // A line break needs two characters of room.
        QTest::keyClick(&view, Qt::Key_Backspace);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(view.OutOfSpaceCount(), 2);
        QVERIFY(view.Text().endsWith(u"xa"));

        // Typing over a selection frees its room first.
        view.selectAll();
        QTest::keyClicks(&view, "q");
        QCOMPARE(view.Text(), QStringLiteral("q"));
        QCOMPARE(view.OutOfSpaceCount(), 2);
    }

    void pastingBeyondTheLimitIsRefused() {
        CKvView view;
        view.show();
        view.LoadText(QString(MaxDocumentLength - 4, u'x'));
        view.moveCursor(QTextCursor::End);
        QApplication::clipboard()->setText(QStringLiteral("ab\r\ncd"));
        view.paste();
        QCOMPARE(view.TextLength(), MaxDocumentLength - 4);
        QCOMPARE(view.OutOfSpaceCount(), 1);
        QApplication::clipboard()->setText(QStringLiteral("a\r\nb"));
        view.paste();
        QCOMPARE(view.TextLength(), MaxDocumentLength);
        QVERIFY(view.Text().endsWith(u"xa\nb"));
    }

    void replaceTextKeepsWhatFits() {
        CKvView view;
        view.LoadText(QStringLiteral("old"));
        std::string schedule(MaxDocumentLength - 1, 'y');
        schedule += "\r\nz";
        view.ReplaceText(schedule);
        QCOMPARE(view.OutOfSpaceCount(), 1);
        QCOMPARE(view.TextLength(), MaxDocumentLength - 1);
        QCOMPARE(view.LineCount(), 1);
        QCOMPARE(view.textCursor().position(), 0);
        QVERIFY(view.IsModified());
    }
};

QTEST_MAIN(KvViewTest)
#include "kv_view_test.moc"
