// SPDX-License-Identifier: GPL-3.0-or-later
#include "install_dialogs.h"

#include "center_dialog.h"
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
    dialog.setWindowTitle(ToQString(text::CaptionKavrel));
}

CInstallDlg::CInstallDlg(const QString& target, std::function<bool(const std::string&)> onOk,
                         QWidget* parent)
    : QDialog(parent), m_pathField(new QLineEdit(this)), m_onOk(std::move(onOk)) {
    setObjectName("INSTALL");
    auto* layout = new QVBoxLayout(this);
    for (const auto line : {text::IntroLine1, text::IntroLine2, text::IntroLine3})
        layout->addWidget(new QLabel(ToQString(line), this));

    auto* pathRow = new QHBoxLayout;
    auto* pathLabel = new QLabel(ToQString(text::CopyFilesTo), this);
    pathLabel->setBuddy(m_pathField);
    m_pathField->setObjectName("pathField");
    // No length limit: a longer path is refused by the check, never cut short.
    m_pathField->setText(target);
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(m_pathField, 1);
    layout->addLayout(pathRow);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(ToQString(text::OkButton), this);
    auto* cancel = new QPushButton(ToQString(text::CancelAccelButton), this);
    ok->setObjectName("okButton");
    cancel->setObjectName("cancelButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CInstallDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CInstallDlg::reject);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    m_pathField->setFocus();
}

void CInstallDlg::accept() {
    if (m_onOk(m_pathField->text().toStdString())) {
        QDialog::accept();
        return;
    }
    m_pathField->setFocus();
}

void CInstallDlg::showEvent(QShowEvent* event) {
    CenterDialog(*this);
    QDialog::showEvent(event);
}

CCopyDlg::CCopyDlg(std::function<void()> onCommand, QWidget* parent)
    : QDialog(parent), m_fileName(new QLabel(this)), m_onCommand(std::move(onCommand)) {
    setObjectName("COPY");
    auto* layout = new QGridLayout(this);
    m_fileName->setObjectName("fileName");
    m_fileName->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 24);
    auto* cancel = new QPushButton(ToQString(text::CancelButton), this);
    cancel->setObjectName("cancelButton");
    cancel->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, [this] { m_onCommand(); });
    layout->addWidget(new QLabel(ToQString(text::CopyingFile), this), 0, 0);
    layout->addWidget(m_fileName, 0, 1);
    layout->addWidget(cancel, 1, 0, 1, 2, Qt::AlignHCenter);
}

void CCopyDlg::ShowFileName(const QString& name) {
    m_fileName->setText(name);
}

void CCopyDlg::reject() {
    m_onCommand();
}

void CCopyDlg::showEvent(QShowEvent* event) {
    CenterDialog(*this);
    QDialog::showEvent(event);
}

void CCopyDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    m_onCommand();
}

} // namespace kavrel::install::qt
