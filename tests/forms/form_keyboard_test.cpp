// Keystrokes in the real fields, Enter, mnemonics, accessible names and F1.

#include "form_dialog_fixture.h"

#include "app/forms/mnemonics.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

namespace kavrel::test {

namespace {

// A form whose Enter presses a button instead of moving on.
class DefaultButtonForm : public CFormModel {
public:
    explicit DefaultButtonForm(bool withDefault) : CFormModel(999, "Enter") {
        AddLabel(100, "First:");
        AddEdit(101, EditRule::None);
        AddLabel(102, "Second:");
        AddEdit(103, EditRule::None);
        AddButton(IDOK, "&Go");
        SetButtons({IDOK});
        AddSection({0, {{100, 101}, {102, 103}}});
        if (withDefault) SetDefaultButton(IDOK);
    }
    FieldTable Table() const override { return {}; }
    int presses = 0;
    std::vector<int> left;

protected:
    void OnClicked(int id) override {
        if (id == IDOK)
            ++presses;
        else
            CFormModel::OnClicked(id);
    }
    void OnKillFocus(int id) override { left.push_back(id); }
};

// A list whose entries must not hold letters, checked on the line under the caret; its button
// opens a sub-form.
class ListForm : public CFormModel {
public:
    ListForm() : CFormModel(998, "List") {
        AddLabel(200, "Cash\r\nFlows:");
        AddControl({201, ControlKind::List, {}, EditRule::CashFlowList});
        AddButton(202, "&Do...");
        AddButton(IDCANCEL, "Cancel");
        SetButtons({IDCANCEL});
        AddSection({0, {{200, 201, 0, 202}}});
    }
    FieldTable Table() const override { return {}; }
    std::vector<int> caretLines;
    DefaultButtonForm subForm{false};
    FormResult subResult = FormResult::None;

protected:
    void OnEditChange(int id) override {
        const int line = Host()->CaretLine(id);
        caretLines.push_back(line);
        std::string text = Text(id) + "\r\n";
        for (int skip = 0; skip < line; ++skip)
            text.erase(0, text.find("\r\n") + 2);
        text.erase(text.find("\r\n"));
        for (char c : text)
            if (std::isalpha(static_cast<unsigned char>(c))) Reject(id, KeystrokeVerdict::Reject());
    }
    void OnClicked(int id) override {
        if (id == 202)
            subResult = Host()->RunSubForm(subForm);
        else
            CFormModel::OnClicked(id);
    }
};

} // namespace

class FormKeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Feedback::Reset(); }

    void checksEveryKeystroke_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("message");
        QTest::newRow("fifth 9 in class 0") << int(PerYear) << "99999"
                                            << "9999" << 1 << "Number is too large...";
        QTest::newRow("0 in class 0") << int(PerYear) << "0"
                                      << "" << 1 << "Number is too small...";
        QTest::newRow("minus in class 0") << int(PerYear) << "-"
                                          << "" << 1 << "";
        QTest::newRow("third decimal in class 3") << int(Present) << "12.345"
                                                  << "12.34" << 1 << "";
        QTest::newRow("exponent with sign") << int(Present) << "1e+5"
                                            << "1e+5" << 0 << "";
        QTest::newRow("leading e") << int(Present) << "e5"
                                   << "5" << 1 << "";
        QTest::newRow("zero amount") << int(Present) << "0.00"
                                     << "0.00" << 0 << "";
    }
    void checksEveryKeystroke() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(int, beeps);
        QFETCH(QString, message);
        CompoundForm form;
        form.Type(field, typed);
        QCOMPARE(form.Text(field), expected);
        QCOMPARE(form.model.Text(field), expected.toStdString());
        QCOMPARE(Feedback::Beeps(), beeps);
        std::vector<std::string> messages;
        if (!message.isEmpty()) messages.push_back(message.toStdString());
        QCOMPARE(Feedback::Messages(), messages);
    }

    void beepsThenRemovesThenTells() {
        CompoundForm form;
        Feedback::watched = form.Edit(PerYear);
        form.Type(PerYear, "99999");
        const std::vector<std::string> expected = {"beep 99999",
                                                   "message Number is too large... | 9999"};
        QCOMPARE(Feedback::events, expected);
    }

    // The character taken back is the one before the caret, not the last one of the text.
    void takesBackTheCharacterAtTheCaret_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caretAfter");
        QTest::newRow("too large") << int(PerYear) << "1234" << 2 << "5"
                                   << "1234" << 2;
        QTest::newRow("letter") << int(Present) << "12.34" << 0 << "a"
                                << "12.34" << 0;
        QTest::newRow("accepted") << int(Present) << "12.34" << 1 << "7"
                                  << "172.34" << 2;
    }
    void takesBackTheCharacterAtTheCaret() {
        QFETCH(int, field);
        QFETCH(QString, before);
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(int, caretAfter);
        CompoundForm form;
        form.Type(field, before);
        QLineEdit* edit = form.Edit(field);
        edit->setCursorPosition(caret);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), expected);
        QCOMPARE(form.model.Text(field), expected.toStdString());
        QCOMPARE(edit->cursorPosition(), caretAfter);
    }

    void deleting_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("beeps");
        QTest::newRow("decimal, never checked") << int(Present) << "12.34"
                                                << "2.3" << 0;
        // Checked, but the Backspace has nothing before the insertion point to take.
        QTest::newRow("integer, too small") << int(PerYear) << "100"
                                            << "0" << 1;
    }
    void deleting() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(int, beeps);
        CompoundForm form;
        form.Type(field, typed);
        QTest::keyClick(form.Edit(field), Qt::Key_Backspace);
        QTest::keyClick(form.Edit(field), Qt::Key_Home);
        QTest::keyClick(form.Edit(field), Qt::Key_Delete);
        QCOMPARE(form.Text(field), expected);
        QCOMPARE(Feedback::Beeps(), beeps);
    }

    // Only the dialog shows where the insertion point goes back to.
    void aRefusedPasteIsUndoneWhole_data() {
        QTest::addColumn<bool>("list");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("pasted");
        QTest::newRow("amount") << false << "2208.04" << 4 << "qwsome text";
        QTest::newRow("list") << true << "12\n34" << 4 << "5\nx6";
    }
    void aRefusedPasteIsUndoneWhole() {
        QFETCH(bool, list);
        QFETCH(QString, before);
        QFETCH(int, caret);
        QFETCH(QString, pasted);
        CompoundForm form;
        ListForm listModel;
        CFormDialog listDialog(listModel, nullptr, nullptr);
        if (list) listDialog.show();
        QWidget* field = list ? listDialog.Widget(201) : form.Edit(Present);
        auto* lines = qobject_cast<QPlainTextEdit*>(field);
        auto* edit = qobject_cast<QLineEdit*>(field);
        if (lines) {
            lines->setPlainText(before);
            QTextCursor cursor = lines->textCursor();
            cursor.setPosition(caret);
            lines->setTextCursor(cursor);
        } else {
            form.Type(Present, before);
            edit->setCursorPosition(caret);
        }
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(lines ? lines->toPlainText() : edit->text(), before);
        QCOMPARE(lines ? lines->textCursor().position() : edit->cursorPosition(), caret);
        QCOMPARE(Feedback::Beeps(), 1);
    }

    void enterMovesToTheNextField() {
        CompoundForm form;
        form.dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form.dialog));
        form.Edit(Periods)->setFocus();
        QTest::keyClick(form.Edit(Periods), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form.Edit(Rate));
        QTest::keyClick(form.Edit(Rate), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), form.Edit(Present));
        QVERIFY(form.dialog.isVisible());
        QCOMPARE(form.dialog.Result(), FormResult::None);
    }

    void enterPressesTheDefaultButtonWhereThereIsOne_data() {
        QTest::addColumn<bool>("withDefault");
        QTest::newRow("no default button") << false;
        QTest::newRow("default button") << true;
    }
    void enterPressesTheDefaultButtonWhereThereIsOne() {
        QFETCH(bool, withDefault);
        DefaultButtonForm model(withDefault);
        CFormDialog dialog(model, nullptr, nullptr);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.Widget(101)->setFocus();
        QTest::keyClick(dialog.Widget(101), Qt::Key_Return);
        QCOMPARE(model.presses, withDefault ? 1 : 0);
        QCOMPARE(QApplication::focusWidget(), dialog.Widget(withDefault ? 101 : 103));
        QCOMPARE(model.left, withDefault ? std::vector<int>{} : std::vector<int>{101});
    }

    void fieldsAreNamedAndReachableByKeyboard() {
        CompoundForm form;
        QCOMPARE(form.Edit(Future)->accessibleName(), QString("Future Value ($)"));
        QCOMPARE(form.dialog.Widget(UnknownFuture)->accessibleName(),
                 QString("Unknown: Future Value ($)"));
        QCOMPARE(form.Edit(PerYear)->accessibleName(), QString("Compounding Periods per Year"));
        QString letters = "cr"; // Calculate and Record
        for (int label : {210, 211, 1000, 213, 214}) {
            auto* widget = qobject_cast<QLabel*>(form.dialog.Widget(label));
            QVERIFY(widget && widget->buddy());
            const QChar letter = MnemonicLetter(widget->text());
            QVERIFY2(!letter.isNull() && !letters.contains(letter), qPrintable(widget->text()));
            letters += letter;
        }
    }

    void mnemonicsAvoidTakenLetters() {
        const QStringList marked =
            AssignMnemonics({"Rate:", "Rent & Tax:", "Rr", "Zz"}, QStringLiteral("rz"));
        QCOMPARE(marked, (QStringList{"R&ate:", "Rent && &Tax:", "Rr", "Zz"}));
        QCOMPARE(StripMnemonic(marked[1]), QString("Rent & Tax:"));
        QCOMPARE(MnemonicLetter(marked[1]), QChar('t'));
    }

    void listsCheckTheLineUnderTheCaret() {
        ListForm model;
        CFormDialog dialog(model, nullptr, nullptr);
        dialog.show();
        auto* list = qobject_cast<QPlainTextEdit*>(dialog.Widget(201));
        QVERIFY(list);
        const QFontMetrics metrics(list->font()); // entries line up in columns
        QCOMPARE(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
        QCOMPARE(qobject_cast<QLabel*>(dialog.Widget(200))->text().count(u'\n'), 1);
        QCOMPARE(list->accessibleName(), QString("Cash Flows"));
        list->setFocus();
        QTest::keyClicks(list, "12");
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClicks(list, "3x4");
        QCOMPARE(list->toPlainText(), QString("12\n34"));
        QCOMPARE(model.Text(201), std::string("12\r\n34"));
        QCOMPARE(model.caretLines.back(), 1);
        QCOMPARE(Feedback::Beeps(), 1);
        list->moveCursor(QTextCursor::Start);
        QTest::keyClicks(list, "y");
        QCOMPARE(model.caretLines.back(), 0);
        QCOMPARE(list->toPlainText(), QString("12\n34"));
    }

    void aSubFormRunsOverItsForm() {
        ListForm model;
        CFormDialog dialog(model, nullptr, nullptr);
        dialog.show();
        QTimer::singleShot(0, [&] {
            auto* sub = qobject_cast<CFormDialog*>(QApplication::activeModalWidget());
            QVERIFY(sub && sub != &dialog && sub->parentWidget() == &dialog);
            QTest::keyClick(sub->Widget(101), Qt::Key_Escape);
        });
        QTest::mouseClick(dialog.Widget(202), Qt::LeftButton);
        QCOMPARE(model.subResult, FormResult::Cancel);
        QVERIFY(dialog.isVisible());
        QVERIFY(!model.subForm.Host());
    }

    void f1OpensTheFormsTopic() {
        CompoundForm form;
        form.dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form.dialog));
        QTest::keyClick(form.Edit(PerYear), Qt::Key_F1);
        QCOMPARE(Feedback::helpContext, 131174);
    }
};

int RunKeyboardTests(int argc, char** argv) {
    FormKeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace kavrel::test

#include "form_keyboard_test.moc"
