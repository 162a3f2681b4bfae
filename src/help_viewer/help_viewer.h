// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What kavrel-help does with its command line: a help file at its contents or at a topic, or
// any other file as plain text.

#include <QStringList>

class QTextStream;

namespace kavrel::help {

// OpenHelpViewer's answer when a window is open and the event loop should run.
inline constexpr int HelpViewerRunning = -1;

// Opens the window the arguments (without the program name) ask for. Otherwise returns the
// exit status: 0 after --help or --version, 1 when the file could not be shown (reported
// with "Failed to launch help."), 2 for a usage error (reported on `err`).
int OpenHelpViewer(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace kavrel::help
