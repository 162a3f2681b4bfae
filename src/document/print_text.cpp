// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/print_text.h"

#include "entry/number_text.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include <algorithm>

namespace kavrel {

namespace {

constexpr int ScheduleProbeLines = 51;
constexpr int ScheduleProbeColumns = 80;
constexpr int ScheduleColumns = 68;
constexpr int TabWidth = 8;

const char* const ScheduleHeading[] = {
    "   Payment  Payment              Principal  Interest    Remaining",
    "   Number   Due Date   Payment    Portion   Portion     Principal",
    "   -------  --------  ---------  ---------  ---------  ----------",
};

QString ExpandTabs(const QString& line) {
    if (!line.contains(u'\t')) return line;
    QString out;
    for (QChar c : line) {
        if (c == u'\t')
            out.append(QString(TabWidth - out.size() % TabWidth, u' '));
        else
            out.append(c);
    }
    return out;
}

// The printed lines: each text line cut into pieces of at most columns characters.
QStringList PrintLines(const QString& text, int columns) {
    QStringList lines;
    for (const QString& raw : text.split(u'\n')) {
        const QString line = ExpandTabs(raw);
        if (line.isEmpty()) {
            lines << line;
            continue;
        }
        for (qsizetype at = 0; at < line.size(); at += columns)
            lines << line.mid(at, columns);
    }
    return lines;
}

} // namespace

bool HoldsSchedule(QStringView text) {
    qsizetype start = 0;
    for (int line = 0; line < ScheduleProbeLines && start <= text.size(); ++line) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0) end = text.size();
        const QStringView probe =
            text.mid(start, std::min<qsizetype>(end - start, ScheduleProbeColumns));
        if (probe.contains(u"Payment  Payment")) return true;
        start = end + 1;
    }
    return false;
}

QFont PrinterFont() {
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(font).fixedPitch()) return font;
    QFont fallback = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fallback.setPointSize(10);
    return fallback;
}

int PrintText(const QString& text, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    painter.setFont(PrinterFont());
    const QFontMetrics metrics = painter.fontMetrics();
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    const int pageWidth = printer.width();
    const int pageHeight = printer.height();

    int leftMargin = dpiX * 3 / 4;
    const int topMargin = dpiY / 2;
    const bool schedule = HoldsSchedule(text);
    if (schedule)
        leftMargin = std::max(0, (pageWidth - ScheduleColumns * metrics.averageCharWidth()) / 2);

    const int lineHeight = metrics.height() + metrics.leading();
    const int left = leftMargin;
    const int right = pageWidth;
    const int top = topMargin;
    // Page 1's bottom places the page numbers of every page.
    const int bottom = pageHeight - topMargin;
    const int charWidth = std::max(1, metrics.horizontalAdvance(u'M'));
    const int columns = std::max(1, (right - left) / charWidth);
    const int linesPerPage = std::max(1, (bottom - top) / lineHeight);
    const int headingLines = schedule ? static_cast<int>(std::size(ScheduleHeading)) : 0;
    const int linesAfterFirst = std::max(1, linesPerPage - headingLines);

    const QStringList lines = PrintLines(text, columns);
    const qsizetype rest = std::max<qsizetype>(0, lines.size() - linesPerPage);
    const int pages = 1 + static_cast<int>((rest + linesAfterFirst - 1) / linesAfterFirst);

    int from = 1;
    int to = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(pages, printer.toPage() > 0 ? printer.toPage() : pages);
    }

    bool first = true;
    qsizetype next = 0;
    for (int page = 1; page <= pages; ++page) {
        const int count = page == 1 ? linesPerPage : linesAfterFirst;
        const bool shown = page >= from && page <= to;
        if (shown) {
            if (!first) printer.newPage();
            first = false;
            int y = top;
            if (page > 1 && schedule) {
                for (const char* heading : ScheduleHeading) {
                    painter.drawText(left, y + metrics.ascent(), QString::fromLatin1(heading));
                    y += lineHeight;
                }
            }
            for (qsizetype i = next; i < next + count && i < lines.size(); ++i) {
                painter.drawText(left, y + metrics.ascent(), lines.at(i));
                y += lineHeight;
            }
            const QString number = QString::fromStdString(FormatInt(page));
            // Kept on the page however small the margin.
            const int x =
                std::min(right - leftMargin / 2, right - metrics.horizontalAdvance(number));
            painter.drawText(x, bottom + lineHeight + metrics.ascent(), number);
        }
        next += count;
    }
    painter.end();
    return pages;
}

} // namespace kavrel
