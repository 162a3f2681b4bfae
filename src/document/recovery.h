// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recovery after a crash: while the document has unsaved changes its text is copied into a
// folder of the user's data, one copy for each running program, and the next start offers the
// copies that programs no longer running have left there.

#include <QDir>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>

class QLockFile;
class QWidget;

namespace kavrel {

class CKvDoc;

class CRecovery : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds DefaultDelay{30000};

    // The copies' folder in the user's data folder.
    static QString DefaultFolder();

    // Copies the unsaved text into folder at most delay after each change, and never more often
    // than once each delay, for as long as the program runs.
    CRecovery(CKvDoc& doc, const QString& folder, std::chrono::milliseconds delay = DefaultDelay);
    // The program ends in order: its copy goes.
    ~CRecovery() override;

    // Asks about each copy left by a program no longer running, newest first: Yes restores it
    // as an unsaved untitled document and asks no more (the other copies wait for the next
    // start), No discards it.
    void OfferLeftCopies(QWidget* parent);

private:
    void Update();
    void WriteCopy();
    QString FilePath(const QString& id, const QString& suffix) const;

    CKvDoc& m_doc;
    QDir m_folder;
    // Names this program's files: its process ID, and its start time should the ID be reused.
    QString m_id;
    // Held while the program runs, so that others leave its copy alone; without it no copy is
    // kept.
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_timer;
};

} // namespace kavrel
