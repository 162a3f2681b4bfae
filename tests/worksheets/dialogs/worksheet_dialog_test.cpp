// The worksheets in the real dialog: a step's "Do..." opens its sub-form modally over the
// worksheet, and leaving a field updates what depends on it.
#include "app/forms/form_dialog.h"
#include "app/forms/form_feedback.h"
#include "entry/entry_checks.h"
#include "support/recording_host.h"
#include "worksheets/income_from_savings/income_from_savings_dlg.h"
#include "worksheets/purchased_mortgage/purchased_mortgage_dlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace kavrel {

using M = CPurchasedMortgageDlg;
using I = CIncomeFromSavingsDlg;

class WorksheetDialogTest : public QObject {
    Q_OBJECT

    static void Click(QWidget* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    static void Type(QWidget* widget, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(widget);
        QVERIFY(edit);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static QString Text(const CFormDialog& dialog, int id) {
        auto* edit = qobject_cast<QLineEdit*>(dialog.Widget(id));
        return edit ? edit->text() : QString();
    }

private slots:
    void init() {
        TheDecimalFieldMemory() = {};
        m_messages.clear();
        SetBeepSound([] {});
        SetMessagePresenter([](QWidget*, const QString& text, MessageIcon, MessageButtons) {
            m_messages << text;
            return MessageAnswer::Ok;
        });
    }

    void doOpensTheLoanDataOverTheWorksheet() {
        CPurchasedMortgageDlg model;
        test::BufferTarget document;
        CFormDialog dialog(model, &document, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        // Cancelled, the loan data changes nothing.
        QTimer::singleShot(0, [] {
            auto* sub = qobject_cast<CFormDialog*>(QApplication::activeModalWidget());
            QVERIFY(sub);
            Type(sub->Widget(31), "360");
            Click(sub->Widget(IDCANCEL));
        });
        Click(dialog.Widget(M::IDC_DO_LOAN));
        QCOMPARE(Text(dialog, M::IDC_PAYMENT), QString());
        QCOMPARE(dialog.Result(), FormResult::None);

        QString subCaption;
        bool subModal = false;
        QTimer::singleShot(0, [&] {
            auto* sub = qobject_cast<CFormDialog*>(QApplication::activeModalWidget());
            QVERIFY(sub && sub != &dialog);
            subCaption = sub->windowTitle();
            subModal = sub->isModal() && sub->parentWidget() == &dialog;
            Type(sub->Widget(31), "360");
            Type(sub->Widget(32), "7.5");
            Type(sub->Widget(33), "100000");
            Click(sub->Widget(1085));
        });
        Click(dialog.Widget(M::IDC_DO_LOAN));
        QCOMPARE(subCaption, QStringLiteral("Current Loan Data"));
        QVERIFY(subModal);
        QCOMPARE(Text(dialog, M::IDC_PAYMENT), QStringLiteral("699.21"));
        QVERIFY(m_messages.isEmpty());

        // Leaving the payments made for the next field shows the present value.
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Type(dialog.Widget(M::IDC_PAYMENTS_MADE), "240");
        QCOMPARE(Text(dialog, M::IDC_PRESENT_VALUE), QString());
        QTest::keyClick(dialog.Widget(M::IDC_PAYMENTS_MADE), Qt::Key_Tab);
        QCOMPARE(Text(dialog, M::IDC_PRESENT_VALUE), QStringLiteral("58907.64"));
    }

    void leavingTheAgeShowsTheLifeExpectancy() {
        CIncomeFromSavingsDlg model;
        CFormDialog dialog(model, nullptr, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Type(dialog.Widget(I::IDC_AGE), "70");
        QCOMPARE(Text(dialog, I::IDC_LIFE_EXPECTANCY), QString());
        QTest::keyClick(dialog.Widget(I::IDC_AGE), Qt::Key_Tab);
        QCOMPARE(Text(dialog, I::IDC_LIFE_EXPECTANCY), QStringLiteral("16.00"));
        QCOMPARE(Text(dialog, I::IDC_DISTRIBUTION), QString());
    }

private:
    static inline QStringList m_messages;
};

} // namespace kavrel

QTEST_MAIN(kavrel::WorksheetDialogTest)
#include "worksheet_dialog_test.moc"
