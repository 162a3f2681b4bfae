// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The installer's user interface with Qt Widgets.

#include "install_platform.h"

#include <QPointer>

namespace kavrel::install::qt {

class CCopyDlg;

// Dialogs and message boxes with Qt Widgets.
class CQtInstallUi final : public IInstallUi {
public:
    bool RunInstallDialog(const std::string& target,
                          const std::function<bool(const std::string&)>& onOk) override;
    std::unique_ptr<ICopyDialog> OpenCopyDialog(std::function<void()> onCommand) override;
    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    bool AskYesNo(std::string_view text, std::string_view caption) override;
    void Beep() override;

private:
    QPointer<CCopyDlg> m_copyDialog;
};

} // namespace kavrel::install::qt
