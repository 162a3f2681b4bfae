// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_viewer/help_viewer.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char* argv[]) {
    Q_INIT_RESOURCE(icons);
    // Text alone needs no display: --help and --version work in any terminal.
    const bool textOnly = std::any_of(argv + 1, argv + argc, [](const char* argument) {
        return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "--version") == 0;
    });
    const std::unique_ptr<QCoreApplication> application =
        textOnly ? std::make_unique<QCoreApplication>(argc, argv)
                 : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kavrel-help"));
    QCoreApplication::setApplicationVersion(QStringLiteral("4.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kavrel.KavrelHelp"));
    if (!textOnly) QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kavrel.svg")));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const int status = kavrel::help::OpenHelpViewer(arguments, out, err);
    out.flush();
    err.flush();
    return status == kavrel::help::HelpViewerRunning ? application->exec() : status;
}
