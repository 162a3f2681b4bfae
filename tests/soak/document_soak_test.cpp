// The desktop program under load: Compound Interest blocks are recorded from the menu command
// until the document is full, and then some more. The document never passes its limit, each
// accepted block is there whole, each refused one is reported, and the full document saves
// and reopens byte for byte. The document starts nearly full so the count stays bounded.

#include "app/forms/form_dialog.h"
#include "app/forms/form_feedback.h"
#include "app/main_frame.h"
#include "document/kv_doc.h"
#include "document/kv_view.h"
#include "document/text_file.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kavrel;

namespace {

QStringList shownMessages;

MessageAnswer NoteMessage(QWidget*, const QString& text, MessageIcon, MessageButtons) {
    shownMessages << text;
    return MessageAnswer::Ok;
}

void Click(CFormDialog& form, int id) {
    if (auto* button = qobject_cast<QAbstractButton*>(form.Widget(id))) button->click();
}

// Runs Compound Interest from its command: 40 quarters, 8 %, 1000, Calculate, Record; a form
// whose record was refused stays open and is cancelled.
void RecordCompoundInterest(CMainFrame& frame) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer] {
        auto* form = qobject_cast<CFormDialog*>(QApplication::activeModalWidget());
        if (!form || !form->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        QTest::keyClicks(form->Widget(11), "40");
        QTest::keyClicks(form->Widget(12), "8");
        QTest::keyClicks(form->Widget(13), "1000");
        Click(*form, 1001);
        Click(*form, 1003);
        if (form->isVisible()) Click(*form, 2);
    });
    timer->start(5);
    frame.OnCommand(32779);
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class DocumentSoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetMessagePresenter(NoteMessage);
    }
    void cleanupTestCase() { SetMessagePresenter(nullptr); }

    void recordsUntilFullThenRefuses() {
        CMainFrame frame;
        frame.show();
        RecordCompoundInterest(frame);
        const QString block = frame.View().Text();
        QVERIFY(block.contains(QStringLiteral("COMPOUND INTEREST")));
        QVERIFY(block.contains(QStringLiteral("2208.04")));
        QVERIFY(shownMessages.isEmpty());

        // Room for a few more blocks and part of one.
        constexpr int BlocksThatFit = 6;
        const qsizetype room = BlocksThatFit * FileLength(block) + FileLength(block) / 2;
        QString filler;
        while (FileLength(filler) < MaxDocumentLength - room)
            filler += QStringLiteral("filler text standing for earlier records\n");
        frame.View().LoadText(filler);
        frame.View().moveCursor(QTextCursor::End);

        int accepted = 0, refused = 0;
        for (int attempt = 0; attempt < BlocksThatFit + 8; ++attempt) {
            const QString before = frame.View().Text();
            shownMessages.clear();
            RecordCompoundInterest(frame);
            const QString after = frame.View().Text();
            QVERIFY(frame.View().TextLength() <= MaxDocumentLength);
            QCOMPARE(frame.View().TextLength(), FileLength(after));
            if (after == before) {
                ++refused;
                QCOMPARE(shownMessages,
                         QStringList{QStringLiteral("The Document Window is full...")});
            } else {
                ++accepted;
                QCOMPARE(after, before + block);
                QVERIFY(shownMessages.isEmpty());
            }
        }
        QCOMPARE(accepted, BlocksThatFit);
        QCOMPARE(refused, 8);

        // The full document goes to disk and back unchanged.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("full.txt"));
        const QString again = dir.filePath(QStringLiteral("again.txt"));
        QVERIFY(frame.Doc().SaveDocument(path, &frame));
        const QByteArray saved = ReadBytes(path);
        QVERIFY(saved.size() <= MaxDocumentLength);
        QCOMPARE(saved, EncodeFileText(frame.View().Text()));
        CMainFrame reopened;
        QVERIFY(reopened.Doc().OpenDocument(path, &reopened));
        QCOMPARE(reopened.View().Text(), frame.View().Text());
        QVERIFY(reopened.Doc().SaveDocument(again, &reopened));
        QCOMPARE(ReadBytes(again), saved);
    }
};

QTEST_MAIN(DocumentSoakTest)
#include "document_soak_test.moc"
