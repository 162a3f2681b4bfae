// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/kv_view.h"

#include "document/text_file.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

namespace kavrel {

namespace {

// A selection's text marks its line breaks with the paragraph separator.
qsizetype SelectionLength(const QTextCursor& cursor) {
    const QString selected = cursor.selectedText();
    return selected.size() + selected.count(QChar::ParagraphSeparator);
}

QString PlainText(std::string_view bytes) {
    QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// The text a key press would type; Enter types a line break whatever its modifiers.
QString TypedText(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return QStringLiteral("\n");
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return {};
    const QString text = event.text();
    if (text.isEmpty() || !(text.at(0).isPrint() || text.at(0) == u'\t')) return {};
    return text;
}

// Closes an undo step; undoing or redoing it changes nothing.
class StepEnd : public QAbstractUndoItem {
public:
    void undo() override {}
    void redo() override {}
};

} // namespace

CKvView::CKvView(QWidget* parent) : QPlainTextEdit(parent) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWhatsThis(tr("The results document. Every Record of a form adds its block at the "
                    "insertion point; the text can be edited, saved and printed."));
}

QString CKvView::Text() const {
    // The raw text keeps non-breaking spaces that toPlainText() would turn into blanks.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

void CKvView::LoadText(const QString& text) {
    setPlainText(text);
    document()->setModified(false);
}

qsizetype CKvView::TextLength() const {
    const QTextDocument* doc = document();
    // characterCount() holds one separator per block, the last of which is no character.
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

bool CKvView::IsModified() const {
    return document()->isModified();
}

void CKvView::SetModified(bool modified) {
    document()->setModified(modified);
}

int CKvView::LineCount() const {
    return document()->blockCount();
}

bool CKvView::IsEmpty() const {
    return document()->isEmpty();
}

bool CKvView::Fits(QStringView text) {
    const qsizetype length = TextLength() - SelectionLength(textCursor()) + FileLength(text);
    if (length <= MaxDocumentLength) return true;
    ++m_outOfSpace;
    return false;
}

void CKvView::InsertStep(QTextCursor cursor, const QString& text) {
    cursor.beginEditBlock();
    cursor.insertText(text);
    // Typing right after the text would join its step, and one Undo would take both away.
    document()->appendUndoItem(new StepEnd);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

bool CKvView::InsertRecord(std::string_view block) {
    // The selection is cancelled, not replaced: the insertion point stays at its end.
    QTextCursor cursor = textCursor();
    cursor.setPosition(cursor.selectionEnd());
    setTextCursor(cursor);
    ensureCursorVisible();
    const QString text = PlainText(block);
    if (TextLength() + FileLength(text) > MaxDocumentLength) return false;
    InsertStep(cursor, text);
    return true;
}

void CKvView::ReplaceText(std::string_view text) {
    QString plain = PlainText(text);
    if (FileLength(plain) > MaxDocumentLength) {
        ++m_outOfSpace;
        // Keep the longest start that fits, counting each line break twice.
        qsizetype length = 0;
        qsizetype end = 0;
        for (; end < plain.size(); ++end) {
            length += plain.at(end) == u'\n' ? 2 : 1;
            if (length > MaxDocumentLength) break;
        }
        plain.truncate(end);
    }
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    InsertStep(cursor, plain);
    moveCursor(QTextCursor::Start);
    ensureCursorVisible();
}

void CKvView::keyPressEvent(QKeyEvent* event) {
    const QString typed = TypedText(*event);
    if (typed.isEmpty()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (isReadOnly() || !Fits(typed)) return;
    // A plain line break in place of the soft one Shift+Enter would make.
    if (typed == u"\n") {
        InsertAtCursor(typed);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CKvView::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && !Fits(event->commitString())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void CKvView::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText() || isReadOnly()) return;
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (Fits(text)) InsertStep(textCursor(), text);
}

void CKvView::InsertAtCursor(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.insertText(text);
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace kavrel
