// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help/help.h"

#include "app/forms/form_feedback.h"
#include "app/help/help_file.h"
#include "app/help/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kavrel::help {

namespace {

constexpr int UsingHelpCommand = 57668;

QString& OverriddenPath() {
    static QString path;
    return path;
}

const HelpIndex* LoadOrReport(QWidget* parent) {
    const HelpIndex* index = LoadHelpFile(HelpFilePath());
    if (!index)
        PresentMessage(parent, QStringLiteral("Failed to launch help."), MessageIcon::Warning);
    return index;
}

} // namespace

QString HelpFilePath() {
    if (!OverriddenPath().isEmpty()) return OverriddenPath();
    const QString name = QStringLiteral("kavrel.hlp");
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        programDir.filePath(name),
        programDir.filePath(QStringLiteral("../share/kavrel/") + name),
        QStringLiteral(KAVREL_INSTALL_PREFIX "/share/kavrel/") + name,
    };
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile()) return QDir::cleanPath(candidate);
    return candidates[0];
}

void OverrideHelpFilePath(const QString& path) {
    OverriddenPath() = path;
}

bool ShowContents(QWidget* parent) {
    const HelpIndex* index = LoadOrReport(parent);
    if (!index) return false;
    HelpWindow* window = HelpWindow::Open(*index);
    window->ShowContentsTab();
    window->ShowPage(index->homePage);
    return true;
}

bool ShowTopic(QWidget* parent, int contextNumber) {
    const HelpIndex* index = LoadOrReport(parent);
    if (!index) return false;
    HelpWindow::Open(*index)->ShowPage(PageForContext(*index, contextNumber));
    return true;
}

bool ShowUsingHelp(QWidget* parent) {
    return ShowTopic(parent, CommandContextBase + UsingHelpCommand);
}

} // namespace kavrel::help
