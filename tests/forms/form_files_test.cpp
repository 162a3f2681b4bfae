// SPDX-License-Identifier: GPL-3.0-or-later
// What the forms hand the desktop through their dialogs: the schedule's CSV file and the
// chart windows.

#include "app/charts/chart_window.h"
#include "app/forms/form_dialog.h"
#include "calculators/loan_amortization/loan_amortization_dlg.h"
#include "catalog/form_catalog.h"
#include "cli/cli_run.h"
#include "entry/chart_data.h"
#include "support/recording_host.h"

#include <QAbstractSeries>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QXYSeries>

#include <clocale>
#include <memory>

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

    void chartWindowDrawsTheLastCalculation_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("unknownButton");  // 0: the form's default unknown
        QTest::addColumn<QStringList>("inputs"); // control ID, text, ...
        QTest::addColumn<QStringList>("series");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("lastTip");
        // The last line of this loan's schedule; 1000 * 1.02^40 = 2208.04; 600,000 periods
        // drawn from 2,000, the last one the future value: 0.01 * (1 + i) * ((1 + i)^600000 -
        // 1) / i with i = 0.001 % / 12 is 7784.6576.
        QTest::newRow("loan amortization")
            << "loan-amortization" << 0
            << QStringList{"131", "1/31/2024", "31", "360", "32", "6.5", "33", "250000"}
            << QStringList{"Principal", "Interest", "Remaining Principal"} << 360
            << "Payment 360, due 12/28/2053\nPayment: 1580.23\nPrincipal: 1571.72\nInterest: "
               "8.51\nRemaining Principal: 0.00";
        QTest::newRow("compound interest")
            << "compound-interest" << 0 << QStringList{"11", "40", "12", "8", "13", "1000"}
            << QStringList{"Value"} << 41 << "Period 40\nValue: 2208.04";
        QTest::newRow("save") << "save" << 1023
                              << QStringList{"31", "600000", "32", "0.001", "34", "0.01"}
                              << QStringList{"Value"} << 2000 << "Period 600000\nValue: 7784.66";
    }
    void chartWindowDrawsTheLastCalculation() {
        QFETCH(QString, form);
        QFETCH(int, unknownButton);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, series);
        QFETCH(int, points);
        QFETCH(QString, lastTip);
        std::unique_ptr<CFormModel> model = FindFormBySlug(form.toStdString())->create();
        BufferTarget document;
        CFormDialog dialog(*model, &document, nullptr);
        dialog.show();
        if (unknownButton) Click(dialog, unknownButton);
        for (qsizetype i = 0; i < inputs.size(); i += 2)
            Type(dialog, inputs[i].toInt(), inputs[i + 1]);
        Click(dialog, IDC_CALCULATE);
        Click(dialog, IDC_CHART);

        auto* window = dialog.findChild<CChartWindow*>();
        QVERIFY(window && window->isVisible());
        QStringList names;
        for (QAbstractSeries* drawn : window->Chart()->series())
            names << drawn->name();
        QCOMPARE(names, series);
        auto* balance = qobject_cast<QXYSeries*>(window->Chart()->series().back());
        QCOMPARE(balance->count(), points);
        QCOMPARE(window->TipAt(balance->at(points - 1).x()), lastTip);
        if (series.size() > 1) {
            QCOMPARE(window->Chart()->series()[0]->type(), QAbstractSeries::SeriesTypeArea);
            window->SetStacked(false);
            QCOMPARE(window->Chart()->series()[0]->type(), QAbstractSeries::SeriesTypeLine);
        }

        auto* view = window->findChild<QChartView*>();
        const QPointF middle = window->Chart()->plotArea().center();
        QTest::mouseMove(view->viewport(), view->mapFromScene(window->Chart()->mapToScene(middle)));
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().startsWith(lastTip.section(' ', 0, 0)));

        QTemporaryDir folder;
        for (const char* name : {"chart.png", "chart.svg"}) {
            QVERIFY(window->SaveImage(folder.filePath(name)));
            QVERIFY(!QImage(folder.filePath(name)).isNull());
        }
    }
};

} // namespace kavrel::test

QTEST_MAIN(kavrel::test::FormFilesTest)
#include "form_files_test.moc"
