// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's command handlers.

#include "app/command_ids.h"
#include "app/forms/form_dialog.h"
#include "app/help/click_help.h"
#include "app/help/help.h"
#include "app/main_frame.h"
#include "catalog/form_catalog.h"
#include "document/kv_doc.h"
#include "document/kv_view.h"
#include "document/print_text.h"
#include "resources/strings.h"

#include <QAction>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace kavrel {

namespace {

QString StringText(int id) {
    const std::string_view text = LoadString(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void CMainFrame::OnCommand(int id) {
    switch (id) {
    case ID_FILE_OPEN:
        OnFileOpen();
        break;
    case ID_FILE_SAVE:
        m_doc->DoSave(this, false);
        break;
    case ID_FILE_SAVE_AS:
        m_doc->DoSave(this, true);
        break;
    case ID_FILE_PRINT:
        OnFilePrint();
        break;
    case ID_FILE_PRINT_PREVIEW:
        OnFilePrintPreview();
        break;
    case ID_FILE_PRINT_SETUP:
        OnFilePrintSetup();
        break;
    case ID_APP_EXIT:
        close();
        break;
    case ID_EDIT_CLEAR_ALL:
        m_doc->ClearAll();
        break;
    case ID_EDIT_UNDO:
        m_view->undo();
        break;
    case ID_EDIT_REDO:
        m_view->redo();
        break;
    case ID_EDIT_CUT:
        m_view->cut();
        break;
    case ID_EDIT_COPY:
        m_view->copy();
        break;
    case ID_EDIT_PASTE:
        m_view->paste();
        break;
    case ID_VIEW_TOOLBAR:
        m_toolBar->setVisible(!m_toolBar->isVisible());
        Action(id)->setChecked(m_toolBar->isVisible());
        break;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(!statusBar()->isVisible());
        Action(id)->setChecked(statusBar()->isVisible());
        break;
    case ID_NEXT_PANE:
    case ID_PREV_PANE:
        // One pane only: the text window.
        m_view->setFocus();
        break;
    case ID_APP_ABOUT:
        OnAppAbout();
        break;
    case ID_HELP_INDEX:
    case ID_HELP_USING:
    case ID_HELP_OVERVIEW:
    case ID_HELP_EXAMPLES:
    case ID_HELP:
    case ID_CONTEXT_HELP:
        OnHelp(id);
        break;
    default:
        OnFormCommand(id);
        break;
    }
}

void CMainFrame::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open"), CKvDoc::LastFolder(),
                                                      tr("Kavrel files (*.txt);;All files (*)"));
    if (path.isEmpty() || !m_doc->SaveModified(this)) return;
    m_doc->OpenDocument(path, this);
}

QPrinter& CMainFrame::Printer() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void CMainFrame::OnFilePrint() {
    QPrintDialog dialog(&Printer(), this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() == QDialog::Accepted) PrintText(m_view->Text(), Printer());
}

void CMainFrame::OnFilePrintPreview() {
    QPrintPreviewDialog preview(&Printer(), this);
    const QString text = m_view->Text();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&text](QPrinter* printer) { PrintText(text, *printer); });
    preview.exec();
}

void CMainFrame::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

void CMainFrame::OnAppAbout() {
    QMessageBox box(this);
    box.setWindowTitle(tr("About Kavrel"));
    box.setIconPixmap(windowIcon().pixmap(48, 48));
    box.setText(QStringLiteral("Kavrel, 4.0, Financial Analysis Tools"));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void CMainFrame::OnHelp(int id) {
    switch (id) {
    case ID_HELP_INDEX:
        help::ShowContents(this);
        break;
    case ID_HELP_USING:
        help::ShowUsingHelp(this);
        break;
    case ID_HELP_OVERVIEW:
        help::ShowTopic(this, help::OverviewContext);
        break;
    case ID_HELP_EXAMPLES:
        help::ShowTopic(this, help::ExamplesContext);
        break;
    case ID_CONTEXT_HELP:
        help::EnterClickForHelp();
        break;
    default:
        // F1 outside a menu (within one it opens the highlighted command's topic).
        help::ShowContents(this);
        break;
    }
}

void CMainFrame::OnFormCommand(int id) {
    const FormEntry* entry = FindFormByCommand(id);
    if (!entry) return;
    const std::unique_ptr<CFormModel> model = entry->create();
    const bool schedule = entry->slug == "loan-amortization";
    if (schedule) m_view->SetOutOfSpaceCount(0);
    const FormResult result = RunFormDialog(*model, m_view, this);
    // The schedule replaces the text and keeps what fits; the loss is reported here.
    if (schedule && result == FormResult::Ok) {
        if (m_view->OutOfSpaceCount() > 0)
            QMessageBox::critical(this, StringText(IDS_APP_NAME), StringText(IDS_DOCUMENT_FULL));
        m_view->SetOutOfSpaceCount(0);
        m_view->SetModified(true);
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && qobject_cast<QToolButton*>(watched)) return true;
    // F1 on a highlighted menu item opens that command's topic.
    if (event->type() == QEvent::KeyPress) {
        auto* menu = qobject_cast<QMenu*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (menu && key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            const QAction* action = menu->activeAction();
            const int id = action ? action->data().toInt() : 0;
            if (id > 0) {
                for (QMenu* open : findChildren<QMenu*>())
                    open->hide();
                QTimer::singleShot(
                    0, this, [this, id] { help::ShowTopic(this, help::CommandContextBase + id); });
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kavrel
