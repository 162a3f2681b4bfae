// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window. Topics are found by their context numbers; a help file that cannot be
// found or read is reported with "Failed to launch help.".

class QWidget;
class QString;

namespace kavrel::help {

enum : int {
    ExamplesContext = 98333,
    OverviewContext = 98337,
    CommandContextBase = 65536, // plus a menu command's ID
    DialogContextBase = 131072, // plus a form's dialog ID
};

// kavrel.hlp beside the program, else under share/kavrel of the installation prefix.
QString HelpFilePath();
// Uses the given file instead of searching for it (an empty path searches again).
void OverrideHelpFilePath(const QString& path);

bool ShowContents(QWidget* parent);
bool ShowTopic(QWidget* parent, int contextNumber);
bool ShowUsingHelp(QWidget* parent);

} // namespace kavrel::help
