// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: menus, toolbar and status bar around the results document's text window,
// and the handlers of every command.

#include <QMainWindow>

#include <map>
#include <memory>

class QAction;
class QMenu;
class QPrinter;
class QToolBar;

namespace kavrel {

class CKvDoc;
class CKvView;
class StatusIndicators;
struct MenuItemSpec;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    CKvView& View() const { return *m_view; }
    CKvDoc& Doc() const { return *m_doc; }
    QToolBar& ToolBar() const { return *m_toolBar; }
    // The action of a command; nullptr for an unknown ID.
    QAction* Action(int id) const;
    // The printer of Print, Print Preview and Print Setup, made on first use.
    QPrinter& Printer();

public slots:
    void OnCommand(int id);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* MakeAction(int id, const QString& label);
    void CreateMenus();
    QMenu* CreateMenu(QMenu* menu, const MenuItemSpec& info);
    void CreateToolBar();
    void CreateStatusBar();
    void CreateHiddenCommands();
    void UpdateCaption();
    void UpdateEditCommands();
    void UpdatePasteCommand();

    // Handlers
    void OnFileOpen();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnHelp(int id);
    void OnFormCommand(int id);

    CKvView* m_view = nullptr;
    CKvDoc* m_doc = nullptr;
    QToolBar* m_toolBar = nullptr;
    StatusIndicators* m_indicators = nullptr;
    std::map<int, QAction*> m_actions;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace kavrel
