// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_viewer/help_viewer.h"

#include "app/forms/form_feedback.h"
#include "app/help/help.h"
#include "app/help/help_file.h"
#include "help_viewer/text_window.h"

#include <QTextStream>

#include <optional>

namespace kavrel::help {

namespace {

constexpr int UsageError = 2;

const char Usage[] = "Usage: kavrel-help [FILE] [--topic N]\n"
                     "       kavrel-help --help | --version\n";

void PrintHelp(QTextStream& out) {
    out << Usage
        << "\n"
           "Shows Kavrel's help in its own window. FILE, when it is a Kavrel help file, is\n"
           "shown instead of the kavrel.hlp that came with the program; any other FILE is\n"
           "shown as plain text.\n"
           "\n"
           "  --topic N   open the topic with context number N instead of the contents\n"
           "  --help      this text\n"
           "  --version   the program's version\n"
           "\n"
           "Exit status: 0 when the window was closed, 1 when the file could not be shown,\n"
           "2 for a usage error.\n";
}

int Refuse(QTextStream& err, const QString& problem) {
    err << "kavrel-help: " << problem << "\nTry 'kavrel-help --help'.\n";
    return UsageError;
}

bool ShowFile(const QString& file, std::optional<int> topic) {
    if (!file.isEmpty()) {
        // Anything that is not a help file is shown as text.
        if (!LoadHelpFile(file)) {
            if (CTextWindow::Open(file)) return true;
            PresentMessage(nullptr, QStringLiteral("Failed to launch help."), MessageIcon::Warning);
            return false;
        }
        OverrideHelpFilePath(file);
    }
    return topic ? ShowTopic(nullptr, *topic) : ShowContents(nullptr);
}

} // namespace

int OpenHelpViewer(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QString file;
    std::optional<int> topic;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help")) {
            PrintHelp(out);
            return 0;
        }
        if (argument == QLatin1String("--version")) {
            out << "kavrel-help 4.0\n";
            return 0;
        }
        if (argument == QLatin1String("--topic") ||
            argument.startsWith(QLatin1String("--topic="))) {
            const bool joined = argument.contains(u'=');
            if (!joined && i + 1 == arguments.size()) return Refuse(err, "--topic needs a number");
            const QString value = joined ? argument.section(u'=', 1) : arguments[++i];
            bool ok = false;
            topic = value.toInt(&ok);
            if (!ok) return Refuse(err, "--topic needs a number, not '" + value + "'");
        } else if (argument.startsWith(u'-')) {
            return Refuse(err, "unknown option '" + argument + "'");
        } else if (!file.isEmpty()) {
            return Refuse(err, "one file at a time");
        } else {
            file = argument;
        }
    }
    return ShowFile(file, topic) ? HelpViewerRunning : 1;
}

} // namespace kavrel::help
