// SPDX-License-Identifier: GPL-3.0-or-later
// What each run answers is in the golden runs; here, what only a long-lived process shows: a
// run leaves no date behind, and a long batch no memory.
#include "catalog/form_catalog.h"
#include "cli/batch.h"
#include "cli_run.h"
#include "entry/date.h"

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's allocator answers for the heap (GCC ships no header that declares it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace kavrel {
namespace {

size_t LiveHeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

// Hands out a cycle of problems line after line, noting the live heap at two lines.
class ProblemStream : public std::streambuf {
public:
    ProblemStream(int lines, int firstSample) : m_lines(lines), m_firstSample(firstSample) {}
    size_t heapAtFirstSample = 0, heapAtLast = 0;

protected:
    int_type underflow() override {
        if (m_line == m_lines) return traits_type::eof();
        static const std::string cycle[] = {
            R"({"form": "compound-interest", "fields": {"number-of-periods": "40", )"
            R"("annual-rate": "8", "present-value": "1000"}})",
            R"({"form": "loan", "fields": {"number-of-payments": "48", "annual-rate": "7", )"
            R"("present-value": "20000"}})",
            R"({"form": "unequal-payments", "fields": {"periodic-payments": "1x"}})",
            R"({"form": "refinance-mortgage", "fields": {"current-loan-data.annual-rate": "x"}})",
        };
        ++m_line;
        if (m_line == m_firstSample) heapAtFirstSample = LiveHeapBytes();
        if (m_line == m_lines) heapAtLast = LiveHeapBytes();
        m_text = cycle[m_line % std::size(cycle)] + "\n";
        setg(m_text.data(), m_text.data(), m_text.data() + m_text.size());
        return traits_type::to_int_type(m_text.front());
    }

private:
    int m_lines, m_firstSample, m_line = 0;
    std::string m_text;
};

// Counts the answers and throws them away.
class AnswerCounter : public std::streambuf {
public:
    int answers = 0;

protected:
    int_type overflow(int_type c) override {
        answers += c == '\n';
        return traits_type::not_eof(c);
    }
};

TEST(BatchCli, TodayIsFixedForTheRunOnly) {
    const test::CliRun run = test::RunCli({"loan-amortization", "--today", "2/29/2000", "--json"});
    EXPECT_EQ(run.Json()["fields"]["first-payment-due-date"], "2/29/2000");
    CDate clock;
    clock.SetToday();
    EXPECT_FALSE(clock.IsSameDate(CDate(2, 29, 2000)));
}

TEST(BatchCli, MemoryStaysFlatOverALongBatch) {
    // The sanitizers make each problem slow; the Release bench runs 100,000 lines.
    constexpr int lines = 1200;
    ProblemStream problems(lines, 300);
    AnswerCounter counter;
    std::istream in(&problems);
    std::ostream out(&counter);
    EXPECT_EQ(cli::RunBatch(in, out, FormCatalog()), 0);
    EXPECT_EQ(counter.answers, lines);
    EXPECT_LE(problems.heapAtLast, problems.heapAtFirstSample + 4096)
        << "grew from " << problems.heapAtFirstSample;
}

} // namespace
} // namespace kavrel
