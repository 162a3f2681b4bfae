// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing the document: "Courier New" 10 pt within the margins, the schedule's heading
// repeated on every page after the first, and a page number under the text.

#include <QFont>
#include <QString>

class QPrinter;

namespace kavrel {

// Whether one of the first 51 lines (their first 80 characters) holds the heading of an
// amortization schedule.
bool HoldsSchedule(QStringView text);

// "Courier New" 10 pt, or the system's fixed-pitch font where that is missing.
QFont PrinterFont();

// Paints text (line breaks as '\n') page by page, honouring the printer's page range;
// returns the number of pages of the whole text, 0 when the printer could not be started.
int PrintText(const QString& text, QPrinter& printer);

} // namespace kavrel
