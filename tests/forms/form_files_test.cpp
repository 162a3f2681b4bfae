// What the forms hand the desktop through their dialogs: the schedule's CSV file.

#include "app/forms/form_dialog.h"
#include "calculators/loan_amortization/loan_amortization_dlg.h"
#include "cli/cli_run.h"
#include "support/recording_host.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <clocale>

namespace kavrel::test {

namespace {

void Type(CFormDialog& dialog, int id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(dialog.Widget(id));
    QVERIFY(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void Click(CFormDialog& dialog, int id) {
    QWidget* button = dialog.Widget(id);
    QVERIFY(button && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// Names path in the next file dialog and accepts it.
class FileDialogAnswerer : public QObject {
public:
    explicit FileDialogAnswerer(QString path) : m_path(std::move(path)) {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            m_timer.stop();
            dialog->selectFile(m_path);
            static_cast<QDialog*>(dialog)->accept();
        });
        m_timer.start(10);
    }

private:
    QString m_path;
    QTimer m_timer;
};

} // namespace

class FormFilesTest : public QObject {
    Q_OBJECT
private slots:
    // Byte for byte what kavrel-calc prints, even on a desktop that writes 1.234,56.
    void exportWritesWhatKavrelCalcPrints() {
        const CliRun cli =
            RunCli({"loan-amortization", "--csv", "first-payment-due-date=1/31/2024",
                    "number-of-payments=14", "annual-rate=7.25", "loan-principal=12345.67"});
        QCOMPARE(cli.status, 0);
        if (std::setlocale(LC_ALL, "de_DE.UTF-8"))
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QTemporaryDir folder;
        const QString path = folder.filePath("loan.csv");
        {
            CLoanAmortizationDlg model;
            BufferTarget document;
            CFormDialog dialog(model, &document, nullptr);
            dialog.show();
            Type(dialog, 131, "1/31/2024");
            Type(dialog, 31, "14");
            Type(dialog, 32, "7.25");
            Type(dialog, 33, "12345.67");
            Click(dialog, IDC_CALCULATE);
            FileDialogAnswerer answerer(path);
            Click(dialog, CLoanAmortizationDlg::IDC_EXPORT);
        }
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), cli.out);
    }
};

} // namespace kavrel::test

QTEST_MAIN(kavrel::test::FormFilesTest)
#include "form_files_test.moc"
