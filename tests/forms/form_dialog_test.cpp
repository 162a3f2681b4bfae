// SPDX-License-Identifier: GPL-3.0-or-later
// What the form dialog alone does: refused keystrokes and pastes taken back at the caret, focus
// moves, Tab over results, mnemonics, sub-forms, and how a form ends. What the forms compute is
// the golden runs' business.

#include "app/forms/form_dialog.h"
#include "app/forms/form_feedback.h"
#include "app/forms/mnemonics.h"
#include "calculators/discounted_cash_flow/discounted_cash_flow_dlg.h"
#include "catalog/form_catalog.h"
#include "document/kv_view.h"
#include "document/qt_test_support.h"
#include "document/text_file.h"
#include "entry/entry_checks.h"
#include "worksheets/refinance/refinance_dlg.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace kavrel::test {

namespace {

enum { PerYear = 10, Periods = 11, Rate = 12, Present = 13, UnknownPresent = 23 };
constexpr int Flows = CDiscountedCashFlowDlg::IDC_CASH_FLOWS;

// What the dialog did, in order: "beep <text>" and "message <message> | <text>", where the
// text is that of the watched field at the moment.
QStringList events;
QLineEdit* watched = nullptr;
QString Watched() {
    return watched ? watched->text() : QString();
}

// A form shown in the real dialog with a text window behind it.
struct ShownForm {
    explicit ShownForm(const char* slug = "compound-interest")
        : model(FindFormBySlug(slug)->create()), dialog(*model, &document, nullptr) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(dialog.Widget(id)); }
    // Replaces the field's text by typing, as a person does after selecting it all.
    void Type(int id, const QString& text) {
        Edit(id)->setFocus();
        Edit(id)->selectAll();
        QTest::keyClicks(Edit(id), text);
    }
    void Click(int id) {
        QWidget* button = dialog.Widget(id);
        QVERIFY(button && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    std::unique_ptr<CFormModel> model;
    CKvView document;
    CFormDialog dialog;
};

// Two fields; Enter presses the button when it is the default, else moves on.
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
    void OnClicked(int id) override { id == IDOK ? void(++presses) : CFormModel::OnClicked(id); }
    void OnKillFocus(int id) override { left.push_back(id); }
};

// A refused keystroke or paste beeps, is taken back at the caret, not at the end of the text,
// and only then is told of; the form sees what the field shows. Keys: \b Backspace, \x7f
// Delete, \x01 Home, \x16 Ctrl+V of "qw some".
const struct {
    const char* name;
    int field;
    QString before;
    int caret; // -1: at the end
    QString keys;
    QString after;
    int caretAfter;
    QString events; // |-separated
} Keystrokes[] = {
    {"too large inside", PerYear, "1234", 2, "5", "1234", 2,
     "beep 12534|message Number is too large... | 1234"},
    {"letter at the start", Present, "12.34", 0, "a", "12.34", 0, "beep a12.34"},
    {"accepted inside", Present, "12.34", 1, "7", "172.34", 2, ""},
    {"deleting in an amount", Present, "12.34", -1, "\b\x01\x7f", "2.3", 0, ""},
    // Checked, but the caret has nothing before it to take back.
    {"deleting to too small", PerYear, "100", -1, "\b\x01\x7f", "0", 0,
     "beep 0|message Number is too small... | 0"},
    {"refused paste, undone whole", Present, "2208.04", 4, "\x16", "2208.04", 4,
     "beep 2208qw some.04"},
};

// How a form ends, or does not: Record closes it unless the document is full, Cancel and
// Escape close it and leave the document alone, Calculate with a field empty moves there.
const struct {
    const char* name;
    QString present;
    int room; // in the document
    int key;  // else a click on the button
    int button;
    FormResult result;
    QString events;
} Endings[] = {
    {"Record", "1000", 1000, 0, IDC_RECORD, FormResult::Ok, ""},
    {"Record, document full", "1000", 100, 0, IDC_RECORD, FormResult::None,
     "message The Document Window is full... | "},
    {"Cancel", "1000", 1000, 0, IDCANCEL, FormResult::Cancel, ""},
    {"Escape", "1000", 1000, Qt::Key_Escape, 0, FormResult::Cancel, ""},
    {"Calculate, a field empty", "", 1000, 0, IDC_CALCULATE, FormResult::None,
     "message Please enter data... | "},
};

} // namespace

class FormDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        SetBeepSound([] { events << "beep " + Watched(); });
        SetMessagePresenter([](QWidget*, const QString& text, MessageIcon, MessageButtons) {
            events << "message " + text + " | " + Watched();
            return MessageAnswer::Ok;
        });
    }
    void init() {
        events.clear();
        watched = nullptr;
        TheDecimalFieldMemory() = {};
    }

    void keystrokes_data() { AddRows(Keystrokes); }
    void keystrokes() {
        QFETCH(size_t, row);
        const auto& c = Keystrokes[row];
        ShownForm form;
        form.Type(c.field, c.before);
        QLineEdit* edit = form.Edit(c.field);
        edit->setCursorPosition(c.caret < 0 ? c.before.size() : c.caret);
        events.clear();
        watched = edit;
        QApplication::clipboard()->setText(QStringLiteral("qw some"));
        const std::map<QChar, Qt::Key> special{{u'\b', Qt::Key_Backspace},
                                               {u'\x7f', Qt::Key_Delete},
                                               {u'\x01', Qt::Key_Home},
                                               {u'\x16', Qt::Key_V}};
        for (const QChar key : c.keys)
            special.count(key)
                ? QTest::keyClick(edit, special.at(key),
                                  key == u'\x16' ? Qt::ControlModifier : Qt::NoModifier)
                : QTest::keyClicks(edit, key);
        QCOMPARE(edit->text(), c.after);
        QCOMPARE(edit->cursorPosition(), c.caretAfter);
        QCOMPARE(QString::fromStdString(form.model->Text(c.field)), c.after);
        QCOMPARE(events.join(u'|'), c.events);
    }

    // A list is checked on the line under the caret: a third decimal on the first line is
    // refused there, though the last line would take it. A refused paste is undone whole.
    void aListChecksTheLineUnderTheCaret() {
        ShownForm form("discounted-cash-flow");
        auto* list = qobject_cast<QPlainTextEdit*>(form.dialog.Widget(Flows));
        QTest::keyClicks(list, "1000 0.55");
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClicks(list, "0 600");
        list->moveCursor(QTextCursor::Start);
        list->moveCursor(QTextCursor::EndOfLine);
        QTest::keyClicks(list, "5");
        QApplication::clipboard()->setText(QStringLiteral("1\n2 3x"));
        QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(list->toPlainText(), QString("1000 0.55\n0 600"));
        QCOMPARE(form.model->Text(Flows), std::string("1000 0.55\r\n0 600"));
        QCOMPARE(list->textCursor().position(), 9);
        QCOMPARE(events.size(), 2);
    }

    // Enter moves on to the next field, or presses the default button where there is one.
    void enter() {
        for (auto [withDefault, key] :
             {std::pair{false, Qt::Key_Return}, {false, Qt::Key_Enter}, {true, Qt::Key_Return}}) {
            DefaultButtonForm model(withDefault);
            CFormDialog dialog(model, nullptr, nullptr);
            dialog.show();
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            dialog.Widget(101)->setFocus();
            QTest::keyClick(dialog.Widget(101), key,
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QCOMPARE(model.presses, withDefault ? 1 : 0);
            QCOMPARE(QApplication::focusWidget(), dialog.Widget(withDefault ? 101 : 103));
            QCOMPARE(model.left, withDefault ? std::vector<int>{} : std::vector<int>{101});
            QVERIFY(dialog.isVisible());
        }
    }

    // Every form, the sub-forms of the worksheets' steps, and a form whose unknown has moved:
    // the first field has the focus; Tab reaches every input and skips every result, which is
    // read-only but not greyed out; the labels' letters reach their fields, each its own.
    void everyForm_data() {
        QTest::addColumn<QString>("slug");
        QTest::addColumn<int>("subForm"); // the button that opens it
        QTest::addColumn<int>("click");   // a button clicked first
        for (const FormEntry& entry : FormCatalog())
            QTest::newRow(entry.slug.data()) << QString::fromUtf8(entry.slug.data()) << 0 << 0;
        using R = CRefinanceDlg;
        for (int button : {R::IDC_DO_CURRENT_LOAN, R::IDC_DO_FUTURE_LOAN, R::IDC_DO_FEES})
            QTest::addRow("refinance-mortgage %d", button) << "refinance-mortgage" << button << 0;
        QTest::newRow("compound-interest, present value unknown")
            << "compound-interest" << 0 << int(UnknownPresent);
    }
    void everyForm() {
        QFETCH(QString, slug);
        QFETCH(int, subForm);
        QFETCH(int, click);
        std::unique_ptr<CFormModel> model = FindFormBySlug(slug.toStdString())->create();
        if (subForm) model = model->SubFormFor(subForm);
        CFormDialog dialog(*model, nullptr, nullptr);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QWidget* first = nullptr;
        for (const LayoutSection& section : model->Layout())
            for (const LayoutRow& row : section.rows)
                if (QWidget* control = dialog.Widget(row.control); control && !first)
                    if (control->isEnabled() && (control->focusPolicy() & Qt::TabFocus))
                        first = control;
        QCOMPARE(QApplication::focusWidget(), first);
        if (click) QTest::mouseClick(dialog.Widget(click), Qt::LeftButton);

        std::set<QWidget*> tabbedTo;
        for (size_t i = 0; i < 2 * model->Controls().size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            tabbedTo.insert(QApplication::focusWidget());
        }
        const QColor window = dialog.palette().color(QPalette::Window);
        for (const ControlInfo& info : model->Controls()) {
            auto* edit = qobject_cast<QLineEdit*>(dialog.Widget(info.id));
            const bool result = info.kind == ControlKind::Display || !model->IsEnabled(info.id) ||
                                info.id == model->CurrentUnknown();
            QVERIFY2(!edit || (edit->isEnabled() && edit->isReadOnly() == result &&
                               tabbedTo.count(edit) != result &&
                               (edit->palette().color(QPalette::Base) == window) == result),
                     qPrintable(QString::number(info.id)));
        }
        QString letters;
        for (const QPushButton* button : dialog.findChildren<QPushButton*>())
            letters += MnemonicLetter(button->text());
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            // A label goes without a letter only when all of its own are taken.
            const QChar letter = MnemonicLetter(label->text());
            const QString own = StripMnemonic(label->text()).toLower();
            const bool noneFree = std::all_of(own.begin(), own.end(), [&](QChar c) {
                return !c.isLetterOrNumber() || letters.contains(c);
            });
            QVERIFY2(!label->buddy() || (letter.isNull() ? noneFree : !letters.contains(letter)),
                     qPrintable(label->text()));
            letters += letter;
        }
    }

    void endingAForm_data() { AddRows(Endings); }
    void endingAForm() {
        QFETCH(size_t, row);
        const auto& c = Endings[row];
        ShownForm form;
        const QString kept(MaxDocumentLength - c.room, u'x');
        form.document.LoadText(kept);
        form.Type(Periods, "40");
        form.Type(Rate, "8");
        form.Type(Present, c.present);
        if (c.button != IDC_CALCULATE) form.Click(IDC_CALCULATE);
        c.key ? QTest::keyClick(form.Edit(Present), Qt::Key(c.key)) : form.Click(c.button);
        QCOMPARE(form.dialog.Result(), c.result);
        QCOMPARE(form.dialog.isVisible(), c.result == FormResult::None);
        QCOMPARE(form.document.Text() == kept, c.result != FormResult::Ok);
        QCOMPARE(events.join(u'|'), c.events);
        if (c.present.isEmpty()) QCOMPARE(QApplication::focusWidget(), form.Edit(Present));
    }

    // A worksheet's step opens its sub-form modal over it; Escape there goes back to it.
    void aSubFormRunsOverItsForm() {
        ShownForm form("refinance-mortgage");
        bool over = false;
        QTimer::singleShot(0, [&] {
            QWidget* sub = QApplication::activeModalWidget();
            over = qobject_cast<CFormDialog*>(sub) && sub->parentWidget() == &form.dialog;
            QTest::keyClick(sub, Qt::Key_Escape);
        });
        form.Click(CRefinanceDlg::IDC_DO_CURRENT_LOAN);
        QVERIFY(over);
        QVERIFY(form.dialog.isVisible() && !QApplication::activeModalWidget());
    }
};

} // namespace kavrel::test

QTEST_MAIN(kavrel::test::FormDialogTest)
#include "form_dialog_test.moc"
