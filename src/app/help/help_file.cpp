// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help/help_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QResource>
#include <QTextDocumentFragment>

namespace kavrel::help {

namespace {

struct LoadedFile {
    QString path;
    HelpIndex index;
    std::map<QString, QString> texts; // page -> its text without markup, once read
};

LoadedFile& Loaded() {
    static LoadedFile loaded;
    return loaded;
}

QString ReadResource(const QString& name) {
    QFile file(QStringLiteral(":") + QLatin1String(HelpRoot) + u'/' + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// Lines of "number page", "#" starting a comment.
std::map<int, QString> ReadContexts(const QString& text) {
    std::map<int, QString> contexts;
    for (QString line : text.split(u'\n')) {
        line = line.section(u'#', 0, 0).trimmed();
        const QStringList parts = line.split(QRegularExpression(QStringLiteral("\\s+")));
        bool ok = false;
        const int number = parts.value(0).toInt(&ok);
        if (ok && parts.size() >= 2) contexts[number] = parts[1];
    }
    return contexts;
}

// Lines of "page<TAB>title", indented by two blanks per level.
QList<ContentsEntry> ReadContents(const QString& text) {
    QList<ContentsEntry> contents;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#')) continue;
        const qsizetype indent = line.indexOf(trimmed.front());
        contents.push_back({static_cast<int>(indent / 2), trimmed.section(u'\t', 0, 0).trimmed(),
                            trimmed.section(u'\t', 1).trimmed()});
    }
    return contents;
}

} // namespace

const HelpIndex* LoadHelpFile(const QString& path) {
    LoadedFile& loaded = Loaded();
    if (!loaded.path.isEmpty() && loaded.path == path) return &loaded.index;
    if (!loaded.path.isEmpty()) {
        QResource::unregisterResource(loaded.path, QLatin1String(HelpRoot));
        loaded = {};
    }
    if (path.isEmpty() || !QResource::registerResource(path, QLatin1String(HelpRoot)))
        return nullptr;
    HelpIndex index;
    index.path = path;
    index.contexts = ReadContexts(ReadResource(QStringLiteral("contexts.map")));
    index.contents = ReadContents(ReadResource(QStringLiteral("contents.list")));
    if (index.contexts.empty() || index.contents.isEmpty()) {
        QResource::unregisterResource(path, QLatin1String(HelpRoot));
        return nullptr;
    }
    index.homePage = index.contents.front().page;
    loaded = {path, std::move(index)};
    return &loaded.index;
}

QString PageForContext(const HelpIndex& index, int contextNumber) {
    auto it = index.contexts.find(contextNumber);
    return it == index.contexts.end() ? index.homePage : it->second;
}

QUrl PageUrl(const QString& page) {
    return QUrl(QStringLiteral("qrc:") + QLatin1String(HelpRoot) + u'/' + page);
}

QString PageText(const QString& page) {
    const QString name = page.section(u'#', 0, 0);
    std::map<QString, QString>& texts = Loaded().texts;
    auto it = texts.find(name);
    if (it == texts.end())
        it = texts.emplace(name, QTextDocumentFragment::fromHtml(ReadResource(name)).toPlainText())
                 .first;
    return it->second;
}

QList<ContentsEntry> SearchPages(const HelpIndex& index, const QString& query) {
    const QStringList words = query.split(u' ', Qt::SkipEmptyParts);
    QList<ContentsEntry> found;
    if (words.isEmpty()) return found;
    for (const ContentsEntry& entry : index.contents) {
        const QString text = PageText(entry.page);
        bool all = true;
        for (const QString& word : words)
            all = all && text.contains(word, Qt::CaseInsensitive);
        if (all) found.push_back(entry);
    }
    return found;
}

} // namespace kavrel::help
