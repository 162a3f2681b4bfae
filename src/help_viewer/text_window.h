// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A read-only window that shows one plain-text file, as the files beside the programs are
// written: in a fixed-width font.

#include <QMainWindow>

class QPlainTextEdit;

namespace kavrel::help {

class CTextWindow : public QMainWindow {
    Q_OBJECT
public:
    // The window, or nullptr when the file cannot be read.
    static CTextWindow* Open(const QString& path);

    QString Text() const;

private:
    CTextWindow(const QString& path, const QString& text);

    QPlainTextEdit* m_text;
};

} // namespace kavrel::help
