// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/install_dialogs.h"
#include "qt/qt_install_ui.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace kavrel::install::qt;

class InstallDialogsTest : public QObject {
    Q_OBJECT
private slots:
    // OK stays in the dialog until the check passes, and Cancel checks nothing. The dialog is
    // centred across, with a third of the free height above it and two thirds below.
    void theInstallDialogChecksThePathOnOkOnly() {
        QStringList seen;
        CInstallDlg dialog("/home/someone/Kavrel", [&](const std::string& text) {
            seen << QString::fromStdString(text);
            return text.starts_with('/');
        });
        dialog.show();
        const QRect free =
            dialog.screen()->geometry() - QMargins(0, 0, dialog.width(), dialog.height());
        QVERIFY(std::abs(2 * (dialog.x() - free.x()) - free.width()) <= 1);
        QVERIFY(std::abs(3 * (dialog.y() - free.y()) - free.height()) <= 3);
        auto* field = dialog.findChild<QLineEdit*>("pathField");
        QCOMPARE(field->text(), QString("/home/someone/Kavrel"));
        // The check refuses a path that is too long; the field never cuts one short.
        const QString typed[] = {"Kavrel", "/" + QString(300, 'k')};
        for (const QString& text : typed) {
            QVERIFY(dialog.isVisible());
            field->setText(text);
            QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
        }
        QCOMPARE(seen, QStringList(std::begin(typed), std::end(typed)));
        QVERIFY(!dialog.isVisible() && dialog.result() == QDialog::Accepted);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible() && dialog.result() == QDialog::Rejected && seen.size() == 2);
    }
    void theCopyDialogShowsEachFileAndAsksBeforeEveryWayOfClosing() {
        int commands = 0;
        CQtInstallUi ui;
        auto copy = ui.OpenCopyDialog([&] { ++commands; });
        copy->ShowFileName("kavrel.hlp");
        auto* dialog = qobject_cast<CCopyDlg*>(QApplication::topLevelWidgets().value(0));
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->findChild<QLabel*>("fileName")->text(), QString("kavrel.hlp"));
        QTest::mouseClick(dialog->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
        QTest::keyClick(dialog, Qt::Key_Escape);
        dialog->close();
        QCOMPARE(commands, 3);
        QVERIFY(dialog->isVisible());
        copy.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

QTEST_MAIN(InstallDialogsTest)
#include "install_dialogs_test.moc"
