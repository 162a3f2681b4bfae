#include "worksheets/income_from_savings/income_from_savings_dlg.h"
#include "worksheets/income_from_savings/life_expectancy.h"

#include "document/record.h"
#include "worksheets/worksheet_fixture.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

using namespace test;
using I = CIncomeFromSavingsDlg;
enum { Calculate = 1001, Record = 1003 };

struct Income {
    Income() : host(dlg, &doc) {
        TheDecimalFieldMemory() = {};
        dlg.Open();
    }
    // Makes `unknownButton` the unknown, fills the other fields and calculates.
    void Solve(int unknownButton, const char* earned, const char* inflation, const char* age,
               const char* savings, const char* count, const char* payment) {
        host.Click(unknownButton);
        const std::pair<int, const char*> fields[] = {{I::IDC_EARNED_RATE, earned},
                                                      {I::IDC_INFLATION_RATE, inflation},
                                                      {I::IDC_AGE, age},
                                                      {I::IDC_SAVINGS, savings},
                                                      {I::IDC_PAYMENT_COUNT, count},
                                                      {I::IDC_PAYMENT, payment}};
        for (auto [id, text] : fields)
            if (dlg.IsEnabled(id)) host.Enter(id, text);
        host.Click(Calculate);
    }
    CIncomeFromSavingsDlg dlg;
    BufferTarget doc;
    RecordingHost host;
};

// The savings that pay `count` yearly payments growing with inflation, year by year.
double SavingsByYears(double first, int count, double earned, double inflation) {
    double value = 0.0;
    for (int t = 1; t <= count; ++t)
        value += first * std::pow(1 + inflation, t - 1) / std::pow(1 + earned, t);
    return value;
}

TEST(IncomeFromSavings, OpensWithTheYearlyPaymentUnknown) {
    Income f;
    EXPECT_EQ(f.dlg.Caption(), "Income From Your Savings");
    ExpectTexts(f.dlg, {I::IDC_INFLATION_RATE}, "0.000");
    ExpectTexts(f.dlg,
                {I::IDC_EARNED_RATE, I::IDC_AGE, I::IDC_SAVINGS, I::IDC_PAYMENT_COUNT,
                 I::IDC_PAYMENT, I::IDC_LIFE_EXPECTANCY, I::IDC_DISTRIBUTION},
                "");
    EXPECT_FALSE(f.dlg.IsEnabled(I::IDC_PAYMENT));
    EXPECT_TRUE(f.dlg.IsChecked(I::IDC_UNKNOWN_PAYMENT));
    EXPECT_FALSE(f.dlg.IsEnabled(Record));
}

TEST(IncomeFromSavings, SolvesEachOfTheThreeQuantities) {
    const std::string yearly = FormatFixed(100000 / SavingsByYears(1.0, 20, 0.08, 0.03), 2);
    const struct {
        int button, field;
        const char *savings, *count, *payment;
        std::string derived;
        const char* worked; // worked by hand, or nullptr
    } cases[] = {
        {I::IDC_UNKNOWN_PAYMENT, I::IDC_PAYMENT, "100000", "20", "", yearly, "8163.24"},
        {I::IDC_UNKNOWN_PAYMENT_COUNT, I::IDC_PAYMENT_COUNT, "100000", "", "7000",
         FormatFixed(std::log(1 - 0.05 * 100000 / 7000) / std::log(1.03 / 1.08), 2), "26.43"},
        {I::IDC_UNKNOWN_SAVINGS, I::IDC_SAVINGS, "", "20", yearly.c_str(),
         FormatFixed(SavingsByYears(LeadingDouble(yearly), 20, 0.08, 0.03), 2), nullptr},
    };
    for (const auto& c : cases) {
        Income f;
        f.Solve(c.button, "8", "3", "70", c.savings, c.count, c.payment);
        EXPECT_TRUE(f.host.messages.empty()) << f.host.LastMessage();
        EXPECT_EQ(f.dlg.Text(c.field), c.derived);
        if (c.worked) {
            EXPECT_EQ(f.dlg.Text(c.field), c.worked);
        }
        EXPECT_EQ(f.dlg.SavedText(), c.derived);
        EXPECT_TRUE(f.dlg.IsEnabled(Record));
    }
}

TEST(IncomeFromSavings, RefusesInflationNotBelowTheEarnedRateAndEndlessIncome) {
    const struct {
        const char *earned, *inflation, *payment;
        const char* message;
        int focus;
    } cases[] = {
        {"5", "5", "6000", "Inflation rate must be less than Earned rate...",
         I::IDC_INFLATION_RATE},
        // The real return alone (5 % of 100000) pays the income: it never runs out.
        {"8", "3", "5000", "Unknown exceeds preset limits...", 0},
    };
    for (const auto& c : cases) {
        Income f;
        f.Solve(I::IDC_UNKNOWN_PAYMENT_COUNT, c.earned, c.inflation, "70", "100000", "", c.payment);
        EXPECT_EQ(f.host.LastMessage(), c.message);
        if (c.focus) {
            EXPECT_EQ(f.host.focus, c.focus);
        }
        ExpectTexts(f.dlg, {I::IDC_PAYMENT_COUNT, I::IDC_LIFE_EXPECTANCY}, "");
        EXPECT_FALSE(f.dlg.IsEnabled(Record));
    }
}

TEST(IncomeFromSavings, TheDistributionComesFromTheLifeExpectancyOfTheAge) {
    const struct {
        const char *age, *expectancy, *distribution;
    } cases[] = {
        {"35", "47.30", "2114.16"},
        {"110", "1.00", "100000.00"},
        {"34", "", ""},
        {"111", "", ""},
    };
    for (const auto& c : cases) {
        Income f;
        f.Solve(I::IDC_UNKNOWN_PAYMENT, "8", "3", c.age, "100000", "20", "");
        EXPECT_EQ(f.dlg.Text(I::IDC_LIFE_EXPECTANCY), c.expectancy) << c.age;
        EXPECT_EQ(f.dlg.Text(I::IDC_DISTRIBUTION), c.distribution) << c.age;
        EXPECT_EQ(f.dlg.Text(I::IDC_PAYMENT), "8163.24") << "still solved";
        EXPECT_TRUE(f.dlg.IsEnabled(Record));
        if (*c.expectancy) {
            EXPECT_TRUE(f.host.messages.empty()) << c.age;
        } else {
            EXPECT_EQ(f.host.LastMessage(), "Life Expectancy Table Ages are from 35 to 110...");
            EXPECT_EQ(f.host.focus, I::IDC_AGE);
        }
    }
}

TEST(IncomeFromSavings, LeavingTheAgeShowsTheExpectancyAtOnce) {
    Income f;
    f.host.Enter(I::IDC_EARNED_RATE, "8");
    f.host.Enter(I::IDC_AGE, "70");
    f.dlg.UserLeft(I::IDC_AGE);
    EXPECT_EQ(f.dlg.Text(I::IDC_LIFE_EXPECTANCY), "16.00");
    EXPECT_EQ(f.dlg.Text(I::IDC_DISTRIBUTION), "");
    EXPECT_EQ(f.dlg.Text(I::IDC_EARNED_RATE), "8.000") << "reformatted";
    f.host.Enter(I::IDC_AGE, "20");
    f.dlg.UserLeft(I::IDC_AGE);
    EXPECT_EQ(f.dlg.Text(I::IDC_LIFE_EXPECTANCY), "16.00") << "an age outside keeps it";
    EXPECT_TRUE(f.host.messages.empty());
    // Ages are whole years; the table has one entry for each from 35 to 110.
    EXPECT_EQ(LifeExpectancyTable.size(), 76u);
    EXPECT_FALSE(LifeExpectancy(34.5).has_value());
    EXPECT_EQ(LifeExpectancy(110.9), 1.0);
}

TEST(IncomeFromSavings, RecordsSixtyThreeColumnsWithTheIrsSection) {
    Income f;
    f.Solve(I::IDC_UNKNOWN_PAYMENT, "8", "3", "70", "100000", "20", "");
    f.host.Click(Record);
    EXPECT_EQ(f.host.result, FormResult::Ok);
    EXPECT_EQ(RecordWidth(), 50);
    EXPECT_EQ(f.doc.text,
              Title("INCOME FROM YOUR SAVINGS") +
                  Lines({{"Average Annual Rate Earned on Your Investments (%):", "8.000"},
                         {"Assumed Yearly Inflation Rate (%):", "3.000"},
                         {"Your Present Age:", "70"},
                         {"Savings Amount ($):", "100000.00"},
                         {"Number of Yearly Payments:", "20.00"},
                         {"Yearly Payment ($):", "8163.24"},
                         {"", nullptr},
                         {"IRS Minimums for IRA or 401K", nullptr},
                         {"   Life Expectancy (years):", "16.00"},
                         {"   Distribution Payment ($):", "6250.00"}}));
}

} // namespace
} // namespace kavrel
