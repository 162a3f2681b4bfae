// SPDX-License-Identifier: GPL-3.0-or-later
// kavrel-help's command line: the window it opens, or what it says when it cannot.

#include "app/forms/form_feedback.h"
#include "app/help/help.h"
#include "app/help/help_window.h"
#include "help_viewer/help_viewer.h"
#include "help_viewer/text_window.h"

#include <QApplication>
#include <QTest>
#include <QTextBrowser>
#include <QTextStream>

namespace kavrel::test {

namespace {

QStringList messages;

MessageAnswer RecordMessage(QWidget*, const QString& text, MessageIcon, MessageButtons) {
    messages.push_back(text);
    return MessageAnswer::Ok;
}

// "page:" and the help page shown, "text:" and the first line of the text shown, or "".
QString Shown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible()) continue;
        if (auto* help = qobject_cast<help::HelpWindow*>(widget))
            return "page:" + help->Browser()->source().fileName();
        if (auto* text = qobject_cast<help::CTextWindow*>(widget))
            return "text:" + text->Text().section(u'\n', 0, 0);
    }
    return {};
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetMessagePresenter(RecordMessage); }
    void init() {
        messages.clear();
        // Nothing beside the test program: the help file must come from the command line.
        help::OverrideHelpFilePath(QStringLiteral("/nonexistent/kavrel.hlp"));
    }
    void cleanup() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            widget->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void opensWhatTheCommandLineAsks_data() {
        const QString help = QStringLiteral(KAVREL_TEST_HELP_FILE);
        const QString text = QStringLiteral(KAVREL_TEST_TEXT_FILE);
        const int running = help::HelpViewerRunning;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("said"); // the start of what went to the output streams
        QTest::addColumn<QString>("message");
        QTest::newRow("help file") << QStringList{help} << running << "page:index.html"
                                   << ""
                                   << "";
        QTest::newRow("topic") << QStringList{help, "--topic", "131174"} << running
                               << "page:compound-interest.html"
                               << ""
                               << "";
        QTest::newRow("topic=") << QStringList{"--topic=98337", help} << running
                                << "page:overview.html"
                                << ""
                                << "";
        QTest::newRow("text file")
            << QStringList{text} << running << "text:Kavrel 4.0 - Quick Start"
            << ""
            << "";
        QTest::newRow("no help file") << QStringList{} << 1 << ""
                                      << ""
                                      << "Failed to launch help.";
        QTest::newRow("missing file") << QStringList{"/nonexistent/readme.txt"} << 1 << ""
                                      << ""
                                      << "Failed to launch help.";
        QTest::newRow("--help") << QStringList{"--help"} << 0 << ""
                                << "Usage: kavrel-help [FILE] [--topic N]\n"
                                << "";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << ""
                                   << "kavrel-help 4.0\n"
                                   << "";
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << 2 << ""
            << "kavrel-help: unknown option '--bogus'\nTry 'kavrel-help --help'.\n"
            << "";
        QTest::newRow("topic without number") << QStringList{help, "--topic"} << 2 << ""
                                              << "kavrel-help: --topic needs a number\n"
                                              << "";
        QTest::newRow("topic not a number") << QStringList{"--topic", "x"} << 2 << ""
                                            << "kavrel-help: --topic needs a number, not 'x'\n"
                                            << "";
        QTest::newRow("two files") << QStringList{text, text} << 2 << ""
                                   << "kavrel-help: one file at a time\n"
                                   << "";
    }
    void opensWhatTheCommandLineAsks() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, shown);
        QFETCH(QString, said);
        QFETCH(QString, message);
        QString output;
        QTextStream out(&output);
        QTextStream err(&output);
        QCOMPARE(help::OpenHelpViewer(arguments, out, err), status);
        out.flush();
        err.flush();
        QCOMPARE(Shown(), shown);
        QVERIFY2(said.isEmpty() ? output.isEmpty() : output.startsWith(said), qPrintable(output));
        QCOMPARE(messages, message.isEmpty() ? QStringList{} : QStringList{message});
    }
};

} // namespace kavrel::test

QTEST_MAIN(kavrel::test::HelpViewerTest)
#include "help_viewer_test.moc"
