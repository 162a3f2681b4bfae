#include "cli_run.h"

#include "cli/batch.h"

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's allocator answers for the heap (GCC ships no header that declares it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace kavrel {
namespace {

using test::RunCli;
using Args = std::vector<std::string>;
using Json = nlohmann::ordered_json;

struct BatchRow {
    std::string line;
    int exit;
    Args args;          // the same problem on the command line (with --json); none: a bad line
    std::string expect; // the error of a bad line, or a message the answer must hold
};

// clang-format off
const BatchRow Rows[] = {
    // Fields are typed in the order written: Annually after 4 sets 1 payment a year.
    {R"({"form": "loan", "solve": "periodic-payment", "today": "6/15/2024", "fields": )"
     R"({"payments-per-year": "4", "compounding-period-is": "Annually", )"
     R"("number-of-payments": "48", "annual-rate": "7", "present-value": "20000"}})", 0,
     {"loan", "--solve", "periodic-payment", "--today", "6/15/2024", "payments-per-year=4",
      "compounding-period-is=Annually", "number-of-payments=48", "annual-rate=7",
      "present-value=20000"}},
    {"", 0, {}, ""},
    {"  \r", 0, {}, ""},
    {"not json", 2, {}, "kavrel-calc: not a JSON object"},
    {R"(["compound-interest"])", 2, {}, "kavrel-calc: not a JSON object"},
    {R"({"form": "nosuch"})", 2, {}, "kavrel-calc: unknown form 'nosuch'"},
    {R"({"fields": {}})", 2, {}, "kavrel-calc: no form named (kavrel-calc --list shows them)"},
    {R"({"form": "compound-interest", "solv": "annual-rate"})", 2, {},
     "kavrel-calc: unknown member 'solv' (form, solve, today and fields are known)"},
    {R"({"form": "compound-interest", "fields": {"present-value": 1000}})", 2, {},
     "kavrel-calc: the value of 'present-value' must be a string"},
    {R"({"form": "compound-interest", "fields": {"bogus": "1"}})", 2, {},
     "kavrel-calc: unknown key 'bogus'"},
    {std::string(1 << 16, ' ') + "{}", 2, {}, "kavrel-calc: line longer than 65536 bytes"},
    // Answers are JSON whatever the text: escapes, and UTF-8, good or not.
    {R"({"form": "compound-interest", "fields": {"\\\"\t\u0001": "1"}})", 2, {},
     "kavrel-calc: unknown key '\\\"\t\x01'"},
    {"{\"form\": \"compound-interest\", \"fields\": {\"pr\xc3\xa9sent\": \"1\"}}", 2, {},
     "kavrel-calc: unknown key 'pr\xc3\xa9sent'"},
    {R"({"form": "compound-interest", "fields": {"present-value": "\u00e9"}})", 1,
     {"compound-interest", "present-value=\xc3\xa9"}, ""},
    // A list line typed long in one problem leaves no memory that lets "x" pass in the next.
    {R"({"form": "unequal-payments", "fields": {"annual-rate": "8", "periodic-payments": "1000.00"}})", 0,
     {"unequal-payments", "annual-rate=8", "periodic-payments=1000.00"}},
    {R"({"form": "unequal-payments", "fields": {"periodic-payments": "x"}})", 1,
     {"unequal-payments", "periodic-payments=x"}, "Character 'x' not accepted in periodic-payments"},
    {R"({"form": "compound-interest", "fields": {"number-of-periods": "40"}})", 1,
     {"compound-interest", "number-of-periods=40"}, "Please enter data..."},
};
// clang-format on

TEST(BatchCli, AnswersEveryLineInOrderAsTheCommandLineWould) {
    std::string input;
    for (const BatchRow& row : Rows)
        input += row.line + "\n";
    input.pop_back(); // the last line may end without a line break
    auto batch = RunCli({"--batch"}, FormCatalog(), input);
    EXPECT_EQ(batch.status, 0);
    EXPECT_EQ(batch.err, "");
    std::istringstream answers(batch.out);
    std::string answerLine;
    for (size_t i = 0; i < std::size(Rows); ++i) {
        const BatchRow& row = Rows[i];
        if (row.line.find_first_not_of(" \r") == std::string::npos) continue;
        ASSERT_TRUE(std::getline(answers, answerLine)) << "no answer to line " << i + 1;
        Json answer = Json::parse(answerLine);
        EXPECT_EQ(answer.dump(-1, ' ', false, Json::error_handler_t::replace), answerLine);
        EXPECT_EQ(answer["line"], i + 1);
        EXPECT_EQ(answer["exit"], row.exit) << answerLine;
        if (row.args.empty()) {
            EXPECT_EQ(answer.size(), 3u) << answerLine;
            EXPECT_EQ(answer["error"], row.expect);
            continue;
        }
        if (!row.expect.empty()) {
            EXPECT_EQ(answer["messages"], Json::array({row.expect})) << answerLine;
        }
        Args args = row.args;
        args.push_back("--json");
        auto alone = RunCli(args);
        EXPECT_EQ(alone.status, row.exit);
        answer.erase("line");
        answer.erase("exit");
        EXPECT_EQ(answer.dump() + "\n", alone.out);
    }
    EXPECT_FALSE(std::getline(answers, answerLine)) << answerLine;
}

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
            R"({"form": "nosuch"})",
            "not json",
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
