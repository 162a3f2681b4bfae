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
    void okKeepsTheDialogOpenUntilThePathIsAccepted_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("refused") << "Kavrel" << false;
        // The check refuses a path that is too long; the field never cuts one short.
        QTest::newRow("long") << QString("/" + QString(300, 'k')) << true;
    }
    void okKeepsTheDialogOpenUntilThePathIsAccepted() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        std::vector<std::string> seen;
        CInstallDlg dialog("/home/someone/Kavrel", [&](const std::string& text) {
            seen.push_back(text);
            return text.starts_with('/');
        });
        dialog.show();
        auto* field = dialog.findChild<QLineEdit*>("pathField");
        QCOMPARE(field->text(), QString("/home/someone/Kavrel"));
        field->setText(typed);
        QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
        QCOMPARE(seen, std::vector<std::string>{typed.toStdString()});
        QCOMPARE(dialog.isVisible(), !accepted);
        QCOMPARE(dialog.result(), accepted ? QDialog::Accepted : QDialog::Rejected);
    }
    // Centred across, with a third of the free height above and two thirds below.
    void cancelEndsWithoutCheckingAndTheDialogSitsAboveTheMiddle() {
        bool checked = false;
        CInstallDlg dialog("/x", [&](const std::string&) { return checked = true; });
        dialog.show();
        const QRect free =
            dialog.screen()->geometry() - QMargins(0, 0, dialog.width(), dialog.height());
        QVERIFY(std::abs(2 * (dialog.x() - free.x()) - free.width()) <= 1);
        QVERIFY(std::abs(3 * (dialog.y() - free.y()) - free.height()) <= 3);
        QTest::mouseClick(dialog.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), QDialog::Rejected);
        QVERIFY(!dialog.isVisible() && !checked);
    }
    void theCopyDialogShowsEachFileAndAsksBeforeEveryWayOfClosing() {
        int commands = 0;
        CQtInstallUi ui;
        auto copy = ui.OpenCopyDialog([&] { ++commands; });
        copy->ShowFileName("kavrel.hlp");
        auto* dialog = qobject_cast<CCopyDlg*>(
            QApplication::activeModalWidget() ? nullptr : QApplication::topLevelWidgets().value(0));
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
