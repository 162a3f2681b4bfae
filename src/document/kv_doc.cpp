// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/kv_doc.h"

#include "document/kv_view.h"
#include "document/text_file.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

namespace kavrel {

namespace {

const QString RecentGroup = QStringLiteral("Recent File List");
const QString LastFolderKey = QStringLiteral("Last Folder");

QString AppName() {
    return QStringLiteral("Kavrel");
}

QString FileLine(const QString& path, const QString& reason) {
    return QDir::toNativeSeparators(path) + QStringLiteral("\n") + reason;
}

} // namespace

CKvDoc::CKvDoc(CKvView& view, QObject* parent) : QObject(parent), m_view(view) {}

QString CKvDoc::Title() const {
    return m_pathName.isEmpty() ? tr("Untitled") : QFileInfo(m_pathName).fileName();
}

bool CKvDoc::IsModified() const {
    return m_view.IsModified();
}

void CKvDoc::SetPathName(const QString& path) {
    m_pathName = QFileInfo(path).absoluteFilePath();
    const QFileInfo file(m_pathName);
    m_fileSize = file.size();
    m_fileTime = file.lastModified();
    AddToRecentFiles(m_pathName);
    QSettings().setValue(LastFolderKey, file.absolutePath());
    emit TitleChanged();
}

bool CKvDoc::ChangedOnDisk(const QString& path) const {
    if (m_pathName.isEmpty() || QFileInfo(path).absoluteFilePath() != m_pathName) return false;
    const QFileInfo file(m_pathName);
    return file.exists() && (file.size() != m_fileSize || file.lastModified() != m_fileTime);
}

void CKvDoc::RestoreText(const QString& text) {
    m_view.LoadText(text);
    m_view.SetModified(true);
    m_encoding = FileEncoding::Utf8;
    m_pathName.clear();
    emit TitleChanged();
}

bool CKvDoc::SaveModified(QWidget* parent) {
    if (!IsModified()) return true;
    const QString name = m_pathName.isEmpty() ? Title() : QDir::toNativeSeparators(m_pathName);
    const auto answer = QMessageBox::question(
        parent, AppName(), tr("Save changes to %1?").arg(name),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::No) return true;
    return DoSave(parent, false);
}

bool CKvDoc::OpenDocument(const QString& path, QWidget* parent) {
    QString text;
    QString error;
    FileEncoding encoding = FileEncoding::Utf8;
    switch (ReadTextFile(path, text, error, &encoding)) {
    case ReadStatus::TooLarge:
        QMessageBox::warning(parent, AppName(), tr("The file is too large to open."));
        return false;
    case ReadStatus::NotRegular:
        QMessageBox::warning(parent, AppName(),
                             tr("'%1' is not a regular file and cannot be opened.")
                                 .arg(QDir::toNativeSeparators(path)));
        return false;
    case ReadStatus::Failed:
        QMessageBox::warning(parent, AppName(),
                             tr("Failed to open document.") + QStringLiteral("\n\n") +
                                 FileLine(path, error));
        return false;
    case ReadStatus::Ok:
        break;
    }
    m_view.LoadText(text);
    m_encoding = encoding;
    SetPathName(path);
    return true;
}

bool CKvDoc::SaveDocument(const QString& path, QWidget* parent) {
    if (ChangedOnDisk(path) &&
        QMessageBox::warning(parent, AppName(),
                             tr("'%1' has changed on disk since it was opened. Save over it?")
                                 .arg(QDir::toNativeSeparators(m_pathName)),
                             QMessageBox::Save | QMessageBox::Cancel,
                             QMessageBox::Cancel) != QMessageBox::Save)
        return false;
    const QString text = m_view.Text();
    std::optional<QByteArray> bytes = EncodeFileText(text, m_encoding);
    const bool asUtf8 = !bytes;
    if (asUtf8) bytes = EncodeFileText(text);
    QString error;
    if (!WriteFileBytes(path, *bytes, error)) {
        QMessageBox::warning(parent, AppName(),
                             tr("Failed to save document.") + QStringLiteral("\n\n") +
                                 FileLine(path, error));
        return false;
    }
    if (asUtf8) {
        // Only Windows-1252 lacks characters; the file is UTF-8 from now on.
        m_encoding = FileEncoding::Utf8;
        emit StatusMessage(
            tr("Saved as UTF-8: the text holds characters Windows-1252 cannot store."));
    }
    m_view.SetModified(false);
    SetPathName(path);
    return true;
}

bool CKvDoc::DoSave(QWidget* parent, bool askName) {
    QString path = m_pathName;
    if (askName || path.isEmpty()) {
        const QString name =
            path.isEmpty() ? Title() + QStringLiteral(".txt") : QFileInfo(path).fileName();
        const QString folder = LastFolder();
        QFileDialog dialog(parent, tr("Save As"),
                           folder.isEmpty() ? name : QDir(folder).filePath(name),
                           tr("Kavrel files (*.txt)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        path = dialog.selectedFiles().constFirst();
    }
    return SaveDocument(path, parent);
}

void CKvDoc::ClearAll() {
    // One undo step, unlike clear(), which would drop the undo history with the text.
    m_view.ReplaceText({});
    m_view.SetModified(false);
}

bool CKvDoc::CanClearAll() const {
    return !m_view.IsEmpty();
}

QStringList CKvDoc::RecentFiles() {
    QSettings settings;
    settings.beginGroup(RecentGroup);
    QStringList files;
    for (int i = 1; i <= RecentFileCount; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty()) files << file;
    }
    return files;
}

QString CKvDoc::LastFolder() {
    return QSettings().value(LastFolderKey).toString();
}

void CKvDoc::AddToRecentFiles(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > RecentFileCount)
        files.removeLast();
    QSettings settings;
    settings.beginGroup(RecentGroup);
    settings.remove(QString());
    for (int i = 0; i < files.size(); ++i)
        settings.setValue(QStringLiteral("File%1").arg(i + 1), files.at(i));
}

} // namespace kavrel
