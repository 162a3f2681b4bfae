// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help data file: a Qt binary resource holding the HTML pages, the index of context
// numbers and the contents list. It is mapped into the resource tree under HelpRoot.

#include <QList>
#include <QString>
#include <QUrl>

#include <map>

namespace kavrel::help {

inline constexpr char HelpRoot[] = "/kavrel-help";

struct ContentsEntry {
    int depth = 0; // 0 for a chapter, 1 for a page within it
    QString page;
    QString title;
};

struct HelpIndex {
    QString path;                    // the file it was read from
    std::map<int, QString> contexts; // context number -> page, maybe with "#anchor"
    QList<ContentsEntry> contents;
    QString homePage; // the first entry of the contents
};

// Maps the file into the resource tree (replacing a file loaded before) and reads its index.
// nullptr when the file is missing, unreadable or holds no index.
const HelpIndex* LoadHelpFile(const QString& path);

// The page of a context number; the home page for a number the file does not know.
QString PageForContext(const HelpIndex& index, int contextNumber);
QUrl PageUrl(const QString& page);
QString PageText(const QString& page); // the page's text without markup
// Pages whose text holds every word of the query, in contents order.
QList<ContentsEntry> SearchPages(const HelpIndex& index, const QString& query);

} // namespace kavrel::help
