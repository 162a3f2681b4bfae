// SPDX-License-Identifier: GPL-3.0-or-later
// Long schedules read back by their columns: the balance runs down to 0, the principal portions
// add up to the loan, and each year's totals add up its lines.
#include "calculators/loan_amortization/amortization_schedule.h"
#include "entry/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace kavrel {
namespace {

long long CentsAt(std::string_view line, size_t at, size_t width) {
    return std::llround(LeadingDouble(line.substr(at, width)) * 100);
}

TEST(Schedule, BalancesPortionsAndTotalsAgree) {
    const struct {
        int perYear, n;
        double rate, principal, balloon;
    } loans[] = {
        {12, 360, 7.5, 250000, 0},     {12, 480, 9.0, 180000, 0},  {52, 520, 9.0, 80000, 0},
        {26, 130, 8.25, 40000, 10000}, {2, 30, 10.0, 50000, -500}, {1, 25, 5.5, 90000, 0},
    };
    for (const auto& c : loans) {
        SCOPED_TRACE(testing::Message() << c.n << " payments, " << c.perYear << " a year");
        // The level payment from the sum of the discount factors, rounded to the cent.
        const double i = c.rate / c.perYear / 100;
        double factors = 0;
        for (int t = 1; t <= c.n; ++t)
            factors += std::pow(1 + i, -t);
        ScheduleTerms terms;
        terms.today = terms.firstDue = CDate(3, 10, 2001);
        terms.periodsPerYear = c.perYear;
        terms.payments = c.n;
        terms.annualRatePercent = c.rate;
        terms.principal = c.principal;
        terms.balloon = c.balloon;
        terms.payment =
            std::round((c.principal - c.balloon * std::pow(1 + i, -c.n)) / factors * 100) / 100;
        std::string text;
        ASSERT_TRUE(AppendSchedule(terms, text));

        double owed = c.principal; // unrounded, period by period
        long long balance = std::llround(c.principal * 100), principalSum = 0, lastPaid = 0;
        long long sinceTotals[3] = {0, 0, 0}, linesSinceTotals = 0, number = 0;
        for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            const std::string_view line(text.data() + start, end - start);
            const bool totals = line.starts_with("      Annual Totals:");
            if (!totals && (line.size() != 65 || !line.starts_with("    ") || line[7] == ' '))
                continue;
            const long long amounts[3] = {CentsAt(line, 20, 11), CentsAt(line, 31, 11),
                                          CentsAt(line, 42, 11)}; // paid, principal, interest
            if (totals) {
                for (int k = 0; k < 3; ++k) // the totals add unrounded amounts
                    EXPECT_LE(std::llabs(amounts[k] - sinceTotals[k]), linesSinceTotals / 2 + 1);
                sinceTotals[0] = sinceTotals[1] = sinceTotals[2] = linesSinceTotals = 0;
                continue;
            }
            EXPECT_EQ(LeadingInteger(line.substr(4, 4)), ++number);
            const long long after = CentsAt(line, 53, 12);
            EXPECT_LE(std::llabs(balance - amounts[1] - after), 1) << number;
            EXPECT_LE(std::llabs(amounts[1] + amounts[2] - amounts[0]), 1) << number;
            if (number < c.n) {
                EXPECT_EQ(amounts[0], std::llround(terms.payment * 100)) << number;
                owed = owed * (1 + i) - terms.payment;
            }
            balance = after;
            lastPaid = amounts[0];
            principalSum += amounts[1];
            for (int k = 0; k < 3; ++k)
                sinceTotals[k] += amounts[k];
            ++linesSinceTotals;
        }
        EXPECT_EQ(number, c.n);
        EXPECT_EQ(balance, 0);
        EXPECT_NEAR(lastPaid / 100.0, owed * (1 + i), 0.011); // the balloon and the rounding
        EXPECT_LE(std::llabs(principalSum - std::llround(c.principal * 100)), c.n / 2 + 1);
    }
}

} // namespace
} // namespace kavrel
