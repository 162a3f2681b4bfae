#pragma once

#include "install_platform.h"

#include <QPointer>

namespace kavrel::install::qt {

class CopyProgressDialog;

// Dialogs and message boxes with Qt Widgets.
class QtInstallUi final : public InstallUi {
public:
    bool runInstallDialog(const std::string& target,
                          const std::function<bool(const std::string&)>& onOk) override;
    std::unique_ptr<CopyDialog> openCopyDialog(std::function<void()> onCommand) override;
    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    bool askYesNo(std::string_view text, std::string_view caption) override;
    void beep() override;

private:
    QPointer<CopyProgressDialog> copyDialog_;
};

} // namespace kavrel::install::qt
