#include "entry/date_field.h"
#include "entry/form_model.h"
#include "resources/strings.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace kavrel {
namespace {

using test::RecordingHost;

constexpr int Start = IDC_START_DATE, End = IDC_END_DATE, Weekday = IDC_END_WEEKDAY,
              Days = IDC_DAY_COUNT;

// A start/end form as the dated calculators build it.
class DatePairForm : public CFormModel {
public:
    DatePairForm() : CFormModel(100, "Dates") {
        AddEdit(Start, EditRule::Date);
        AddEdit(End, EditRule::Date);
        AddDisplay(Weekday);
        AddEdit(Days, EditRule::None);
        BindExchange(DateExchange(*this, Start, start));
    }
    FieldTable Table() const override { return {}; }
    void OnEditChange(int id) override {
        CFormModel::OnEditChange(id);
        if (id == Start || id == End)
            OnDatePairChange(*this, id, m_unknown, m_savedText, start, end);
    }
    void SetUnknown(int id) { m_unknown = id; }

    CDate start, end;
};

struct Form {
    Form() : host(form) {
        TheDateFieldMemory() = {};
        form.Open();
    }
    DatePairForm form;
    RecordingHost host;
};

struct TypingCase {
    const char* typed;
    const char* shown; // the field's text after the last keystroke
    int beeps;
    const char* message = "";
    int maxYear = 2500;
};

TEST(FilterDateField, ChecksEveryKeystroke) {
    const TypingCase cases[] = {
        {"1/5/1999", "1/5/1999", 0},
        {"12-25 1999", "12-25 1999", 0},
        {"13", "1", 1},
        {"2/30", "2/3", 1},
        {"2/29", "2/29", 0}, // the year is not known yet
        {"4/31", "4/3", 1},
        {"0", "", 1},
        {"1/0", "1/", 1},
        {"1a", "1", 1},
        {"1/1/3", "1/1/", 1},     // the year begins with 1 or 2
        {"1/1/15", "1/1/1", 1},   // then 16..25
        {"1/1/256", "1/1/25", 1}, // then 160..250
        {"1/1/2501", "1/1/250", 1},
        {"1/1/2500", "1/1/2500", 0},
        {"1/2/1999/", "1/2/1999", 1}, // no third delimiter
        {"2/29/1900", "2/29/190", 0, "Only 28 days in February"},
        {"2/29/2000", "2/29/2000", 0},
        {"/5", "/5", 0}, // nothing is checked before a month
        {"1/1/3", "1/1/3", 0, "", 5000},
        {"1/1/5001", "1/1/500", 1, "", 5000},
        {"12/31/49999", "12/31/4999", 1, "", 5000}, // a fifth digit
    };
    for (const auto& c : cases) {
        ScopedYearRange range(1600, c.maxYear);
        Form f;
        f.host.Type(Start, c.typed);
        EXPECT_EQ(f.form.Text(Start), c.shown) << c.typed;
        EXPECT_EQ(f.host.beeps, c.beeps) << c.typed;
        EXPECT_EQ(f.host.LastMessage(), c.message) << c.typed;
    }
}

TEST(FilterDateField, DeletingADelimiterRestartsTheDate) {
    Form f;
    f.host.Type(Start, "12/25/");
    f.form.UserEdited(Start, "12/25");
    EXPECT_EQ(f.form.Text(Start), "");
    EXPECT_EQ(f.host.beeps, 0);

    f.host.Type(Start, "12/");
    f.form.UserEdited(Start, "12"); // the first delimiter as well
    EXPECT_EQ(f.form.Text(Start), "");

    f.host.Type(Start, "12/25/19");
    f.form.UserEdited(Start, "12/25/1"); // a digit is deleted freely
    EXPECT_EQ(f.form.Text(Start), "12/25/1");

    // The memory follows the last date field that changed: back in the first field the count
    // starts from 0, and deleting a delimiter there no longer clears.
    Form g;
    g.host.Type(Start, "12/25/");
    g.host.Type(End, "1");
    g.form.UserEdited(Start, "12/25");
    EXPECT_EQ(g.form.Text(Start), "12/25");
}

TEST(CheckDateField, VerdictsOnTheTextAndTheMemory) {
    DateFieldMemory memory;
    EXPECT_EQ(CheckDateField(7, "12/25/", memory), DateFieldVerdict::Accept);
    EXPECT_EQ(CheckDateField(7, "12/25", memory), DateFieldVerdict::Clear);
    EXPECT_EQ(memory.delimiters, 0);
    EXPECT_EQ(CheckDateField(7, "2/29/2001", memory), DateFieldVerdict::OnlyFebruary28);
    // Only the first 39 characters are read: a bad character beyond them goes unseen.
    EXPECT_EQ(CheckDateField(8, "//" + std::string(37, '1') + "x", memory),
              DateFieldVerdict::Accept);
}

struct PairCase {
    const char* start;
    const char* end;
    const char* days;
    const char* weekday;
    bool tooClose;
};

TEST(OnDatePairChange, ShowsTheDayCountAndTheWeekday) {
    const PairCase cases[] = {
        {"1/1/2001", "1/31/2001", "30", "Wed", false},
        {"1/1/2000", "1/1/2001", "366", "Mon", false},
        {"1/1/2001", "1/2/2001", "1", "Tue", false}, // one day is enough while typing
        {"1/1/2001", "1/1/2001", "", "   ", true},
        {"1/1/2001", "12/31/2000", "", "   ", true},
        {"1/1/2001", "1/31/200", "", "   ", false},
        {"1/1/200", "1/31/2001", "", "   ", false}, // the weekday waits for both dates
    };
    for (const auto& c : cases) {
        Form f;
        f.host.Type(Start, c.start);
        f.host.Type(End, c.end);
        EXPECT_EQ(f.form.Text(Days), c.days) << c.start << " to " << c.end;
        EXPECT_EQ(f.form.Text(Weekday), c.weekday) << c.start << " to " << c.end;
        EXPECT_EQ(f.host.LastMessage(), c.tooClose ? LoadString(IDS_NOT_ENOUGH_DIFFERENCE) : "")
            << c.start << " to " << c.end;
        EXPECT_EQ(f.host.focus, c.tooClose ? End : 0) << c.start << " to " << c.end;
    }
}

TEST(OnDatePairChange, KeepsTheDayCountOfTheUnknown) {
    Form f;
    f.form.SetUnknown(Days);
    f.host.Type(Start, "3/1/2000");
    f.host.Type(End, "3/1/2001");
    EXPECT_EQ(f.form.SavedText(), "365");
}

TEST(SetEndDateFromDays, MovesTheStartByWholeDays) {
    const std::tuple<const char*, double, const char*> cases[] = {
        {"1/1/2001", 59.9, "3/1/2001"},     // the fraction is dropped
        {"1/1/2001", 182620, "12/31/2500"}, // the last accepted day
        {"1/1/2001", 182621, ""},           // beyond it: the end field is emptied
        {"1/1/2001", 1e300, ""},
        {"1/1/2001", 0, "7/4/2001"}, // no positive count: nothing happens
        {"1/1/2001", std::nan(""), "7/4/2001"},
        {"", 10, "7/4/2001"}, // no start date: nothing happens
    };
    for (auto [start, days, shown] : cases) {
        Form f;
        f.host.Type(Start, start);
        f.form.SetText(End, "7/4/2001");
        SetEndDateFromDays(f.form, f.form.start, f.form.end, days);
        EXPECT_EQ(f.form.Text(End), shown) << days;
    }
}

struct CheckPairCase {
    const char* start;
    const char* end;
    int result;
    const char* message;
    int focus;
};

TEST(CheckDatePair, RequiresTwoCompleteDatesTwoDaysApart) {
    const std::string notEnough(LoadString(IDS_NOT_ENOUGH_DIFFERENCE));
    const CheckPairCase cases[] = {
        {"1/1/2001", "1/3/2001", 0, "", 0},
        {"1/1/2001", "1/2/2001", 1, notEnough.c_str(), Start},
        {"1/1/2001", "1/1/2001", 1, notEnough.c_str(), Start},
        {"1/1/2001", "12/1/2000", 1, notEnough.c_str(), Start},
        {"", "1/3/2001", 1, "Date not complete!", Start},
        {"1/1/2001", "1/3/20", 1, "Date not complete!", End},
        {"1/1/20", "1/3/20", 1, "Date not complete!", Start},
    };
    for (const auto& c : cases) {
        Form f;
        CDate start = CDate::Parsed(c.start), end = CDate::Parsed(c.end);
        EXPECT_EQ(CheckDatePair(f.form, start, end, Start, End), c.result) << c.start << c.end;
        EXPECT_EQ(f.host.LastMessage(), c.message) << c.start << " to " << c.end;
        EXPECT_EQ(f.host.focus, c.focus) << c.start << " to " << c.end;
    }
}

TEST(RequireDate, AsksForAMissingDate) {
    Form f;
    CDate date = CDate::Parsed("2/29/2001");
    EXPECT_EQ(RequireDate(f.form, End, IDS_ENTER_DATE, date), 1);
    EXPECT_EQ(f.host.LastMessage(), "Please enter a date...");
    EXPECT_EQ(f.host.focus, End);
    date = CDate::Parsed("2/28/2001");
    EXPECT_EQ(RequireDate(f.form, Start, IDS_ENTER_DATE, date), 0);
    EXPECT_EQ(f.host.messages.size(), 1u);
}

TEST(DDX_Date, MovesDatesBetweenFieldAndForm) {
    DatePairForm form;
    form.start = CDate(3, 5, 2001);
    RecordingHost host(form);
    form.Open(); // loads the bound start date
    EXPECT_EQ(form.Text(Start), "3/5/2001");

    CDate date;
    form.SetText(End, "12-25-1999");
    DDX_Date(form, true, End, date);
    EXPECT_EQ(date.Format(), "12/25/1999");
    EXPECT_EQ(date.valid, 1);

    date = CDate::Parsed("2/30/2001");
    DDX_Date(form, false, End, date); // an invalid date leaves the field alone
    EXPECT_EQ(form.Text(End), "12-25-1999");
}

} // namespace
} // namespace kavrel
