#include "calculators/date_arithmetic/date_arithmetic_dlg.h"
#include "entry/date_field.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <optional>

namespace kavrel {
namespace {

using test::RecordingHost;
using Dlg = CDateArithmeticDlg;

struct Form {
    Form() : host(dlg) {
        TheDateFieldMemory() = {};
        dlg.Open();
    }
    Dlg dlg;
    RecordingHost host;
};

struct Input {
    int id;
    const char* text;
};

struct ArithmeticCase {
    const char* name;
    std::vector<Input> inputs;
    std::vector<Input> expected;
};

// Worked by hand on the calendar: 1/31/2001 + 30 days runs through 28 days of February;
// month steps cut the day to the month's end; 2000 is a leap year and 1/1/2000 a Saturday.
const ArithmeticCase Cases[] = {
    {"days_forward_over_february",
     {{Dlg::IDC_ADD_DAYS_DATE, "1/31/2001"}, {Dlg::IDC_DAYS, "30"}},
     {{Dlg::IDC_DAYS_NEW_DATE, "3/2/2001"}}},
    {"days_back_in_a_leap_year",
     {{Dlg::IDC_ADD_DAYS_DATE, "3/1/2000"}, {Dlg::IDC_DAYS, "-30"}},
     {{Dlg::IDC_DAYS_NEW_DATE, "1/31/2000"}}},
    {"month_from_january_31",
     {{Dlg::IDC_ADD_MONTHS_DATE, "1/31/2001"}, {Dlg::IDC_MONTHS, "1"}},
     {{Dlg::IDC_MONTHS_NEW_DATE, "2/28/2001"}}},
    {"year_from_february_29",
     {{Dlg::IDC_ADD_MONTHS_DATE, "2/29/2000"}, {Dlg::IDC_MONTHS, "12"}},
     {{Dlg::IDC_MONTHS_NEW_DATE, "2/28/2001"}}},
    {"months_back_over_a_year",
     {{Dlg::IDC_ADD_MONTHS_DATE, "1/15/2001"}, {Dlg::IDC_MONTHS, "-13"}},
     {{Dlg::IDC_MONTHS_NEW_DATE, "12/15/1999"}}},
    {"days_between_either_order",
     {{Dlg::IDC_DAYS_FIRST_DATE, "3/1/2000"}, {Dlg::IDC_DAYS_SECOND_DATE, "2/1/2000"}},
     {{Dlg::IDC_DAYS_BETWEEN, "29"}}},
    {"months_between_ignore_days",
     {{Dlg::IDC_MONTHS_FIRST_DATE, "2/1/2000"}, {Dlg::IDC_MONTHS_SECOND_DATE, "1/31/2000"}},
     {{Dlg::IDC_MONTHS_BETWEEN, "1"}}},
    {"months_between_within_a_month",
     {{Dlg::IDC_MONTHS_FIRST_DATE, "2/1/2000"}, {Dlg::IDC_MONTHS_SECOND_DATE, "2/28/2000"}},
     {{Dlg::IDC_MONTHS_BETWEEN, "0"}}},
    {"weekday_and_leap_year",
     {{Dlg::IDC_WEEKDAY_DATE, "1/1/2000"}},
     {{Dlg::IDC_DAY_OF_WEEK, "Sat"}, {Dlg::IDC_LEAP_YEAR, "Yes"}}},
    {"year_3000",
     {{Dlg::IDC_WEEKDAY_DATE, "1/1/3000"},
      {Dlg::IDC_ADD_DAYS_DATE, "12/31/2999"},
      {Dlg::IDC_DAYS, "1"}},
     {{Dlg::IDC_DAY_OF_WEEK, "Wed"},
      {Dlg::IDC_LEAP_YEAR, "No"},
      {Dlg::IDC_DAYS_NEW_DATE, "1/1/3000"}}},
    {"incomplete_dates_give_empty_results",
     {{Dlg::IDC_ADD_DAYS_DATE, "1/31/20"},
      {Dlg::IDC_DAYS_FIRST_DATE, "3/1/2000"},
      {Dlg::IDC_WEEKDAY_DATE, "1/1"}},
     {{Dlg::IDC_DAYS_NEW_DATE, ""},
      {Dlg::IDC_DAYS_BETWEEN, "0"},
      {Dlg::IDC_DAY_OF_WEEK, ""},
      {Dlg::IDC_LEAP_YEAR, ""}}},
};

class DateArithmetic : public testing::TestWithParam<ArithmeticCase> {};

TEST_P(DateArithmetic, CalculatesEveryPart) {
    const ArithmeticCase& c = GetParam();
    Form f;
    for (const Input& input : c.inputs)
        f.host.Enter(input.id, input.text);
    f.host.Click(Dlg::IDC_CALCULATE_DATES);
    EXPECT_TRUE(f.host.messages.empty()) << f.host.LastMessage();
    EXPECT_EQ(f.host.beeps, 0);
    for (const Input& result : c.expected)
        EXPECT_EQ(f.dlg.Text(result.id), result.text) << result.id;
}

INSTANTIATE_TEST_SUITE_P(Examples, DateArithmetic, testing::ValuesIn(Cases),
                         [](const auto& tested) { return std::string(tested.param.name); });

TEST(DateArithmeticForm, CalculateIsTheDefaultButtonAndNothingIsRecorded) {
    Form f;
    EXPECT_EQ(f.dlg.DefaultButton(), Dlg::IDC_CALCULATE_DATES);
    EXPECT_EQ(f.dlg.InfoOf(1003), nullptr);
    for (int id : {Dlg::IDC_DAYS, Dlg::IDC_MONTHS, Dlg::IDC_DAYS_BETWEEN, Dlg::IDC_MONTHS_BETWEEN})
        EXPECT_EQ(f.dlg.Text(id), "0") << id;
}

TEST(DateArithmeticForm, DateBeyond5000StopsAndKeepsTheResults) {
    Form f;
    f.host.Enter(Dlg::IDC_ADD_DAYS_DATE, "1/1/2000");
    f.host.Enter(Dlg::IDC_DAYS, "1");
    f.host.Enter(Dlg::IDC_WEEKDAY_DATE, "1/1/2000");
    f.host.Click(Dlg::IDC_CALCULATE_DATES);
    ASSERT_EQ(f.dlg.Text(Dlg::IDC_DAYS_NEW_DATE), "1/2/2000");

    f.host.Enter(Dlg::IDC_ADD_DAYS_DATE, "12/31/5000");
    f.host.Enter(Dlg::IDC_WEEKDAY_DATE, "1/3/2000");
    f.host.Click(Dlg::IDC_CALCULATE_DATES);
    EXPECT_EQ(f.host.LastMessage(), "Calculated date exceeds preset limits....");
    EXPECT_EQ(f.host.focus, Dlg::IDC_DAYS);
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_DAYS_NEW_DATE), "1/2/2000");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_DAY_OF_WEEK), "Sat");
}

TEST(DateArithmeticForm, February29Of1900IsRefusedWhileTyping) {
    Form f;
    f.host.Enter(Dlg::IDC_WEEKDAY_DATE, "2/29/1900");
    EXPECT_EQ(f.host.LastMessage(), "Only 28 days in February");
    f.host.Click(Dlg::IDC_CALCULATE_DATES);
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_DAY_OF_WEEK), "");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_LEAP_YEAR), "");
}

TEST(DateArithmeticForm, WidensTheYearsForItsLifetimeOnly) {
    EXPECT_FALSE(CDate(12, 31, 5000).valid);
    {
        Form f;
        EXPECT_TRUE(CDate(12, 31, 5000).valid);
        EXPECT_FALSE(CDate(1, 1, 5001).valid);
        EXPECT_FALSE(CDate(12, 31, 1599).valid);
    }
    EXPECT_FALSE(CDate(1, 1, 2501).valid);
    EXPECT_TRUE(CDate(12, 31, 2500).valid);
}

} // namespace
} // namespace kavrel
