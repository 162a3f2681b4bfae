#include "help_viewer/help_viewer.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    Q_INIT_RESOURCE(icons);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kavrel-help"));
    QApplication::setApplicationVersion(QStringLiteral("4.0"));
    QApplication::setDesktopFileName(QStringLiteral("org.kavrel.KavrelHelp"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kavrel.svg")));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const int status = kavrel::help::OpenHelpViewer(arguments, out, err);
    out.flush();
    err.flush();
    return status == kavrel::help::HelpViewerRunning ? application.exec() : status;
}
