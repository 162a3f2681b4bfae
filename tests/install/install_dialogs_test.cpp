#include "qt/install_dialogs.h"
#include "qt/qt_install_ui.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using kavrel::install::qt::CCopyDlg;
using kavrel::install::qt::CInstallDlg;

class InstallDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void okKeepsTheDialogOpenUntilThePathIsAccepted_data();
    void okKeepsTheDialogOpenUntilThePathIsAccepted();
    void cancelEndsWithoutCheckingThePath();
    void theDialogSitsCentredAcrossAndAboveTheMiddle();
    void everyWayOfClosingTheCopyDialogAsksFirst();
    void theCopyDialogShowsTheFileBeingCopied();
};

void InstallDialogsTest::okKeepsTheDialogOpenUntilThePathIsAccepted_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("accepted") << "/home/someone/Kavrel" << true;
    QTest::newRow("refused") << "Kavrel" << false;
    // The check refuses a path that is too long; the field never cuts one short.
    QTest::newRow("long") << QString("/" + QString(300, 'k')) << true;
}

void InstallDialogsTest::okKeepsTheDialogOpenUntilThePathIsAccepted() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    std::vector<std::string> seen;
    CInstallDlg dialog("/home/someone/Kavrel", [&](const std::string& text) {
        seen.push_back(text);
        return text.starts_with('/');
    });
    dialog.show();
    auto* field = dialog.findChild<QLineEdit*>("pathField");
    QVERIFY(field);
    QCOMPARE(field->text(), QString("/home/someone/Kavrel"));
    field->setText(typed);
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QCOMPARE(seen, std::vector<std::string>{typed.toStdString()});
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(dialog.result(), accepted ? QDialog::Accepted : QDialog::Rejected);
}

void InstallDialogsTest::cancelEndsWithoutCheckingThePath() {
    int checks = 0;
    CInstallDlg dialog("/x", [&](const std::string&) { return ++checks > 0; });
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), QDialog::Rejected);
    QCOMPARE(checks, 0);
}

void InstallDialogsTest::theDialogSitsCentredAcrossAndAboveTheMiddle() {
    CInstallDlg dialog("/x", [](const std::string&) { return true; });
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Kavrel"));
    const QRect screen = dialog.screen()->geometry();
    const int left = dialog.x() - screen.x();
    const int right = screen.right() + 1 - (dialog.x() + dialog.width());
    const int above = dialog.y() - screen.y();
    const int below = screen.bottom() + 1 - (dialog.y() + dialog.height());
    QVERIFY2(std::abs(left - right) <= 1, qPrintable(QString("%1 %2").arg(left).arg(right)));
    // A third of the free height above, two thirds below.
    QVERIFY2(std::abs(2 * above - below) <= 2, qPrintable(QString("%1 %2").arg(above).arg(below)));
}

void InstallDialogsTest::everyWayOfClosingTheCopyDialogAsksFirst() {
    int commands = 0;
    CCopyDlg dialog([&] { ++commands; });
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close();
    QCOMPARE(commands, 3);
    QVERIFY(dialog.isVisible());
}

void InstallDialogsTest::theCopyDialogShowsTheFileBeingCopied() {
    kavrel::install::qt::CQtInstallUi ui;
    auto copy = ui.OpenCopyDialog([] {});
    copy->ShowFileName("kavrel.hlp");
    copy->ProcessPendingEvents();
    auto* dialog = qobject_cast<CCopyDlg*>([] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == "COPY") return widget;
        return static_cast<QWidget*>(nullptr);
    }());
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->findChild<QLabel*>("fileName")->text(), QString("kavrel.hlp"));
    QCOMPARE(dialog->windowTitle(), QString("Kavrel"));
    copy.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(widget->objectName() != "COPY");
}

QTEST_MAIN(InstallDialogsTest)
#include "install_dialogs_test.moc"
