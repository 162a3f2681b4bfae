#pragma once
// Reads a schedule's payment and annual-totals lines back into numbers, by their columns.

#include "entry/number_text.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::test {

struct ScheduleRow {
    bool totals = false; // an "Annual Totals" line
    int number = 0;
    std::string due;
    long long paid = 0, principal = 0, interest = 0, balance = 0; // cents
};

inline long long Cents(std::string_view line, size_t at, size_t width) {
    return std::llround(LeadingDouble(line.substr(at, width)) * 100);
}

inline std::vector<ScheduleRow> ScheduleRows(std::string_view text) {
    std::vector<ScheduleRow> rows;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 2;
        ScheduleRow row;
        if (line.starts_with("      Annual Totals:")) {
            row.totals = true;
        } else if (line.size() == 65 && line.starts_with("    ") && line[7] != ' ') {
            row.number = static_cast<int>(LeadingInteger(line.substr(4, 4)));
            row.due = std::string(line.substr(12, 8));
            row.balance = Cents(line, 53, 12);
        } else {
            continue;
        }
        row.paid = Cents(line, 20, 11);
        row.principal = Cents(line, 31, 11);
        row.interest = Cents(line, 42, 11);
        rows.push_back(row);
    }
    return rows;
}

} // namespace kavrel::test
