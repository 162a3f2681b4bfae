#include "cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace kavrel {
namespace {

using test::RunCli;
using Args = std::vector<std::string>;

// One recorded field line: the label, blanks, and the value ending in column 50.
std::string Line(const std::string& label, const std::string& value) {
    return label + std::string(50 - label.size() - value.size(), ' ') + value + "\r\n";
}

// The words of a command line, split at blanks.
Args Words(const std::string& line) {
    std::istringstream words(line);
    return {std::istream_iterator<std::string>(words), {}};
}

Args CompoundWith(const std::string& line) {
    return Words("compound-interest " + line);
}

TEST(CompoundCli, RecordsTheFieldsAsRecordWould) {
    auto run = RunCli(CompoundWith("number-of-periods=40 annual-rate=8 present-value=1000"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    // 1000 x (1 + 0.08 / 4)^40 = 2208.0397
    const std::string fields =
        Line("Compounding Periods per Year:", "4") + Line("Number of Periods:", "40.000") +
        Line("Annual Rate (%):", "8.000") + Line("Present Value ($):", "1000.00") +
        Line("Future Value ($):", "2208.04");
    ASSERT_TRUE(run.out.starts_with("\r\n"));
    ASSERT_TRUE(run.out.ends_with(fields));
    std::string title = run.out.substr(2, run.out.size() - 2 - fields.size());
    title.erase(0, title.find_first_not_of(' '));
    EXPECT_EQ(title, "COMPOUND INTEREST\r\n\r\n");
}

struct SolveCase {
    const char* name;
    const char* args;
    const char* unknown;
    const char* expected;
};

TEST(CompoundCli, SolvesEachUnknown) {
    // Worked out by hand: ln 2 / ln 1.02 = 35.0028; 2000 / 1.02^40 = 905.78;
    // (2208.04 / 1000)^(1/40) = 1.02000 gives 8 %.
    const SolveCase cases[] = {
        {"future value", "number-of-periods=40 annual-rate=8 present-value=1000", "future-value",
         "2208.04"},
        {"periods", "--solve number-of-periods present-value=1000 future-value=2000 annual-rate=8",
         "number-of-periods", "35.003"},
        {"rate", "--solve annual-rate number-of-periods=40 present-value=1000 future-value=2208.04",
         "annual-rate", "8.000"},
        {"present value",
         "--solve present-value number-of-periods=40 annual-rate=8 future-value=2000",
         "present-value", "905.78"},
        {"options after the pairs still come first",
         "present-value=1000 future-value=2000 annual-rate=8 --solve=number-of-periods",
         "number-of-periods", "35.003"},
        {"the last pair of a key wins",
         "present-value=5 number-of-periods=40 annual-rate=8 present-value=1000", "future-value",
         "2208.04"},
    };
    for (const SolveCase& c : cases) {
        auto run = RunCli(CompoundWith(c.args + std::string(" --json")));
        ASSERT_EQ(run.status, 0) << c.name << ": " << run.err;
        auto json = run.Json();
        EXPECT_EQ(json["fields"][c.unknown], c.expected) << c.name;
        EXPECT_EQ(json["fields"]["compounding-periods-per-year"], "4") << c.name;
        EXPECT_TRUE(json["messages"].empty()) << c.name;
        ASSERT_TRUE(json["record"].is_string()) << c.name;
        EXPECT_NE(json["record"].get<std::string>().find(c.expected), std::string::npos) << c.name;
    }
}

struct StopCase {
    const char* args;
    const char* message;
    const char* emptied; // the unknown that the failed result leaves empty, or nullptr
};

TEST(CompoundCli, CalculateThatStopsFailsWithItsMessage) {
    const char* limits = "Unknown exceeds preset limits...";
    const StopCase cases[] = {
        // FV equal to PV, FV below PV, an overflowing power, FV above 1e10, PV below 0.01
        {"--solve number-of-periods present-value=1000 future-value=1000 annual-rate=8", limits,
         "number-of-periods"},
        {"--solve annual-rate number-of-periods=40 present-value=1000 future-value=900", limits,
         "annual-rate"},
        {"compounding-periods-per-year=1 number-of-periods=999999 annual-rate=9999 "
         "present-value=1000",
         limits, "future-value"},
        {"number-of-periods=100 annual-rate=100 present-value=1000", limits, "future-value"},
        {"--solve present-value number-of-periods=999999 annual-rate=10 future-value=1", limits,
         "present-value"},
        {"number-of-periods=40 annual-rate=8", "Please enter data...", nullptr},
        {"number-of-periods=40 annual-rate=8 present-value=0", "Number exceeds preset limits...",
         nullptr},
    };
    for (const StopCase& c : cases) {
        auto plain = RunCli(CompoundWith(c.args));
        EXPECT_EQ(plain.status, 1) << c.args;
        EXPECT_EQ(plain.out, "") << c.args;
        EXPECT_EQ(plain.err, std::string(c.message) + "\n") << c.args;

        auto run = RunCli(CompoundWith(c.args + std::string(" --json")));
        EXPECT_EQ(run.status, 1) << c.args;
        auto json = run.Json();
        EXPECT_TRUE(json["record"].is_null()) << c.args;
        EXPECT_EQ(json["messages"], nlohmann::json::array({c.message})) << c.args;
        if (c.emptied) {
            EXPECT_EQ(json["fields"][c.emptied], "") << c.args;
        }
    }
}

TEST(CompoundCli, RejectedKeystrokeStopsTheRun) {
    const struct {
        const char* args;
        const char* err;
    } cases[] = {
        {"present-value=1x annual-rate=8", "Character 'x' not accepted in present-value\n"},
        {"number-of-periods=12.3456", "Character '6' not accepted in number-of-periods\n"},
        {"annual-rate=e5", "Character 'e' not accepted in annual-rate\n"},
        {"present-value=-5", "Character '-' not accepted in present-value\n"},
        {"present-value=1e+5+", "Character '+' not accepted in present-value\n"},
        {"present-value=1\u0663", "Character '\u0663' not accepted in present-value\n"},
        {"present-value=1\xD9", "Character '\\xD9' not accepted in present-value\n"},
        {"compounding-periods-per-year=0 annual-rate=x", "Number is too small...\n"},
        {"compounding-periods-per-year=99999", "Number is too large...\n"},
    };
    for (const auto& c : cases) {
        auto run = RunCli(CompoundWith(c.args));
        EXPECT_EQ(run.status, 1) << c.err;
        EXPECT_EQ(run.out, "") << c.err;
        EXPECT_EQ(run.err, c.err);
    }
}

TEST(CompoundCli, UsageErrorsNameTheProblem) {
    const struct {
        Args args;
        const char* problem;
    } cases[] = {
        {{}, "no form named"},
        {{"nosuch"}, "unknown form 'nosuch'"},
        {{"compound-interest", "bogus=1"}, "unknown key 'bogus'"},
        {{"compound-interest", "present-value=1x", "bogus=1"}, "unknown key 'bogus'"},
        {{"compound-interest", "sub-form.key=1"}, "unknown key 'sub-form.key'"},
        {{"compound-interest", "present-value"}, "malformed pair 'present-value'"},
        {{"compound-interest", "=5"}, "malformed pair '=5'"},
        {{"compound-interest", "future-value=5"}, "'future-value' is the unknown"},
        {{"compound-interest", "--solve", "compounding-periods-per-year"}, "can't be the unknown"},
        {{"compound-interest", "--solve", "nokey"}, "unknown key 'nokey'"},
        {{"compound-interest", "--solve"}, "--solve needs a KEY"},
        {{"compound-interest", "--today", "2/30/2001"}, "--today needs a valid date"},
        {{"compound-interest", "--frob"}, "unknown option '--frob'"},
        {{"--list", "compound-interest"}, "--list takes no form"},
        {{"--batch", "compound-interest"}, "--batch takes no form"},
    };
    for (const auto& c : cases) {
        auto run = RunCli(c.args);
        EXPECT_EQ(run.status, 2) << c.problem;
        EXPECT_EQ(run.out, "") << c.problem;
        EXPECT_NE(run.err.find(c.problem), std::string::npos) << run.err;
        // Nothing is typed before the command line has been checked.
        EXPECT_EQ(run.err.find("not accepted"), std::string::npos) << run.err;
    }
}

TEST(CompoundCli, ListsFormsInTheOrderOfTheCommandLine) {
    const Args order = Words(
        "compound-interest loan lease save sinking-fund unequal-payments discounted-cash-flow "
        "simple-interest bank-discount loan-amortization corporate-bond treasury-bond "
        "certificate-of-deposit discounted-note date-arithmetic refinance-mortgage "
        "prepay-mortgage purchased-mortgage income-from-savings");
    auto run = RunCli({"--list"});
    ASSERT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string line;
    auto next = order.begin();
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        ASSERT_EQ(std::count(line.begin(), line.end(), '\t'), 1) << line;
        std::string slug = line.substr(0, line.find('\t'));
        next = std::find(next, order.end(), slug);
        ASSERT_NE(next, order.end()) << "out of order or unknown: " << slug;
    }
    EXPECT_GE(count, 1);
    EXPECT_TRUE(run.out.starts_with("compound-interest\tCompound Interest\n"));
}

TEST(CompoundCli, FieldsGiveKeyControlLabelAndKind) {
    auto run = RunCli({"compound-interest", "--fields"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "compounding-periods-per-year\t10\tCompounding Periods per Year:\tinput\n"
                       "number-of-periods\t11\tNumber of Periods:\tinput,unknown\n"
                       "annual-rate\t12\tAnnual Rate (%):\tinput,unknown\n"
                       "present-value\t13\tPresent Value ($):\tinput,unknown\n"
                       "future-value\t14\tFuture Value ($):\tinput,unknown\n");
}

TEST(CompoundCli, HelpExplainsWithAnExample) {
    for (const Args& args : {Args{"--help"}, Args{"compound-interest", "--help"}}) {
        auto run = RunCli(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find("Example"), std::string::npos);
        EXPECT_NE(run.out.find("present-value"), std::string::npos);
    }
}

} // namespace
} // namespace kavrel
