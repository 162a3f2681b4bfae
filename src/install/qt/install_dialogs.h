#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace kavrel::install::qt {

// Places the dialog by CenteredDialogPosition on its screen and gives it its caption.
void CenterDialog(QWidget& dialog);

// "INSTALL": asks for the target directory.
class InstallDialog final : public QDialog {
    Q_OBJECT
public:
    InstallDialog(const QString& target, std::function<bool(const std::string&)> onOk,
                  QWidget* parent = nullptr);

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* pathField_;
    std::function<bool(const std::string&)> onOk_;
};

// "COPY": names the file being copied. Every way of closing it, its button, Escape or the
// window's close box, is a command that asks before anything is cancelled.
class CopyProgressDialog final : public QDialog {
    Q_OBJECT
public:
    explicit CopyProgressDialog(std::function<void()> onCommand, QWidget* parent = nullptr);

    void showFileName(const QString& name);
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* fileName_;
    std::function<void()> onCommand_;
};

} // namespace kavrel::install::qt
