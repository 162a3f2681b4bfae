// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The installer's two dialogs, "INSTALL" and "COPY".

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace kavrel::install::qt {

// Places the dialog by CenteredDialogPosition on its screen and gives it its caption.
void CenterDialog(QWidget& dialog);

// "INSTALL": asks for the target directory.
class CInstallDlg final : public QDialog {
    Q_OBJECT
public:
    CInstallDlg(const QString& target, std::function<bool(const std::string&)> onOk,
                QWidget* parent = nullptr);

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* m_pathField;
    std::function<bool(const std::string&)> m_onOk;
};

// "COPY": names the file being copied. Every way of closing it, its button, Escape or the
// window's close box, is a command that asks before anything is cancelled.
class CCopyDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CCopyDlg(std::function<void()> onCommand, QWidget* parent = nullptr);

    void ShowFileName(const QString& name);
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_fileName;
    std::function<void()> m_onCommand;
};

} // namespace kavrel::install::qt
