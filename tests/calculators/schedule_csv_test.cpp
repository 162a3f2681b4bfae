// SPDX-License-Identifier: GPL-3.0-or-later
// The exported schedule, read by a strict RFC 4180 reader, holds the printed payments one by one
// in fields a spreadsheet types as numbers and ISO dates; the document's length limit does not
// apply to it.
#include "calculators/loan_amortization/amortization_schedule.h"
#include "calculators/loan_amortization/schedule_csv.h"
#include "entry/number_text.h"

#include <gtest/gtest.h>

#include <regex>

namespace kavrel {
namespace {

using Records = std::vector<std::vector<std::string>>;

// Every record ends in CR LF; a field is quoted (with "" for a quote) or holds no quote, CR or
// LF. Empty on any fault.
Records ParseCsv(std::string_view text) {
    Records records(1, std::vector<std::string>(1));
    bool quoted = false, closed = false;
    for (size_t i = 0; i < text.size(); ++i) {
        std::string& field = records.back().back();
        const char c = text[i];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else
                quoted = false, closed = true;
        } else if (c == ',') {
            records.back().emplace_back();
            closed = false;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            records.emplace_back(1);
            closed = false;
            ++i;
        } else if (c == '"' && field.empty() && !closed) {
            quoted = true;
        } else if (c == '"' || c == '\r' || c == '\n' || closed) {
            return {};
        } else {
            field += c;
        }
    }
    if (quoted || records.back() != std::vector<std::string>(1)) return {};
    records.pop_back();
    return records;
}

// Any payment will do: the export must hold whatever the schedule prints.
ScheduleTerms Loan(int perYear, int n, double principal) {
    ScheduleTerms terms;
    terms.today = CDate(1, 15, 2001);
    terms.firstDue = CDate(1, 31, 2001);
    terms.periodsPerYear = perYear;
    terms.payments = n;
    terms.annualRatePercent = 6;
    terms.principal = principal;
    terms.payment = principal / n * 1.4;
    return terms;
}

TEST(ScheduleCsv, HoldsThePrintedPayments) {
    const std::regex amount("-?[0-9]+\\.[0-9]{2}");
    for (const auto& [perYear, n] : {std::pair{12, 360}, {52, 104}, {1, 20}}) {
        SCOPED_TRACE(testing::Message() << n << " payments, " << perYear << " a year");
        const ScheduleTerms terms = Loan(perYear, n, 100000);
        std::string text;
        ASSERT_TRUE(AppendSchedule(terms, text));
        const Records records = ParseCsv(ScheduleCsv(terms));
        ASSERT_EQ(records.size(), static_cast<size_t>(n) + 1);
        EXPECT_EQ(records[0], (std::vector<std::string>{"Number", "Due Date", "Payment",
                                                        "Principal", "Interest", "Balance"}));
        size_t k = 1;
        for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            const std::string_view line(text.data() + start, end - start);
            if (line.size() != 65 || !line.starts_with("    ") || line[7] == ' ') continue;
            ASSERT_LT(k, records.size());
            const std::vector<std::string>& r = records[k++];
            ASSERT_EQ(r.size(), 6u);
            EXPECT_EQ(r[0], std::to_string(k - 1));
            // " 2/28/01" printed, 2001-02-28 exported.
            EXPECT_EQ(LeadingInteger(r[1].substr(5, 2)), LeadingInteger(line.substr(12, 2)));
            EXPECT_EQ(r[1].substr(8, 2) + r[1].substr(2, 2),
                      std::string(line.substr(15, 2)) + std::string(line.substr(18, 2)));
            const size_t at[] = {20, 31, 42, 53}, width[] = {11, 11, 11, 12};
            for (int column = 2; column < 6; ++column) {
                std::string printed(line.substr(at[column - 2], width[column - 2]));
                printed.erase(0, printed.find_first_not_of(' '));
                EXPECT_TRUE(std::regex_match(r[column], amount)) << r[column];
                EXPECT_EQ(r[column], printed);
            }
        }
        EXPECT_EQ(k, records.size());
    }
    const ScheduleTerms tooLong = Loan(12, 900, 100000);
    std::string text;
    ASSERT_FALSE(AppendSchedule(tooLong, text));
    EXPECT_EQ(ParseCsv(ScheduleCsv(tooLong)).size(), 901u);
}

} // namespace
} // namespace kavrel
