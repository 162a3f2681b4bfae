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

class QtCopyDialog final : public CopyDialog {
public:
    explicit QtCopyDialog(CopyProgressDialog* dialog) : dialog_(dialog) {}
    ~QtCopyDialog() override { delete dialog_; }

    void showFileName(const std::string& name) override {
        dialog_->showFileName(QString::fromStdString(name));
    }
    void processPendingEvents() override { QCoreApplication::processEvents(); }

private:
    CopyProgressDialog* dialog_;
};

} // namespace

bool QtInstallUi::runInstallDialog(const std::string& target,
                                   const std::function<bool(const std::string&)>& onOk) {
    InstallDialog dialog(QString::fromStdString(target), onOk);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<CopyDialog> QtInstallUi::openCopyDialog(std::function<void()> onCommand) {
    auto* dialog = new CopyProgressDialog(std::move(onCommand));
    copyDialog_ = dialog;
    dialog->show();
    return std::make_unique<QtCopyDialog>(dialog);
}

void QtInstallUi::showMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    const auto qtIcon = icon == MessageIcon::Warning    ? QMessageBox::Warning
                        : icon == MessageIcon::Question ? QMessageBox::Question
                                                        : QMessageBox::NoIcon;
    QMessageBox box(qtIcon, MessageText(caption), MessageText(text), QMessageBox::Ok);
    box.exec();
}

bool QtInstallUi::askYesNo(std::string_view text, std::string_view caption) {
    return QMessageBox::question(copyDialog_, MessageText(caption), MessageText(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void QtInstallUi::beep() {
    QApplication::beep();
}

} // namespace kavrel::install::qt
