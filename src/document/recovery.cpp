// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/recovery.h"

#include "document/kv_doc.h"
#include "document/kv_view.h"
#include "document/text_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QLockFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTextDocument>

namespace kavrel {

namespace {

const QString CopySuffix = QStringLiteral(".txt");
const QString LockSuffix = QStringLiteral(".lock");

// A copy holds the name of the document's file (percent-encoded; empty when it had none) on a
// line of its own, then the text as a document file holds it.
QByteArray CopyBytes(const QString& name, const QString& text) {
    return name.toUtf8().toPercentEncoding() + '\n' + EncodeFileText(text);
}

bool ReadCopy(const QString& path, QString& name, QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    const qsizetype end = bytes.indexOf('\n');
    if (end < 0) return false;
    name = QString::fromUtf8(QByteArray::fromPercentEncoding(bytes.left(end)));
    text = DecodeFileText(bytes.mid(end + 1));
    return FileLength(text) <= MaxDocumentLength;
}

} // namespace

QString CRecovery::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

CRecovery::CRecovery(CKvDoc& doc, const QString& folder, std::chrono::milliseconds delay)
    : m_doc(doc), m_folder(folder), m_id(QStringLiteral("%1-%2")
                                             .arg(QCoreApplication::applicationPid())
                                             .arg(QDateTime::currentMSecsSinceEpoch())) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(delay);
    connect(&m_timer, &QTimer::timeout, this, &CRecovery::WriteCopy);
    if (!QDir().mkpath(folder)) return;
    auto lock = std::make_unique<QLockFile>(FilePath(m_id, LockSuffix));
    if (!lock->tryLock(0)) return;
    m_lock = std::move(lock);
    const QTextDocument* text = m_doc.View().document();
    connect(text, &QTextDocument::contentsChanged, this, &CRecovery::Update);
    connect(text, &QTextDocument::modificationChanged, this, &CRecovery::Update);
    Update();
}

CRecovery::~CRecovery() {
    if (m_lock) QFile::remove(FilePath(m_id, CopySuffix));
}

QString CRecovery::FilePath(const QString& id, const QString& suffix) const {
    return m_folder.filePath(id + suffix);
}

void CRecovery::Update() {
    if (!m_doc.IsModified()) {
        m_timer.stop();
        QFile::remove(FilePath(m_id, CopySuffix));
    } else if (!m_timer.isActive()) {
        // Not restarted by later changes: steady typing would put the copy off for good.
        m_timer.start();
    }
}

void CRecovery::WriteCopy() {
    m_timer.stop();
    const QString name = m_doc.PathName().isEmpty() ? QString() : m_doc.Title();
    // A copy that cannot be written is tried again after the next change.
    QString error;
    WriteFileBytes(FilePath(m_id, CopySuffix), CopyBytes(name, m_doc.View().Text()), error);
}

void CRecovery::OfferLeftCopies(QWidget* parent) {
    if (!m_lock) return;
    QStringList seen;
    const QFileInfoList files = m_folder.entryInfoList(
        {QLatin1Char('*') + CopySuffix, QLatin1Char('*') + LockSuffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        const QString id = file.completeBaseName();
        if (id == m_id || seen.contains(id)) continue;
        seen << id;
        QLockFile lock(FilePath(id, LockSuffix));
        // A program holds its lock for as long as it runs, however long that is.
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) continue;
        // A lock without a copy is simply removed with its QLockFile.
        const QString copy = FilePath(id, CopySuffix);
        QString name;
        QString text;
        if (!ReadCopy(copy, name, text)) continue;
        QString when = QLocale().toString(QFileInfo(copy).lastModified(), QLocale::ShortFormat);
        if (!name.isEmpty()) when = name + QStringLiteral(", ") + when;
        const auto answer = QMessageBox::question(
            parent, QStringLiteral("Kavrel"),
            tr("Kavrel found unsaved work from a session that ended unexpectedly (%1). "
               "Restore it?")
                .arg(when),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes) {
            m_doc.RestoreText(text);
            // This program's copy takes over before the old one goes.
            WriteCopy();
            QFile::remove(copy);
            return;
        }
        QFile::remove(copy);
    }
}

} // namespace kavrel
