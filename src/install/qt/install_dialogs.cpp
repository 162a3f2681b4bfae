#include "install_dialogs.h"

#include "center_dialog.h"
#include "install_lists.h"
#include "install_texts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace kavrel::install::qt {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void CenterDialog(QWidget& dialog) {
    const QScreen* screen = dialog.screen();
    const QRect area = screen ? screen->geometry() : QRect();
    const auto position =
        CenteredDialogPosition(area.width(), area.height(), dialog.width(), dialog.height());
    dialog.move(area.x() + position.x, area.y() + position.y);
    dialog.setWindowTitle(ToQString(text::kCaptionKavrel));
}

InstallDialog::InstallDialog(const QString& target, std::function<bool(const std::string&)> onOk,
                             QWidget* parent)
    : QDialog(parent), pathField_(new QLineEdit(this)), onOk_(std::move(onOk)) {
    setObjectName("INSTALL");
    auto* layout = new QVBoxLayout(this);
    for (const auto line : {text::kIntroLine1, text::kIntroLine2, text::kIntroLine3})
        layout->addWidget(new QLabel(ToQString(line), this));

    auto* pathRow = new QHBoxLayout;
    auto* pathLabel = new QLabel(ToQString(text::kCopyFilesTo), this);
    pathLabel->setBuddy(pathField_);
    pathField_->setObjectName("pathField");
    pathField_->setMaxLength(static_cast<int>(kMaxTargetLength));
    pathField_->setText(target);
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(pathField_, 1);
    layout->addLayout(pathRow);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(ToQString(text::kOk), this);
    auto* cancel = new QPushButton(ToQString(text::kCancelAccel), this);
    ok->setObjectName("okButton");
    cancel->setObjectName("cancelButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &InstallDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &InstallDialog::reject);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    pathField_->setFocus();
}

void InstallDialog::accept() {
    if (onOk_(pathField_->text().toStdString())) {
        QDialog::accept();
        return;
    }
    pathField_->setFocus();
}

void InstallDialog::showEvent(QShowEvent* event) {
    CenterDialog(*this);
    QDialog::showEvent(event);
}

CopyProgressDialog::CopyProgressDialog(std::function<void()> onCommand, QWidget* parent)
    : QDialog(parent), fileName_(new QLabel(this)), onCommand_(std::move(onCommand)) {
    setObjectName("COPY");
    auto* layout = new QGridLayout(this);
    fileName_->setObjectName("fileName");
    fileName_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 24);
    auto* cancel = new QPushButton(ToQString(text::kCancel), this);
    cancel->setObjectName("cancelButton");
    cancel->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, [this] { onCommand_(); });
    layout->addWidget(new QLabel(ToQString(text::kCopyingFile), this), 0, 0);
    layout->addWidget(fileName_, 0, 1);
    layout->addWidget(cancel, 1, 0, 1, 2, Qt::AlignHCenter);
}

void CopyProgressDialog::showFileName(const QString& name) {
    fileName_->setText(name);
}

void CopyProgressDialog::reject() {
    onCommand_();
}

void CopyProgressDialog::showEvent(QShowEvent* event) {
    CenterDialog(*this);
    QDialog::showEvent(event);
}

void CopyProgressDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    onCommand_();
}

} // namespace kavrel::install::qt
