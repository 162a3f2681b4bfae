// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text window of the results document: the text the user edits and the forms record
// into, kept within the document's limit. Undo and Redo need no check of their own: they only
// go back to texts that were within it, and any new change drops what could be redone.

#include "document/record_target.h"

#include <QPlainTextEdit>

namespace kavrel {

class CKvView : public QPlainTextEdit, public IRecordTarget {
    Q_OBJECT

public:
    explicit CKvView(QWidget* parent = nullptr);

    // The whole text with '\n' line breaks, non-breaking spaces kept.
    QString Text() const;
    // Replaces the text with an opened file's; the undo history and the modified mark go.
    // Every other change is an undo step: typing, Paste, Record, Schedule and Clear All.
    void LoadText(const QString& text);
    // The length of the text with each line break counted as CR LF.
    qsizetype TextLength() const;
    bool IsModified() const;

    // IRecordTarget
    bool InsertRecord(std::string_view block) override;
    void ReplaceText(std::string_view text) override;
    int LineCount() const override;
    bool IsEmpty() const override;
    int OutOfSpaceCount() const override { return m_outOfSpace; }
    void SetOutOfSpaceCount(int count) override { m_outOfSpace = count; }
    void SetModified(bool modified) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Whether replacing the selection with text (line breaks as '\n') keeps within the limit;
    // counts the refusal when it does not.
    bool Fits(QStringView text);
    void InsertAtCursor(const QString& text);
    // Replaces the cursor's selection with text as one undo step of its own, and leaves the
    // insertion point after it.
    void InsertStep(QTextCursor cursor, const QString& text);

    int m_outOfSpace = 0;
};

} // namespace kavrel
