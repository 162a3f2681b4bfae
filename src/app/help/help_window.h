// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window that shows the help pages: contents, search, back and forward.

#include "app/help/help_file.h"

#include <QMainWindow>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace kavrel::help {

class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // The one help window, made on first use; nullptr before that.
    static HelpWindow* Instance();
    static HelpWindow* Open(const HelpIndex& index);

    void ShowPage(const QString& page);
    void ShowContentsTab();
    QTextBrowser* Browser() const { return m_browser; }

private:
    explicit HelpWindow(const HelpIndex& index);
    void FillContents();
    void RunSearch();
    void StayUsableOverModalDialogs();

    const HelpIndex m_index;
    QTabWidget* m_tabs;
    QTreeWidget* m_contents;
    QLineEdit* m_searchField;
    QListWidget* m_results;
    QTextBrowser* m_browser;
};

} // namespace kavrel::help
