// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results document: its file, title and modified state. The text itself lives in the
// one CKvView.

#include "document/text_file.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace kavrel {

class CKvView;

class CKvDoc : public QObject {
    Q_OBJECT

public:
    static constexpr int RecentFileCount = 4;

    explicit CKvDoc(CKvView& view, QObject* parent = nullptr);

    CKvView& View() const { return m_view; }
    QString PathName() const { return m_pathName; }
    // The file name, or "Untitled" for a document never saved.
    QString Title() const;
    bool IsModified() const;

    // Asks "Save changes to %1?" when the document is modified; false when the user
    // cancels, or the save fails.
    bool SaveModified(QWidget* parent);
    // Loads a file into the text; on any failure reports it and leaves the document as it
    // was.
    bool OpenDocument(const QString& path, QWidget* parent);
    // Saves under path, atomically, in the document's encoding, or in UTF-8 when that cannot
    // store the text (which the status bar is told); a failure is reported naming the file
    // and the reason. Asks first when another program has changed the document's file since
    // it was opened or saved.
    bool SaveDocument(const QString& path, QWidget* parent);
    // Save (asks for a name when there is none) and Save As.
    bool DoSave(QWidget* parent, bool askName);

    // "Clear All": an empty text that does not need saving; Undo brings the text back.
    void ClearAll();
    bool CanClearAll() const;

    // Takes a recovered text as an unsaved untitled document.
    void RestoreText(const QString& text);

    // The most recently opened or saved files, newest first.
    static QStringList RecentFiles();
    // The folder of the file last opened or saved, where Open and Save As start; empty at first.
    static QString LastFolder();

signals:
    void TitleChanged();
    // A word for the status bar about what a command did.
    void StatusMessage(const QString& text);

private:
    // The document is now the file at path, as it is on disk.
    void SetPathName(const QString& path);
    bool ChangedOnDisk(const QString& path) const;
    static void AddToRecentFiles(const QString& path);

    CKvView& m_view;
    QString m_pathName;
    // The file's size and time when last opened or saved.
    qint64 m_fileSize = -1;
    QDateTime m_fileTime;
    // How Save writes the text: as the file was read, UTF-8 for a new document.
    FileEncoding m_encoding = FileEncoding::Utf8;
};

} // namespace kavrel
