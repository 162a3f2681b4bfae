// SPDX-License-Identifier: GPL-3.0-or-later
// What the forms hand the desktop through their dialogs: the schedule's CSV file and the
// chart windows.

#include "app/charts/chart_window.h"
#include "app/forms/form_dialog.h"
#include "app/forms/form_feedback.h"
#include "calculators/loan_amortization/loan_amortization_dlg.h"
#include "catalog/form_catalog.h"
#include "cli/cli_run.h"
#include "document/qt_test_support.h"
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

// The messages shown; a message box would wait for an answer no one gives.
QStringList messages;

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
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'|')));
}

// Names path in the next file dialog and accepts it.
void AnswerNextFileDialog(const QString& path) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->deleteLater();
        timer->stop();
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    timer->start(10);
}

// The chart of the last Calculate and the tip of its last point: the last line of this loan's
// schedule; 1000 * 1.02^40 = 2208.04; 600,000 periods drawn from 2,000, the last one the
// future value 0.01 * (1 + i) * ((1 + i)^600000 - 1) / i with i = 0.001 % / 12, 7784.6576.
const struct {
    const char* name; // the form's slug
    int unknown;      // its button, else the form's default unknown
    std::vector<std::pair<int, QString>> inputs;
    QStringList series;
    int points;
    QString lastTip;
} Charts[] = {
    {"loan-amortization",
     0,
     {{131, "1/31/2024"}, {31, "360"}, {32, "6.5"}, {33, "250000"}},
     {"Principal", "Interest", "Remaining Principal"},
     360,
     "Payment 360, due 12/28/2053\nPayment: 1580.23\nPrincipal: 1571.72\nInterest: "
     "8.51\nRemaining Principal: 0.00"},
    {"compound-interest",
     0,
     {{11, "40"}, {12, "8"}, {13, "1000"}},
     {"Value"},
     41,
     "Period 40\nValue: 2208.04"},
    {"save",
     1023,
     {{31, "600000"}, {32, "0.001"}, {34, "0.01"}},
     {"Value"},
     2000,
     "Period 600000\nValue: 7784.66"},
};

} // namespace

class FormFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        SetMessagePresenter([](QWidget*, const QString& text, MessageIcon, MessageButtons) {
            messages << text;
            return MessageAnswer::Ok;
        });
    }
    void init() { messages.clear(); }

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
            for (auto [id, text] :
                 {std::pair{131, "1/31/2024"}, {31, "14"}, {32, "7.25"}, {33, "12345.67"}})
                Type(dialog, id, text);
            Click(dialog, IDC_CALCULATE);
            AnswerNextFileDialog(path);
            Click(dialog, CLoanAmortizationDlg::IDC_EXPORT);
        }
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), cli.out);
    }

    void chartWindowDrawsTheLastCalculation_data() { AddRows(Charts); }
    void chartWindowDrawsTheLastCalculation() {
        QFETCH(size_t, row);
        const auto& c = Charts[row];
        std::unique_ptr<CFormModel> model = FindFormBySlug(c.name)->create();
        BufferTarget document;
        CFormDialog dialog(*model, &document, nullptr);
        dialog.show();
        if (c.unknown) Click(dialog, c.unknown);
        for (const auto& [id, text] : c.inputs)
            Type(dialog, id, text);
        Click(dialog, IDC_CALCULATE);
        Click(dialog, IDC_CHART);

        auto* window = dialog.findChild<CChartWindow*>();
        QVERIFY(window && window->isVisible());
        QStringList names;
        for (QAbstractSeries* drawn : window->Chart()->series())
            names << drawn->name();
        QCOMPARE(names, c.series);
        auto* balance = qobject_cast<QXYSeries*>(window->Chart()->series().back());
        QCOMPARE(balance->count(), c.points);
        QCOMPARE(window->TipAt(balance->at(c.points - 1).x()), c.lastTip);
        if (c.series.size() > 1) {
            QCOMPARE(window->Chart()->series()[0]->type(), QAbstractSeries::SeriesTypeArea);
            window->SetStacked(false);
            QCOMPARE(window->Chart()->series()[0]->type(), QAbstractSeries::SeriesTypeLine);
        }

        auto* view = window->findChild<QChartView*>();
        const QPointF middle = window->Chart()->plotArea().center();
        QTest::mouseMove(view->viewport(), view->mapFromScene(window->Chart()->mapToScene(middle)));
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().startsWith(c.lastTip.section(' ', 0, 0)));

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
