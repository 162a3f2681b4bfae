// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help/help_window.h"

#include "app/help/help_file.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kavrel::help {

namespace {

QPointer<HelpWindow>& TheWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

constexpr int PageRole = Qt::UserRole;

} // namespace

HelpWindow* HelpWindow::Instance() {
    return TheWindow();
}

HelpWindow* HelpWindow::Open(const HelpIndex& index) {
    QPointer<HelpWindow>& window = TheWindow();
    if (window && window->m_index.path != index.path)
        delete window; // made from a help file that has been replaced since
    if (!window) window = new HelpWindow(index);
    window->StayUsableOverModalDialogs();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

HelpWindow::HelpWindow(const HelpIndex& index) : m_index(index) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Kavrel Help"));
    resize(760, 560);

    m_browser = new QTextBrowser;
    m_browser->setOpenExternalLinks(false);
    m_browser->setAccessibleName(QStringLiteral("Help topic"));

    m_contents = new QTreeWidget;
    m_contents->setHeaderHidden(true);
    m_contents->setAccessibleName(QStringLiteral("Contents"));
    FillContents();

    m_searchField = new QLineEdit;
    m_searchField->setPlaceholderText(QStringLiteral("Words to find"));
    m_searchField->setAccessibleName(QStringLiteral("Search"));
    m_searchField->setClearButtonEnabled(true);
    m_results = new QListWidget;
    m_results->setAccessibleName(QStringLiteral("Topics found"));
    auto* searchPanel = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPanel);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(m_searchField);
    searchLayout->addWidget(m_results);

    m_tabs = new QTabWidget;
    m_tabs->addTab(m_contents, QStringLiteral("&Contents"));
    m_tabs->addTab(searchPanel, QStringLiteral("&Search"));

    auto* splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 540});
    setCentralWidget(splitter);

    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    QAction* back = bar->addAction(QStringLiteral("&Back"), m_browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    QAction* forward =
        bar->addAction(QStringLiteral("&Forward"), m_browser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    bar->addAction(QStringLiteral("C&ontents"), this, [this] {
        ShowContentsTab();
        ShowPage(m_index.homePage);
    });

    connect(m_contents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { ShowPage(item->data(0, PageRole).toString()); });
    connect(m_contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ShowPage(item->data(0, PageRole).toString()); });
    connect(m_searchField, &QLineEdit::returnPressed, this, &HelpWindow::RunSearch);
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(PageRole).toString()); });
    connect(m_results, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(PageRole).toString()); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);
}

void HelpWindow::FillContents() {
    QList<QTreeWidgetItem*> parents;
    for (const ContentsEntry& entry : m_index.contents) {
        const int depth = std::min<int>(entry.depth, static_cast<int>(parents.size()));
        parents.resize(depth);
        auto* item =
            depth == 0 ? new QTreeWidgetItem(m_contents) : new QTreeWidgetItem(parents.back());
        item->setText(0, entry.title);
        item->setData(0, PageRole, entry.page);
        parents.push_back(item);
    }
    m_contents->expandAll();
}

void HelpWindow::RunSearch() {
    m_results->clear();
    const QList<ContentsEntry> found = SearchPages(m_index, m_searchField->text());
    for (const ContentsEntry& entry : found) {
        auto* item = new QListWidgetItem(entry.title, m_results);
        item->setData(PageRole, entry.page);
    }
    if (found.isEmpty()) m_results->addItem(QStringLiteral("No topic holds these words."));
}

void HelpWindow::ShowPage(const QString& page) {
    if (!page.isEmpty()) m_browser->setSource(PageUrl(page));
}

void HelpWindow::ShowContentsTab() {
    m_tabs->setCurrentIndex(0);
}

// A window opened from a modal form would be blocked by it; while the form is open the help
// window is its child window, and it goes back to being on its own when the form ends.
void HelpWindow::StayUsableOverModalDialogs() {
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!modal || modal == parentWidget()) return;
    const bool shown = isVisible();
    setParent(modal, Qt::Window);
    if (shown) show();
    connect(
        modal, &QDialog::finished, this,
        [this, modal] {
            QWidget* outer = modal->parentWidget() ? modal->parentWidget()->window() : nullptr;
            const bool visible = isVisible();
            setParent(outer && outer->isModal() ? outer : nullptr, Qt::Window);
            if (visible) show();
        },
        Qt::SingleShotConnection);
}

} // namespace kavrel::help
