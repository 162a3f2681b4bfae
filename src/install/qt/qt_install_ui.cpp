// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_install_ui.h"

#include "install_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace kavrel::install::qt {

namespace {

// Message texts keep their CR LF line ends; Qt wants plain line feeds.
QString MessageText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

class CQtCopyDialog final : public ICopyDialog {
public:
    explicit CQtCopyDialog(CCopyDlg* dialog) : m_dialog(dialog) {}
    ~CQtCopyDialog() override { delete m_dialog; }

    void ShowFileName(const std::string& name) override {
        m_dialog->ShowFileName(QString::fromStdString(name));
    }
    void ProcessPendingEvents() override { QCoreApplication::processEvents(); }

private:
    CCopyDlg* m_dialog;
};

} // namespace

bool CQtInstallUi::RunInstallDialog(const std::string& target,
                                    const std::function<bool(const std::string&)>& onOk) {
    CInstallDlg dialog(QString::fromStdString(target), onOk);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<ICopyDialog> CQtInstallUi::OpenCopyDialog(std::function<void()> onCommand) {
    auto* dialog = new CCopyDlg(std::move(onCommand));
    m_copyDialog = dialog;
    dialog->show();
    return std::make_unique<CQtCopyDialog>(dialog);
}

void CQtInstallUi::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    const auto qtIcon = icon == MessageIcon::Warning    ? QMessageBox::Warning
                        : icon == MessageIcon::Question ? QMessageBox::Question
                                                        : QMessageBox::NoIcon;
    QMessageBox box(qtIcon, MessageText(caption), MessageText(text), QMessageBox::Ok);
    box.exec();
}

bool CQtInstallUi::AskYesNo(std::string_view text, std::string_view caption) {
    return QMessageBox::question(m_copyDialog, MessageText(caption), MessageText(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void CQtInstallUi::Beep() {
    QApplication::beep();
}

} // namespace kavrel::install::qt
