// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the main window and the document (run by hand, never by ctest):
//   shell_timing            start-up, a record appended to a full document, opening a file
// Prints the median of several runs of each.

#include "app/kv_app.h"
#include "app/main_frame.h"
#include "document/kv_doc.h"
#include "document/kv_view.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace kavrel;
using Clock = std::chrono::steady_clock;

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A document of 50-character lines, CR LF counted, of about the given length.
QString FullText(qsizetype length) {
    const QString line = QString(48, u'x') + u'\n';
    QString text;
    while (text.size() + text.size() / 49 < length)
        text += line;
    return text;
}

// A Compound Interest record: 1000 at 8 % for 40 quarters.
const std::string CompoundBlock = "\r\n                COMPOUND INTEREST\r\n\r\n"
                                  "Compounding Periods per Year:                    4\r\n"
                                  "Number of Periods:                          40.000\r\n"
                                  "Annual Rate (%):                             8.000\r\n"
                                  "Present Value ($):                         1000.00\r\n"
                                  "Future Value ($):                          2208.04\r\n";

// The child of the start-up timing: the time from the parent's clock reading to the main
// window shown.
int StartupChild(long long startedNs, int argc, char** argv) {
    CKvApp app(argc, argv);
    app.InitInstance();
    if (!QTest::qWaitForWindowExposed(app.MainFrame())) return 1;
    const auto now = Clock::now().time_since_epoch();
    const double ms =
        (std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() - startedNs) / 1e6;
    std::printf("%.3f\n", ms);
    return 0;
}

double Startup(const char* self) {
    std::vector<double> runs;
    for (int i = 0; i < 10; ++i) {
        QProcess child;
        const long long now =
            std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
                .count();
        child.start(QString::fromLocal8Bit(self), {QStringLiteral("--startup-child"),
                                                   QString::fromStdString(std::to_string(now))});
        child.waitForFinished(30000);
        runs.push_back(QString::fromLatin1(child.readAllStandardOutput()).trimmed().toDouble());
    }
    return Median(runs);
}

double AppendRecord() {
    std::vector<double> runs;
    const QString text = FullText(1000000);
    for (int i = 0; i < 20; ++i) {
        CKvView view;
        view.resize(700, 500);
        view.show();
        view.LoadText(text);
        view.moveCursor(QTextCursor::End);
        QCoreApplication::processEvents();
        const auto start = Clock::now();
        view.InsertRecord(CompoundBlock);
        QCoreApplication::processEvents();
        runs.push_back(MillisecondsSince(start));
    }
    return Median(runs);
}

double OpenFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QString text = FullText(1000000);
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    file.write(text.toLatin1());
    file.close();
    std::vector<double> runs;
    for (int i = 0; i < 10; ++i) {
        CKvView view;
        view.resize(700, 500);
        view.show();
        CKvDoc doc(view);
        const auto start = Clock::now();
        doc.OpenDocument(path, nullptr);
        QCoreApplication::processEvents();
        runs.push_back(MillisecondsSince(start));
    }
    return Median(runs);
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--startup-child") == 0)
        return StartupChild(std::stoll(argv[2]), argc, argv);
    const double startup = Startup(argv[0]);
    QApplication app(argc, argv);
    std::printf("start-up to main window shown: %8.2f ms (median of 10)\n", startup);
    std::printf("record into 1,000,000 chars:   %8.3f ms (median of 20)\n", AppendRecord());
    std::printf("open a 1,000,000-char file:    %8.2f ms (median of 10)\n", OpenFile());
    return 0;
}
