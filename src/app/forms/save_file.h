// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving what a form or a chart hands the desktop to a file the user names.

#include <QString>

class QByteArray;
class QWidget;

namespace kavrel {

// Asks for a file to save, suggesting suggestedName in the folder used last; its extension
// becomes the filter and the suffix added to a name typed without one. Empty when the user
// cancels.
QString AskSaveFileName(QWidget* parent, const QString& title, const QString& suggestedName);

// Writes bytes to path whole or not at all; tells the user when that fails.
bool WriteFileOrTell(QWidget* parent, const QString& path, const QByteArray& bytes);

// Asks for the file, then writes it; false when cancelled or not written.
bool SaveBytesAs(QWidget* parent, const QString& title, const QString& suggestedName,
                 const QByteArray& bytes);

// Tells the user that path could not be written.
void TellNotWritten(QWidget* parent, const QString& path);

} // namespace kavrel
