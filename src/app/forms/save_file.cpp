// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/forms/save_file.h"

#include "app/forms/form_feedback.h"

#include <QByteArray>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace kavrel {

namespace {

QString& LastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

} // namespace

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& suggestedName) {
    const QString suffix = QFileInfo(suggestedName).suffix();
    QFileDialog dialog(parent, title, LastFolder());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("%1 files (*.%2)").arg(suffix.toUpper(), suffix));
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    LastFolder() = QFileInfo(path).absolutePath();
    return path;
}

bool WriteFileOrTell(QWidget* parent, const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written) TellNotWritten(parent, path);
    return written;
}

bool SaveBytesAs(QWidget* parent, const QString& title, const QString& suggestedName,
                 const QByteArray& bytes) {
    const QString path = AskSaveFileName(parent, title, suggestedName);
    return !path.isEmpty() && WriteFileOrTell(parent, path, bytes);
}

void TellNotWritten(QWidget* parent, const QString& path) {
    PresentMessage(
        parent,
        QStringLiteral("The file %1 could not be written.").arg(QDir::toNativeSeparators(path)),
        MessageIcon::Stop);
}

} // namespace kavrel
