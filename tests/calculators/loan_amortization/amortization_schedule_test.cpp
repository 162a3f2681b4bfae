#include "calculators/loan_amortization/amortization_schedule.h"
#include "calculators/loan_amortization/schedule_csv.h"
#include "schedule_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>

namespace kavrel {
namespace {

using test::ScheduleRow;
using test::ScheduleRows;

// The level payment, worked out from the closed form and rounded to cents as the form shows it.
double LevelPayment(double principal, double annualRate, int perYear, int n, double balloon) {
    const double i = annualRate / perYear / 100;
    const double v = std::pow(1 + i, -n);
    return std::round((principal - balloon * v) / ((1 - v) / i) * 100) / 100;
}

ScheduleTerms Loan(int perYear, const char* frequency, int n, double rate, double principal,
                   double balloon, CDate firstDue) {
    ScheduleTerms terms;
    terms.preparedFor = "Test";
    terms.today = CDate(1, 15, 2001);
    terms.firstDue = firstDue;
    terms.periodsPerYear = perYear;
    terms.frequencyName = frequency;
    terms.payments = n;
    terms.annualRatePercent = rate;
    terms.principal = principal;
    terms.balloon = balloon;
    terms.payment = LevelPayment(principal, rate, perYear, n, balloon);
    return terms;
}

struct LoanCase {
    const char* name;
    int perYear;
    const char* frequency;
    int n;
    double rate, principal, balloon;
};

const LoanCase Loans[] = {
    {"thirty_years_monthly", 12, "Monthly", 360, 7.5, 250000, 0},
    {"ten_years_weekly", 52, "Weekly", 520, 9.0, 80000, 0},
    {"biweekly_with_balloon", 26, "Biweekly", 130, 8.25, 40000, 10000},
    {"quarterly", 4, "Quarterly", 80, 6.0, 120000, 0},
    {"semiannual_negative_balloon", 2, "Semiannually", 30, 10.0, 50000, -500},
    {"annual", 1, "Annually", 25, 5.5, 90000, 0},
};

TEST(ScheduleInvariants, BalancesPortionsAndTotalsAgree) {
    for (const LoanCase& c : Loans) {
        SCOPED_TRACE(c.name);
        const ScheduleTerms terms =
            Loan(c.perYear, c.frequency, c.n, c.rate, c.principal, c.balloon, CDate(3, 10, 2001));
        std::string text;
        ASSERT_TRUE(AppendSchedule(terms, text));
        const std::vector<ScheduleRow> rows = ScheduleRows(text);

        long long balance = std::llround(c.principal * 100);
        long long linePrincipal = 0, totalsPrincipal = 0, totalsCount = 0;
        long long sinceTotals[3] = {0, 0, 0};
        int linesSinceTotals = 0, number = 0;
        const ScheduleRow* last = nullptr;
        for (const ScheduleRow& row : rows) {
            if (row.totals) {
                // The totals sum unrounded amounts: each printed line is off by half a cent at
                // most.
                const long long slack = linesSinceTotals / 2 + 1;
                EXPECT_LE(std::llabs(row.paid - sinceTotals[0]), slack);
                EXPECT_LE(std::llabs(row.principal - sinceTotals[1]), slack);
                EXPECT_LE(std::llabs(row.interest - sinceTotals[2]), slack);
                totalsPrincipal += row.principal;
                ++totalsCount;
                sinceTotals[0] = sinceTotals[1] = sinceTotals[2] = 0;
                linesSinceTotals = 0;
                continue;
            }
            EXPECT_EQ(row.number, ++number);
            EXPECT_LE(std::llabs(balance - row.principal - row.balance), 1) << row.number;
            EXPECT_LE(std::llabs(row.principal + row.interest - row.paid), 1) << row.number;
            if (row.number < c.n) {
                EXPECT_EQ(row.paid, std::llround(terms.payment * 100));
            }
            balance = row.balance;
            linePrincipal += row.principal;
            sinceTotals[0] += row.paid;
            sinceTotals[1] += row.principal;
            sinceTotals[2] += row.interest;
            ++linesSinceTotals;
            last = &row;
        }
        ASSERT_NE(last, nullptr);
        EXPECT_EQ(number, c.n);
        EXPECT_EQ(last->balance, 0);
        // The last payment is the balance after n - 1 payments (closed form) with its interest:
        // the balloon and what the rounded payment left over.
        const double i = c.rate / c.perYear / 100;
        const double g = std::pow(1 + i, c.n - 1);
        const double owed = g * (c.principal - terms.payment * (1 - 1 / g) / i);
        EXPECT_NEAR(last->paid / 100.0, owed * (1 + i), 0.011);
        const long long principal = std::llround(c.principal * 100);
        EXPECT_LE(std::llabs(linePrincipal - principal), c.n / 2 + 1);
        if (c.perYear == 1) {
            EXPECT_EQ(text.find("Annual Totals"), std::string::npos);
        } else {
            EXPECT_TRUE(rows.back().totals);
            EXPECT_LE(std::llabs(totalsPrincipal - principal), totalsCount);
        }
    }
}

// The records of a CSV text read as RFC 4180 says, strictly: every record ends in CR LF, a
// field is either quoted (with "" for a quote) or holds no quote, CR or LF. Empty on any fault.
std::vector<std::vector<std::string>> ParseCsv(std::string_view text) {
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
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
            records.push_back(std::vector<std::string>(1));
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
    // The last record ends in CR LF, which leaves one empty record behind it.
    if (quoted || records.back() != std::vector<std::string>(1)) return {};
    records.pop_back();
    return records;
}

// The CSV holds what the schedule prints, payment by payment, in fields that a spreadsheet
// types as numbers and dates; the document's limit on the schedule's length does not apply.
TEST(ScheduleCsv, ParsesIntoThePrintedPayments) {
    const std::regex amount("-?[0-9]+\\.[0-9]{2}");
    for (const LoanCase& c : Loans) {
        SCOPED_TRACE(c.name);
        const ScheduleTerms terms =
            Loan(c.perYear, c.frequency, c.n, c.rate, c.principal, c.balloon, CDate(1, 31, 2001));
        std::string text;
        ASSERT_TRUE(AppendSchedule(terms, text));
        std::vector<ScheduleRow> printed = ScheduleRows(text);
        std::erase_if(printed, [](const ScheduleRow& row) { return row.totals; });
        const auto records = ParseCsv(ScheduleCsv(terms));
        ASSERT_EQ(records.size(), printed.size() + 1);
        EXPECT_EQ(records[0], (std::vector<std::string>{"Number", "Due Date", "Payment",
                                                        "Principal", "Interest", "Balance"}));
        for (size_t k = 0; k < printed.size(); ++k) {
            const std::vector<std::string>& r = records[k + 1];
            ASSERT_EQ(r.size(), 6u) << k;
            EXPECT_EQ(r[0], std::to_string(printed[k].number));
            // " 2/28/01" printed, 2001-02-28 exported.
            const std::string& due = printed[k].due;
            EXPECT_EQ(r[1].size(), 10u);
            EXPECT_EQ(LeadingInteger(r[1].substr(5, 2)), LeadingInteger(due.substr(0, 2)));
            EXPECT_EQ(r[1].substr(8, 2) + r[1].substr(2, 2), due.substr(3, 2) + due.substr(6, 2));
            const long long cents[] = {printed[k].paid, printed[k].principal, printed[k].interest,
                                       printed[k].balance};
            for (int column = 2; column < 6; ++column) {
                EXPECT_TRUE(std::regex_match(r[column], amount)) << r[column];
                EXPECT_EQ(std::llround(LeadingDouble(r[column]) * 100), cents[column - 2]);
            }
        }
    }
    const ScheduleTerms tooLong = Loan(12, "Monthly", 900, 6, 100000, 0, CDate(1, 1, 2001));
    std::string text;
    ASSERT_FALSE(AppendSchedule(tooLong, text));
    EXPECT_EQ(ParseCsv(ScheduleCsv(tooLong)).size(), 901u);
}

// The due dates of the payment lines, each in its 8 columns, joined by '|'.
std::string DueDates(const std::string& text) {
    std::string dates;
    for (const ScheduleRow& row : ScheduleRows(text))
        if (!row.totals) dates += (dates.empty() ? "" : "|") + row.due;
    return dates;
}

TEST(ScheduleDueDates, StepByTheFrequency) {
    struct Case {
        int perYear;
        CDate first;
        const char* expected;
    };
    const Case cases[] = {
        {12, CDate(1, 31, 2001), " 1/31/01| 2/28/01| 3/28/01| 4/28/01| 5/28/01| 6/28/01"},
        {12, CDate(1, 31, 2004), " 1/31/04| 2/29/04| 3/29/04| 4/29/04| 5/29/04| 6/29/04"},
        {4, CDate(11, 30, 2001), "11/30/01| 2/28/02| 5/28/02| 8/28/02|11/28/02| 2/28/03"},
        {52, CDate(12, 20, 2001), "12/20/01|12/27/01| 1/03/02| 1/10/02| 1/17/02| 1/24/02"},
        {26, CDate(12, 20, 2001), "12/20/01| 1/03/02| 1/17/02| 1/31/02| 2/14/02| 2/28/02"},
        {1, CDate(2, 29, 2000), " 2/29/00| 2/28/01| 2/28/02| 2/28/03| 2/28/04| 2/28/05"},
    };
    for (const Case& c : cases) {
        std::string text;
        ASSERT_TRUE(AppendSchedule(Loan(c.perYear, "", 6, 12, 1000, 0, c.first), text));
        EXPECT_EQ(DueDates(text), c.expected);
    }
}

// The payment numbers after which "Annual Totals" follow.
std::vector<int> TotalsAfter(const std::string& text) {
    std::vector<int> after;
    int number = 0;
    for (const ScheduleRow& row : ScheduleRows(text)) {
        if (row.totals)
            after.push_back(number);
        else
            number = row.number;
    }
    return after;
}

TEST(ScheduleTotals, FollowTheLastPaymentOfEachCalendarYear) {
    std::string text;
    ASSERT_TRUE(AppendSchedule(Loan(12, "Monthly", 30, 9, 5000, 0, CDate(10, 5, 2001)), text));
    EXPECT_EQ(TotalsAfter(text), (std::vector<int>{3, 15, 27, 30}));

    // 12/27/01 and then 1/3/02: the year changes in the middle of a week.
    text.clear();
    ASSERT_TRUE(AppendSchedule(Loan(52, "Weekly", 4, 9, 5000, 0, CDate(12, 20, 2001)), text));
    EXPECT_EQ(TotalsAfter(text), (std::vector<int>{2, 4}));
}

TEST(ScheduleLength, SixHundredMonthlyPaymentsFitNineHundredDoNot) {
    std::string text;
    EXPECT_TRUE(AppendSchedule(Loan(12, "Monthly", 600, 6, 100000, 0, CDate(1, 1, 2001)), text));
    EXPECT_LE(text.size(), MaxScheduleLength);
    EXPECT_NE(text.find("     600    12/01/50"), std::string::npos);

    text.clear();
    EXPECT_FALSE(AppendSchedule(Loan(12, "Monthly", 900, 6, 100000, 0, CDate(1, 1, 2001)), text));
    // Stopped at the line that passed the limit: one line and its totals at most beyond it.
    EXPECT_GT(text.size(), MaxScheduleLength);
    EXPECT_LT(text.size(), MaxScheduleLength + 200);
    EXPECT_LE(text.size(), ScheduleBufferSize);
}

TEST(ScheduleHeading, NameLineIsSixtyEightCharactersWide) {
    for (const char* name : {"", "A", "Forty-two characters of a name, all of it.."}) {
        ScheduleTerms terms = Loan(12, "Monthly", 12, 12, 1000, 0, CDate(2, 1, 2001));
        terms.preparedFor = std::string_view(name).substr(0, 42);
        terms.today = CDate(12, 31, 2001);
        std::string text;
        AppendSchedule(terms, text);
        const size_t start = text.find(" Prepared for: ");
        const size_t end = text.find("\r\n", start);
        EXPECT_EQ(end - start, ScheduleLineWidth) << name;
        EXPECT_EQ(text.substr(end - 11, 11), " 12/31/2001") << name;
    }
}

} // namespace
} // namespace kavrel
