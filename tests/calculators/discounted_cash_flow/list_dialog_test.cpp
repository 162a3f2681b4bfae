// The two list forms in the real dialog: typing into the list, its live count, the line under
// the insertion point being the one checked, and a Calculate from the dialog's button.

#include "app/forms/form_dialog.h"
#include "app/forms/form_feedback.h"
#include "calculators/discounted_cash_flow/discounted_cash_flow_dlg.h"
#include "calculators/unequal_payments/unequal_payments_dlg.h"
#include "entry/cash_flow_list.h"
#include "support/recording_host.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace kavrel {

namespace {

int g_beeps = 0;
QStringList g_messages;

template <class Model> struct Shown {
    Shown() : dialog(model, &document, nullptr) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    QPlainTextEdit* List(int id) const { return qobject_cast<QPlainTextEdit*>(dialog.Widget(id)); }
    QString FieldText(int id) const { return qobject_cast<QLineEdit*>(dialog.Widget(id))->text(); }
    void TypeInto(int id, const QString& text) {
        QWidget* widget = dialog.Widget(id);
        widget->setFocus();
        QTest::keyClicks(widget, text);
    }
    // Types the lines of a list, pressing Enter between them.
    void TypeLines(int id, const QStringList& lines) {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) QTest::keyClick(dialog.Widget(id), Qt::Key_Return);
            TypeInto(id, lines[i]);
        }
    }
    void Click(int id) { qobject_cast<QPushButton*>(dialog.Widget(id))->click(); }
    Model model;
    test::BufferTarget document;
    CFormDialog dialog;
};

} // namespace

class ListDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        SetBeepSound([] { ++g_beeps; });
        SetMessagePresenter([](QWidget*, const QString& text, MessageIcon, MessageButtons) {
            g_messages << text;
            return MessageAnswer::Ok;
        });
    }
    void init() {
        g_beeps = 0;
        g_messages.clear();
        TheDecimalFieldMemory() = {};
        TheListLineMemory(ListColumns::One) = {};
        TheListLineMemory(ListColumns::Two) = {};
    }

    void cashFlowsAreTypedCountedAndEvaluated() {
        using Dlg = CDiscountedCashFlowDlg;
        Shown<Dlg> form;
        QPlainTextEdit* list = form.List(Dlg::IDC_CASH_FLOWS);
        QVERIFY(list);
        auto* heading = qobject_cast<QLabel*>(form.dialog.Widget(Dlg::IDC_HEADING));
        QVERIFY(heading);
        QCOMPARE(heading->text(), QStringLiteral("CF Out        CF In"));

        form.TypeLines(Dlg::IDC_CASH_FLOWS, {"1000 0", "0 600", "0 600"});
        QCOMPARE(form.FieldText(Dlg::IDC_COUNT), QStringLiteral("3"));
        form.TypeInto(Dlg::IDC_RATE, "10");
        form.Click(1001);
        QCOMPARE(g_messages, QStringList());
        QCOMPARE(form.FieldText(Dlg::IDC_NPV), QStringLiteral("41.32"));
        QCOMPARE(form.FieldText(Dlg::IDC_PI), QStringLiteral("1.04"));
        QCOMPARE(form.FieldText(Dlg::IDC_PAYBACK), QStringLiteral("1.92"));
        QCOMPARE(form.FieldText(Dlg::IDC_IRR), QStringLiteral("13.066"));
        QCOMPARE(form.FieldText(Dlg::IDC_ROI), QStringLiteral("60.000"));
    }

    void aSecondSpaceIsTakenBackButAPastedOneIsRead() {
        using Dlg = CDiscountedCashFlowDlg;
        Shown<Dlg> form;
        form.TypeInto(Dlg::IDC_CASH_FLOWS, "1000  ");
        QCOMPARE(g_beeps, 1);
        QCOMPARE(form.List(Dlg::IDC_CASH_FLOWS)->toPlainText(), QStringLiteral("1000 "));

        form.List(Dlg::IDC_CASH_FLOWS)->clear();
        form.List(Dlg::IDC_CASH_FLOWS)->insertPlainText("1000   0\n0 600\n0 600");
        QCOMPARE(form.FieldText(Dlg::IDC_COUNT), QStringLiteral("3"));
        form.Click(1001);
        QCOMPARE(g_messages, QStringList());
        QCOMPARE(form.FieldText(Dlg::IDC_IRR), QStringLiteral("13.066"));
    }

    void theLineUnderTheInsertionPointIsChecked() {
        using Dlg = CUnequalPaymentsDlg;
        Shown<Dlg> form;
        form.TypeLines(Dlg::IDC_PAYMENTS, {"100", "200"});
        QCOMPARE(form.FieldText(Dlg::IDC_PAYMENT_COUNT), QStringLiteral("2"));
        QPlainTextEdit* list = form.List(Dlg::IDC_PAYMENTS);
        QTextCursor cursor = list->textCursor();
        cursor.setPosition(3); // the end of the first line
        list->setTextCursor(cursor);
        QTest::keyClicks(list, "-");
        QCOMPARE(g_beeps, 1);
        QCOMPARE(list->toPlainText(), QStringLiteral("100\n200"));
        QTest::keyClicks(list, ".5");
        QCOMPARE(list->toPlainText(), QStringLiteral("100.5\n200"));
        QTest::keyClicks(list, "55");
        QCOMPARE(g_beeps, 2); // a third digit after the point
        QCOMPARE(list->toPlainText(), QStringLiteral("100.55\n200"));

        form.TypeInto(Dlg::IDC_RATE, "10");
        form.Click(1001);
        QCOMPARE(g_messages, QStringList());
        // 100.55 / 1.1 + 200 / 1.21
        QCOMPARE(form.FieldText(Dlg::IDC_PRESENT_VALUE), QStringLiteral("256.70"));
    }
};

} // namespace kavrel

QTEST_MAIN(kavrel::ListDialogTest)
#include "list_dialog_test.moc"
