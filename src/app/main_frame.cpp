// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_frame.h"

#include "app/command_ids.h"
#include "app/help/click_help.h"
#include "app/help/help.h"
#include "app/help/help_window.h"
#include "app/menu_table.h"
#include "app/status_indicators.h"
#include "document/kv_doc.h"
#include "document/kv_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

// Resources of a static library are registered by hand, outside any namespace.
static void InitIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace kavrel {

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    InitIconResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/kavrel.svg")));
    m_view = new CKvView(this);
    m_doc = new CKvDoc(*m_view, this);
    setCentralWidget(m_view);
    // The bars are fixed: no menu of bars on a right click.
    setContextMenuPolicy(Qt::NoContextMenu);
    help::SetClickHelpContext(this, help::OverviewContext);

    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateHiddenCommands();

    connect(m_doc, &CKvDoc::TitleChanged, this, &CMainFrame::UpdateCaption);
    connect(m_doc, &CKvDoc::StatusMessage, statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(m_view->document(), &QTextDocument::modificationChanged, this,
            &CMainFrame::UpdateCaption);
    connect(m_view, &QPlainTextEdit::textChanged, this, &CMainFrame::UpdateEditCommands);
    connect(m_view, &QPlainTextEdit::copyAvailable, this, &CMainFrame::UpdateEditCommands);
    connect(m_view, &QPlainTextEdit::undoAvailable, Action(ID_EDIT_UNDO), &QAction::setEnabled);
    connect(m_view, &QPlainTextEdit::redoAvailable, Action(ID_EDIT_REDO), &QAction::setEnabled);
    Action(ID_EDIT_UNDO)->setEnabled(false);
    Action(ID_EDIT_REDO)->setEnabled(false);
    if (QClipboard* clipboard = QApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &CMainFrame::UpdatePasteCommand);
    UpdateCaption();
    UpdateEditCommands();
    // Asking the clipboard takes a round trip to the display: after the window shows.
    QTimer::singleShot(0, this, &CMainFrame::UpdatePasteCommand);
    resize(720, 520);
    m_view->setFocus();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::Action(int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QAction* CMainFrame::MakeAction(int id, const QString& label) {
    if (QAction* existing = Action(id)) return existing;
    auto* action = new QAction(label, this);
    action->setData(id);
    const QString prompt = CommandPrompt(id);
    action->setStatusTip(prompt);
    action->setWhatsThis(prompt);
    help::SetClickHelpContext(action, help::CommandContextBase + id);
    const QList<QKeySequence> keys = CommandShortcuts(id);
    if (!keys.isEmpty()) action->setShortcuts(keys);
    // The label carries the shortcut text already.
    action->setShortcutVisibleInContextMenu(false);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_actions[id] = action;
    return action;
}

QMenu* CMainFrame::CreateMenu(QMenu* menu, const MenuItemSpec& info) {
    for (const MenuItemSpec& item : info.items) {
        const QString label =
            QString::fromUtf8(item.label.data(), static_cast<qsizetype>(item.label.size()));
        if (!item.items.empty()) {
            QMenu* sub = menu->addMenu(label);
            sub->installEventFilter(this);
            CreateMenu(sub, item);
        } else if (item.id == 0) {
            menu->addSeparator();
        } else {
            menu->addAction(MakeAction(item.id, label));
        }
    }
    return menu;
}

void CMainFrame::CreateMenus() {
    for (const MenuSpec& info : MainMenus()) {
        QMenu* menu = menuBar()->addMenu(
            QString::fromUtf8(info.title.data(), static_cast<qsizetype>(info.title.size())));
        menu->installEventFilter(this);
        CreateMenu(menu, MenuItemSpec{0, info.title, info.items});
    }
    Action(ID_VIEW_TOOLBAR)->setCheckable(true);
    Action(ID_VIEW_STATUS_BAR)->setCheckable(true);
}

void CMainFrame::CreateToolBar() {
    m_toolBar = addToolBar(QStringLiteral("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("toolbar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setAllowedAreas(Qt::TopToolBarArea);
    m_toolBar->setIconSize(QSize(16, 16));
    help::SetClickHelpContext(m_toolBar, help::CommandContextBase + int{ID_VIEW_TOOLBAR});
    for (int id : ToolbarCommands()) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = Action(id);
        if (!action) action = MakeAction(id, CommandPrompt(id));
        action->setIcon(QIcon(ToolbarIcon(id)));
        m_toolBar->addAction(action);
        // The toolbar shows no tooltips; the status bar carries the prompt.
        if (QWidget* button = m_toolBar->widgetForAction(action)) button->installEventFilter(this);
    }
    QAction* toggle = Action(ID_VIEW_TOOLBAR);
    toggle->setChecked(true);
    connect(m_toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    help::SetClickHelpContext(bar, help::CommandContextBase + int{ID_VIEW_STATUS_BAR});
    // A normal widget gives way to menu prompts and comes back when they go.
    auto* idle = new QLabel(CommandPrompt(IDS_IDLE_MESSAGE), bar);
    bar->addWidget(idle, 1);
    m_indicators = new StatusIndicators(*bar);
    Action(ID_VIEW_STATUS_BAR)->setChecked(true);
}

void CMainFrame::CreateHiddenCommands() {
    // Commands with keys or a toolbar button but no menu item.
    for (int id : {ID_HELP, ID_CONTEXT_HELP, ID_NEXT_PANE, ID_PREV_PANE}) {
        QAction* action = Action(id);
        if (!action) action = MakeAction(id, CommandPrompt(id));
        addAction(action);
    }
}

void CMainFrame::UpdateCaption() {
    // "[*]" stands for the modified mark; one in a file name is doubled to show as itself.
    QString name = m_doc->Title();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(name + QStringLiteral("[*] - Kavrel"));
    setWindowModified(m_doc->IsModified());
}

void CMainFrame::UpdateEditCommands() {
    const bool selection = m_view->textCursor().hasSelection();
    Action(ID_EDIT_CUT)->setEnabled(selection);
    Action(ID_EDIT_COPY)->setEnabled(selection);
    Action(ID_EDIT_CLEAR_ALL)->setEnabled(m_doc->CanClearAll());
}

void CMainFrame::UpdatePasteCommand() {
    const QClipboard* clipboard = QApplication::clipboard();
    const QMimeData* mime = clipboard ? clipboard->mimeData() : nullptr;
    Action(ID_EDIT_PASTE)->setEnabled(mime && mime->hasText());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_doc->SaveModified(this)) {
        event->ignore();
        return;
    }
    event->accept();
    // The help window is a window of its own: left open, it would keep the program running.
    if (help::HelpWindow* window = help::HelpWindow::Instance()) window->close();
}

} // namespace kavrel
