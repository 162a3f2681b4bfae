// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where recorded text goes: the results document, or a buffer on the command line.

#include <string>
#include <string_view>

namespace kavrel {

// A sink for the text that the record operations write.
class ITextSink {
public:
    virtual ~ITextSink() = default;
    virtual void Insert(std::string_view text) = 0;
};

class StringSink : public ITextSink {
public:
    void Insert(std::string_view text) override { m_text.append(text); }
    const std::string& Text() const { return m_text; }
    std::string& Text() { return m_text; }

private:
    std::string m_text;
};

// The document side of Record.
class IRecordTarget {
public:
    virtual ~IRecordTarget() = default;
    // Cancels the selection and inserts a whole block at the insertion point, as one undo step,
    // and marks the document modified. A block that does not fit into the
    // document is not inserted at all: returns false.
    virtual bool InsertRecord(std::string_view block) = 0;

    // The text-window operations of the amortization schedule. The defaults suit a target
    // without a window (a buffer).
    // Replaces the whole text with as much of text as fits (the rest counts as out of space),
    // as one undo step, and moves the insertion point to the start.
    virtual void ReplaceText(std::string_view /*text*/) {}
    virtual int LineCount() const { return 1; }
    virtual bool IsEmpty() const { return true; }
    // How often the window could not take more text.
    virtual int OutOfSpaceCount() const { return 0; }
    virtual void SetOutOfSpaceCount(int /*count*/) {}
    virtual void SetModified(bool /*modified*/) {}
};

} // namespace kavrel
