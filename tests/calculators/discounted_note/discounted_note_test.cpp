#include "calculators/discounted_note/discounted_note_dlg.h"
#include "entry/date_field.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

using test::BufferTarget;
using test::RecordingHost;
using Dlg = CDiscountedNoteDlg;

enum { Calculate = 1001, Record = 1003 };

struct Form {
    Form() : host(dlg, &doc) {
        TheDecimalFieldMemory() = {};
        TheDateFieldMemory() = {};
        CDate::SetTodayOverride(CDate(1, 1, 2001));
        dlg.Open();
    }
    ~Form() { CDate::SetTodayOverride(std::nullopt); }
    // The price for a wanted rate, or the rate of a price (pv not empty).
    void Solve(int method, int unit, const char* term, const char* fv, const char* rate,
               const char* pv) {
        host.Click(method);
        dlg.UserSelected(Dlg::IDC_TERM_UNIT, unit);
        host.Click(*pv ? Dlg::IDC_UNKNOWN_RATE : Dlg::IDC_UNKNOWN_PRESENT_VALUE);
        host.Enter(Dlg::IDC_TERM, term);
        host.Enter(Dlg::IDC_DUE_VALUE, fv);
        host.Enter(*pv ? Dlg::IDC_PRESENT_VALUE : Dlg::IDC_RATE, *pv ? pv : rate);
        host.Click(Calculate);
    }
    Dlg dlg;
    BufferTarget doc;
    RecordingHost host;
};

struct NoteCase {
    const char* name;
    int method, unit;
    const char *term, *fv, *rate, *pv;
    const char* expected; // the unknown's text; "" when it is rejected
};

// By hand: 1000 / 1.02^4 = 923.85; 1000 / (1 + 73 * 0.1 / 365) = 1000 / 1.02 = 980.39;
// 1000 * (1 - 0.02) = 980; the bankers' rule on days: 1000 / (1 + 73 * 0.1 / 360) = 980.13,
// and on months exact simple interest: 1000 / (1 + 6 * 0.12 / 12) = 943.40. Quarterly rate of
// 900 growing to 1000 in 4 quarters: ((1000 / 900)^(1/4) - 1) * 4 = 10.676 %.
const NoteCase Cases[] = {
    {"compound_quarterly_year", Dlg::IDC_COMPOUND, Dlg::Months, "12", "1000", "8", "", "923.85"},
    {"compound_rate", Dlg::IDC_COMPOUND, Dlg::Months, "12", "1000", "", "900", "10.676"},
    {"exact_simple_days", Dlg::IDC_EXACT_SIMPLE, Dlg::Days, "73", "1000", "10", "", "980.39"},
    {"bank_discount_days", Dlg::IDC_BANK_DISCOUNT, Dlg::Days, "73", "1000", "10", "", "980.00"},
    {"bank_discount_rate", Dlg::IDC_BANK_DISCOUNT, Dlg::Days, "73", "1000", "", "980", "10.000"},
    {"exact_simple_years", Dlg::IDC_EXACT_SIMPLE, Dlg::Years, "1", "1100", "", "1000", "10.000"},
    {"bankers_rule_days", Dlg::IDC_BANKERS_RULE, Dlg::Days, "73", "1000", "10", "", "980.13"},
    {"bankers_rule_months", Dlg::IDC_BANKERS_RULE, Dlg::Months, "6", "1000", "12", "", "943.40"},
    {"exact_simple_months", Dlg::IDC_EXACT_SIMPLE, Dlg::Months, "6", "1000", "12", "", "943.40"},
    {"bank_discount_whole_face", Dlg::IDC_BANK_DISCOUNT, Dlg::Years, "2", "1000", "50", "", ""},
    {"compound_rate_of_a_loss", Dlg::IDC_COMPOUND, Dlg::Months, "12", "1000", "", "1100", ""},
    {"bank_discount_thousandfold", Dlg::IDC_BANK_DISCOUNT, Dlg::Days, "73", "1000", "", "1", ""},
};

class NoteSolve : public testing::TestWithParam<NoteCase> {};

TEST_P(NoteSolve, PriceOrRateByMethod) {
    const NoteCase& c = GetParam();
    Form f;
    f.Solve(c.method, c.unit, c.term, c.fv, c.rate, c.pv);
    EXPECT_EQ(f.dlg.Text(*c.pv ? Dlg::IDC_RATE : Dlg::IDC_PRESENT_VALUE), c.expected);
    EXPECT_EQ(f.host.LastMessage(), *c.expected ? "" : "Unknown exceeds preset limits...");
    EXPECT_EQ(f.dlg.IsEnabled(Record), *c.expected != 0);
}

INSTANTIATE_TEST_SUITE_P(Examples, NoteSolve, testing::ValuesIn(Cases),
                         [](const auto& tested) { return std::string(tested.param.name); });

TEST(DiscountedNote, CompoundingListOnlyForCompound) {
    Form f;
    EXPECT_TRUE(f.dlg.IsChecked(Dlg::IDC_COMPOUND));
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_COMPOUNDING), "Quarterly");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_TERM_UNIT), "Months");
    EXPECT_FALSE(f.dlg.IsEnabled(Dlg::IDC_PRESENT_VALUE));
    for (int method : {Dlg::IDC_EXACT_SIMPLE, Dlg::IDC_BANK_DISCOUNT, Dlg::IDC_BANKERS_RULE,
                       Dlg::IDC_COMPOUND}) {
        f.host.Click(method);
        const bool compound = method == Dlg::IDC_COMPOUND;
        EXPECT_EQ(f.dlg.IsEnabled(Dlg::IDC_COMPOUNDING), compound) << method;
        EXPECT_EQ(f.dlg.IsEnabled(Dlg::IDC_COMPOUNDING_LABEL), compound) << method;
    }
}

TEST(DiscountedNote, DatesSetTheTermInDays) {
    Form f;
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_PURCHASE_DATE), "1/1/2001");
    f.host.Enter(Dlg::IDC_DUE_DATE, "3/15/2001");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_TERM), "73");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_TERM_UNIT), "Days");
    EXPECT_TRUE(f.host.messages.empty());

    f.host.Enter(Dlg::IDC_DUE_DATE, "1/1/2001");
    EXPECT_EQ(f.host.LastMessage(), "Not enough difference between dates...");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_TERM), "");
    EXPECT_EQ(f.host.focus, Dlg::IDC_TERM);
}

TEST(DiscountedNote, RecordsAPurchaseDateOnlyWithADueDate) {
    Form f;
    f.host.Enter(Dlg::IDC_DUE_DATE, "3/15/20"); // incomplete
    f.Solve(Dlg::IDC_BANK_DISCOUNT, Dlg::Days, "73", "1000", "10", "");
    f.host.Click(Record);
    EXPECT_EQ(f.host.result, FormResult::Ok);
    EXPECT_EQ(f.doc.text, "\r\n                 DISCOUNTED NOTE\r\n\r\n"
                          "Calculation Method                   Bank Discount\r\n"
                          "Purchase Date:                                    \r\n"
                          "Due Date:                                  3/15/20\r\n"
                          "Note Term is in:                              Days\r\n"
                          "Note Term:                                      73\r\n"
                          "Value on Due Date ($):                     1000.00\r\n"
                          "Your Annual Rate (%):                       10.000\r\n"
                          "Present Value ($):                          980.00\r\n"
                          "Interest Earned ($):                         20.00\r\n");
}

TEST(DiscountedNote, RecordKeepsBothDatesAndTheCompoundingLine) {
    Form f;
    f.host.Enter(Dlg::IDC_DUE_DATE, "3/15/2001");
    f.Solve(Dlg::IDC_COMPOUND, Dlg::Days, "73", "1000", "8", "");
    f.host.Click(Record);
    EXPECT_NE(f.doc.text.find("Compounding Period is:"), std::string::npos);
    EXPECT_NE(f.doc.text.find("Purchase Date:                            1/1/2001\r\n"),
              std::string::npos);
    EXPECT_NE(f.doc.text.find("Calculation Method                        Compound\r\n"),
              std::string::npos);
}

} // namespace
} // namespace kavrel
