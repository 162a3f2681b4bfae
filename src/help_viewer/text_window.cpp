// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_viewer/text_window.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>

namespace kavrel::help {

namespace {

QString DecodeText(const QByteArray& bytes) {
    return QString::fromUtf8(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

CTextWindow* CTextWindow::Open(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return nullptr;
    auto* window = new CTextWindow(path, DecodeText(file.readAll()));
    window->show();
    return window;
}

CTextWindow::CTextWindow(const QString& path, const QString& text)
    : m_text(new QPlainTextEdit(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QFileInfo(path).fileName() + QStringLiteral(" - Kavrel Help"));
    m_text->setReadOnly(true);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(text);
    m_text->setAccessibleName(QStringLiteral("Text"));
    setCentralWidget(m_text);
    const QFontMetrics metrics(m_text->font());
    resize(metrics.horizontalAdvance(QLatin1Char('x')) * 84, metrics.lineSpacing() * 36);
}

QString CTextWindow::Text() const {
    return m_text->toPlainText();
}

} // namespace kavrel::help
