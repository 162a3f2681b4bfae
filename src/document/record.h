// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four record operations with which every form writes its block into the document.

#include "document/record_target.h"
#include "entry/field_info.h"

#include <span>
#include <string_view>

namespace kavrel {

class CFormModel;

// The width of every recorded line: 50, or 63 while a worksheet records.
int RecordWidth();

// Sets RecordWidth for its own lifetime and restores the previous width however the scope
// is left.
class ScopedRecordWidth {
public:
    explicit ScopedRecordWidth(int width);
    ~ScopedRecordWidth();
    ScopedRecordWidth(const ScopedRecordWidth&) = delete;
    ScopedRecordWidth& operator=(const ScopedRecordWidth&) = delete;

private:
    int m_previous;
};

// An empty line, the form's caption upper-cased and centred, and an empty line.
void RecordTitle(const CFormModel& form, ITextSink& out);

// One line for a row of the form's field table: the label, fill, and the field's text ending
// in the last column. Nothing when the row's label is disabled.
void RecordField(const CFormModel& form, FieldTable table, ITextSink& out, int row);

// One indented line from a string-table label and a text, or the value in its class format
// when the text is empty. Label ID 0 writes an empty line.
void RecordLine(int labelId, double value, std::string_view text, int limitClass, ITextSink& out);
inline void RecordLine(int labelId, double value, std::string_view text, LimitClass limit,
                       ITextSink& out) {
    RecordLine(labelId, value, text, static_cast<int>(limit), out);
}

// The cash-flow table of a form: its second row's label, a heading and one line per period.
// Periods beyond the series (a Calculate stopped part-way) are written as 0.
void RecordCashFlows(const CFormModel& form, FieldTable table, ITextSink& out, double periods,
                     std::span<const double> cashOut, std::span<const double> cashIn);

} // namespace kavrel
