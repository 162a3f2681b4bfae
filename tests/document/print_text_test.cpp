// Printing to PDF, read back with pdftotext: schedule headings, page numbers, margins.

#include "document/print_text.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kavrel;

namespace {

const QString Heading1 =
    QStringLiteral("   Payment  Payment              Principal  Interest    Remaining");
const QString Heading2 =
    QStringLiteral("   Number   Due Date   Payment    Portion   Portion     Principal");
const QString Heading3 =
    QStringLiteral("   -------  --------  ---------  ---------  ---------  ----------");

// pdftotext's layout does not keep runs of blanks exactly.
QString Words(const QString& line) {
    return line.simplified();
}

// A text of numbered lines with the schedule heading at line headingAt (none when < 0).
QString NumberedText(int lines, int headingAt) {
    QStringList out;
    for (int i = 0; i < lines; ++i)
        out << (i == headingAt ? Heading1 : QStringLiteral("   line-%1").arg(i));
    return out.join(u'\n');
}

// A4, no printer margins: the page's coordinates are the paper's.
void PrintToPdf(const QString& text, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QVERIFY(PrintText(text, printer) > 0);
}

QStringList PdfPages(const QString& path, const QStringList& options = {}) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               options + QStringList{QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) return {};
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

QStringList NonEmptyLines(const QString& page) {
    QStringList lines;
    for (const QString& line : page.split(u'\n'))
        if (!line.trimmed().isEmpty()) lines << line.simplified();
    return lines;
}

// The x of a word's left edge on the first page, in points, from pdftotext's boxes.
double WordLeft(const QString& path, const QString& word) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                QStringLiteral("-l"), QStringLiteral("1"), path, QStringLiteral("-")});
    if (!tool.waitForFinished(30000)) return -1;
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    const QRegularExpression box(QStringLiteral("xMin=\"([0-9.]+)\"[^>]*>") +
                                 QRegularExpression::escape(word) + QStringLiteral("<"));
    const QRegularExpressionMatch match = box.match(html);
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

} // namespace

class PrintTextTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void detectsTheScheduleInTheFirst51Lines_data() {
        QTest::addColumn<int>("headingAt");
        QTest::addColumn<bool>("schedule");
        QTest::newRow("first line") << 0 << true;
        QTest::newRow("line 51") << 50 << true;
        QTest::newRow("line 52") << 51 << false;
        QTest::newRow("none") << -1 << false;
    }

    void detectsTheScheduleInTheFirst51Lines() {
        QFETCH(int, headingAt);
        QFETCH(bool, schedule);
        QCOMPARE(HoldsSchedule(NumberedText(120, headingAt)), schedule);
    }

    void onlyTheFirst80ColumnsCount() {
        QCOMPARE(HoldsSchedule(QString(64, u' ') + QStringLiteral("Payment  Payment")), true);
        QCOMPARE(HoldsSchedule(QString(65, u' ') + QStringLiteral("Payment  Payment")), false);
    }

    // Every page carries its number; a schedule's pages after the first start with its
    // three heading lines; no line of the text is lost or repeated.
    void pagesHeadingsAndNumbers_data() {
        QTest::addColumn<int>("headingAt");
        QTest::addColumn<bool>("headings");
        QTest::newRow("schedule") << 2 << true;
        QTest::newRow("heading too late") << 60 << false;
    }

    void pagesHeadingsAndNumbers() {
        QFETCH(int, headingAt);
        QFETCH(bool, headings);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        const int lineCount = 200;
        PrintToPdf(NumberedText(lineCount, headingAt), pdf);
        const QStringList pages = PdfPages(pdf);
        QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));

        int nextLine = 0;
        for (int p = 0; p < pages.size(); ++p) {
            QStringList lines = NonEmptyLines(pages.at(p));
            QVERIFY(!lines.isEmpty());
            QCOMPARE(lines.takeLast(), QString::number(p + 1));
            if (p > 0 && headings) {
                QCOMPARE(lines.value(0), Words(Heading1));
                QCOMPARE(lines.value(1), Words(Heading2));
                QCOMPARE(lines.value(2), Words(Heading3));
                lines = lines.mid(3);
            }
            for (const QString& line : lines) {
                const QString expected = nextLine == headingAt
                                             ? Words(Heading1)
                                             : QStringLiteral("line-%1").arg(nextLine);
                QCOMPARE(line, expected);
                ++nextLine;
            }
        }
        QCOMPARE(nextLine, lineCount);
    }

    // Three quarters of an inch on the left; a schedule is centred as 68 columns of 6 pt
    // (Courier at 10 pt) on the 595.28 pt of A4.
    void leftMargin_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<double>("left");
        QTest::newRow("text") << QStringLiteral("Plain") << QStringLiteral("Plain") << 54.0;
        QTest::newRow("schedule") << Heading1 << QStringLiteral("Payment")
                                  << (595.28 - 68 * 6.0) / 2 + 3 * 6.0;
    }

    void leftMargin() {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(double, left);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("margin.pdf"));
        PrintToPdf(text, pdf);
        const double x = WordLeft(pdf, word);
        QVERIFY2(qAbs(x - left) < 1.0, qPrintable(QStringLiteral("%1 vs %2").arg(x).arg(left)));
    }
};

QTEST_MAIN(PrintTextTest)
#include "print_text_test.moc"
