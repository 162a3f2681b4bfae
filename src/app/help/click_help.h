// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Click-for-help (Shift+F1): the next click on a menu command, a toolbar button, a form or one
// of its fields opens the help topic of what was clicked instead of acting on it. Escape or
// the right mouse button leaves the mode without help.

class QObject;

namespace kavrel::help {

// The topic of an action (its menu item and toolbar button) or of a widget and the widgets
// inside it that have no topic of their own.
void SetClickHelpContext(QObject* object, int contextNumber);

void EnterClickForHelp();

} // namespace kavrel::help
