// A long schedule printed to PDF carries the column headings at the top of every later page.

#include "calculators/loan_amortization/amortization_schedule.h"
#include "document/print_text.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace kavrel {

class SchedulePrintTest : public QObject {
    Q_OBJECT

private:
    // The non-empty lines of one page, each with its runs of blanks made one blank.
    static QStringList PageLines(const QString& pdf, int page) {
        QProcess process;
        process.start("pdftotext", {"-layout", "-f", QString::number(page), "-l",
                                    QString::number(page), pdf, "-"});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
        QStringList lines;
        for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
            if (!line.simplified().isEmpty()) lines << line.simplified();
        return lines;
    }

private slots:
    void headingsFromPageTwoOn() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        ScheduleTerms terms;
        terms.preparedFor = "Jane Doe";
        terms.today = CDate(1, 15, 2001);
        terms.firstDue = CDate(1, 1, 2001);
        terms.frequencyName = "Monthly";
        terms.payments = 600;
        terms.annualRatePercent = 6;
        terms.principal = 100000;
        terms.payment = 599.55;
        std::string text;
        QVERIFY(AppendSchedule(terms, text));

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath("schedule.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        const QString document = QString::fromLatin1(text.data(), qsizetype(text.size()))
                                     .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        const int pages = PrintText(document, printer);
        QVERIFY(pages > 3);

        const QStringList headings = {"Payment Payment Principal Interest Remaining",
                                      "Number Due Date Payment Portion Portion Principal",
                                      "------- -------- --------- --------- --------- ----------"};
        const QStringList first = PageLines(pdf, 1);
        QVERIFY(!first.isEmpty());
        QCOMPARE(first.front(), QStringLiteral("L O A N A M O R T I Z A T I O N S C H E D U L E"));
        for (int page : {2, 3, pages}) {
            const QStringList lines = PageLines(pdf, page);
            QVERIFY2(lines.size() > 3, qPrintable(QString("page %1").arg(page)));
            QCOMPARE(lines.mid(0, 3), headings);
            // The page's own text follows: a payment line or a totals line, not a heading.
            QVERIFY(!lines.at(3).startsWith("Payment Payment"));
        }
    }
};

} // namespace kavrel

QTEST_MAIN(kavrel::SchedulePrintTest)
#include "schedule_print_test.moc"
