// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/record.h"

#include "entry/form_model.h"
#include "entry/number_text.h"
#include "resources/strings.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace kavrel {

namespace {

int g_recordWidth = 50;

// Labels and captions are read into 79-character buffers, values into 39.
constexpr size_t LabelLimit = 78;
constexpr size_t ValueLimit = 38;

std::string Fill(int count) {
    return std::string(static_cast<size_t>(std::max(count, 0)), ' ');
}

int Length(std::string_view text) {
    return static_cast<int>(text.size());
}

} // namespace

int RecordWidth() {
    return g_recordWidth;
}

ScopedRecordWidth::ScopedRecordWidth(int width) : m_previous(g_recordWidth) {
    g_recordWidth = width;
}

ScopedRecordWidth::~ScopedRecordWidth() {
    g_recordWidth = m_previous;
}

void RecordTitle(const CFormModel& form, ITextSink& out) {
    std::string caption = form.Caption().substr(0, LabelLimit);
    std::transform(caption.begin(), caption.end(), caption.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    int pad = (RecordWidth() - Length(caption)) / 2;
    out.Insert("\r\n" + Fill(pad) + caption + "\r\n\r\n");
}

void RecordField(const CFormModel& form, FieldTable table, ITextSink& out, int row) {
    if (row < 0 || row >= static_cast<int>(table.size())) return;
    const FieldInfo& field = table[row];
    if (!form.IsEnabled(field.labelId)) return;
    std::string label = form.Text(field.labelId).substr(0, LabelLimit);
    std::string value = form.Text(field.controlId).substr(0, ValueLimit);
    // With a two-line label only its last line shares the line with the value.
    size_t breakAt = label.find('\r');
    int labelWidth =
        breakAt == std::string::npos ? Length(label) : Length(label) - int(breakAt) - 2;
    int pad = RecordWidth() - Length(value) - labelWidth;
    out.Insert(label + Fill(pad) + value + "\r\n");
}

void RecordLine(int labelId, double value, std::string_view text, int limitClass, ITextSink& out) {
    if (labelId == 0) {
        out.Insert("\r\n");
        return;
    }
    std::string_view label = LoadString(labelId);
    std::string shown =
        text.empty() ? FormatFixed(value, LimitsOf(limitClass).digits) : std::string(text);
    int pad = RecordWidth() - Length(shown) - Length(label) - 3;
    out.Insert("   " + std::string(label) + Fill(pad) + shown + "\r\n");
}

void RecordCashFlows(const CFormModel& form, FieldTable table, ITextSink& out, double periods,
                     std::span<const double> cashOut, std::span<const double> cashIn) {
    if (table.size() >= 2)
        out.Insert(form.Text(table[1].labelId).substr(0, LabelLimit) + "\r\n\r\n");
    out.Insert("   Period       CF Out           CF In\r\n\r\n");
    for (int i = 0; i < periods; ++i) {
        double paidOut = i < int(cashOut.size()) ? cashOut[i] : 0.0;
        double paidIn = i < int(cashIn.size()) ? cashIn[i] : 0.0;
        out.Insert("   " + FormatInt(i, 3) + FormatFixedWidth(paidOut, 16, 0) +
                   FormatFixedWidth(paidIn, 16, 0) + "\r\n");
    }
    out.Insert("\r\n");
}

} // namespace kavrel
