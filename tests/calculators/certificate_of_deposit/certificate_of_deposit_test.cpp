#include "calculators/certificate_of_deposit/certificate_of_deposit_dlg.h"
#include "entry/date_field.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

using test::BufferTarget;
using test::RecordingHost;
using Dlg = CCertificateOfDepositDlg;

enum { Calculate = 1001, Record = 1003 };

struct Form {
    Form() : host(dlg, &doc) {
        TheDecimalFieldMemory() = {};
        TheDateFieldMemory() = {};
        CDate::SetTodayOverride(CDate(1, 15, 2001));
        dlg.Open();
    }
    ~Form() { CDate::SetTodayOverride(std::nullopt); }
    Dlg dlg;
    BufferTarget doc;
    RecordingHost host;
};

struct CdCase {
    const char* name;
    bool simple;
    int compounding; // list index
    int termUnit;
    const char *issue, *term, *rate;
    const char *pv, *fv; // the empty one is the unknown
    const char *expected, *interest, *yield, *maturity;
};

// By hand. Simple: 10000 * (1 + 0.05 * 365 / 365). Compound from 1/15/2001 for 3 months,
// quarterly: credited on 3/31 (75 days) and up to 4/15 (15 days):
// 10000 * (1 + 75 * 0.05 / 365) * (1 + 15 * 0.05 / 365) = 10123.4988, cut down to 10123.49.
// Quarterly at 5 %: 1.0125^4 - 1 = 5.0945 %. Monthly for 2 months from 12/31/1999:
// 1000 * (1 + 0.06 * 31 / 366) * (1 + 0.06 * 29 / 366) = 1009.8602 (to the end of February).
// 1/1/2400 to 1/1/2600 holds 200 * 365 + 49 leap days: 1000 * (1 + 0.01 * 73049 / 365).
const CdCase Cases[] = {
    {"simple_year", true, 1, Dlg::Days, "1/15/2001", "365", "5", "10000", "", "10500.00", "500.00",
     "5.000", "1/15/2002"},
    {"simple_present_value", true, 1, Dlg::Days, "1/15/2001", "365", "5", "", "10500", "10000.00",
     "500.00", "5.000", "1/15/2002"},
    {"compound_cut_to_the_cent", false, 1, Dlg::Months, "1/15/2001", "3", "5", "10000", "",
     "10123.49", "123.49", "5.095", "4/15/2001"},
    {"compound_yield_ignores_term", false, 1, Dlg::Years, "1/15/2001", "5", "5", "10000", "", "",
     "", "5.095", "1/15/2006"},
    {"month_from_january_31", false, 0, Dlg::Months, "1/31/2001", "1", "5", "1000", "", "", "", "",
     "2/28/2001"},
    {"leap_february_month_ends", false, 0, Dlg::Months, "12/31/1999", "2", "6", "1000", "",
     "1009.86", "9.86", "6.168", "2/29/2000"},
    {"maturity_beyond_2500", true, 1, Dlg::Years, "1/1/2400", "200", "1", "1000", "", "3001.34",
     "2001.34", "1.000", ""},
};

class CdSolve : public testing::TestWithParam<CdCase> {};

TEST_P(CdSolve, ValueAtMaturityAndYield) {
    const CdCase& c = GetParam();
    Form f;
    if (c.simple) f.host.Click(Dlg::IDC_SIMPLE_TYPE);
    f.dlg.UserSelected(Dlg::IDC_COMPOUNDING, c.compounding);
    f.dlg.UserSelected(Dlg::IDC_TERM_UNIT, c.termUnit);
    f.host.Click(*c.pv ? Dlg::IDC_UNKNOWN_FUTURE_VALUE : Dlg::IDC_UNKNOWN_PRESENT_VALUE);
    f.host.Enter(Dlg::IDC_ISSUE_DATE, c.issue);
    f.host.Enter(Dlg::IDC_TERM, c.term);
    f.host.Enter(Dlg::IDC_RATE, c.rate);
    f.host.Enter(*c.pv ? Dlg::IDC_PRESENT_VALUE : Dlg::IDC_FUTURE_VALUE, *c.pv ? c.pv : c.fv);
    f.host.Click(Calculate);
    EXPECT_TRUE(f.host.messages.empty()) << f.host.LastMessage();
    EXPECT_TRUE(f.dlg.IsEnabled(Record));
    const int unknown = *c.pv ? Dlg::IDC_FUTURE_VALUE : Dlg::IDC_PRESENT_VALUE;
    if (*c.expected) {
        EXPECT_EQ(f.dlg.Text(unknown), c.expected);
    }
    if (*c.interest) {
        EXPECT_EQ(f.dlg.Text(Dlg::IDC_INTEREST_EARNED), c.interest);
    }
    if (*c.yield) {
        EXPECT_EQ(f.dlg.Text(Dlg::IDC_YIELD), c.yield);
    }
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_MATURITY_DATE), c.maturity);
}

INSTANTIATE_TEST_SUITE_P(Examples, CdSolve, testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CertificateOfDeposit, OpensQuarterlyInMonthsForTheFutureValue) {
    Form f;
    EXPECT_EQ(f.dlg.Caption(), "Certificate of Deposit (CD)");
    EXPECT_TRUE(f.dlg.IsChecked(Dlg::IDC_COMPOUND_TYPE));
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_COMPOUNDING), "Quarterly");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_TERM_UNIT), "Months");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_ISSUE_DATE), "1/15/2001");
    EXPECT_FALSE(f.dlg.IsEnabled(Dlg::IDC_FUTURE_VALUE));
    EXPECT_FALSE(f.dlg.IsEnabled(Record));
}

struct RefusalCase {
    const char *issue, *term, *message;
    int focus;
};

const RefusalCase Refusals[] = {
    {"1/15/2001", "999999", "Unknown exceeds preset limits...", 0},
    {"1/15/20", "12", "Please enter a date...", Dlg::IDC_ISSUE_DATE},
    {"1/15/2001", "", "Please enter data...", Dlg::IDC_TERM},
};

TEST(CertificateOfDeposit, RefusesWithoutChangingTheResults) {
    for (const RefusalCase& c : Refusals) {
        Form f;
        f.dlg.UserSelected(Dlg::IDC_TERM_UNIT, Dlg::Days);
        f.host.Enter(Dlg::IDC_ISSUE_DATE, c.issue);
        f.host.Enter(Dlg::IDC_TERM, c.term);
        f.host.Enter(Dlg::IDC_RATE, "5");
        f.host.Enter(Dlg::IDC_PRESENT_VALUE, "1000");
        f.host.focus = 0;
        f.host.Click(Calculate);
        EXPECT_EQ(f.host.LastMessage(), c.message) << c.term;
        EXPECT_EQ(f.host.focus, c.focus) << c.message;
        EXPECT_EQ(f.dlg.Text(Dlg::IDC_MATURITY_DATE), "");
        EXPECT_FALSE(f.dlg.IsEnabled(Record));
    }
}

TEST(CertificateOfDeposit, SimpleTypeDropsTheCompoundingListAndItsRecordLine) {
    Form f;
    f.host.Click(Dlg::IDC_SIMPLE_TYPE);
    EXPECT_FALSE(f.dlg.IsEnabled(Dlg::IDC_COMPOUNDING));
    EXPECT_FALSE(f.dlg.IsEnabled(Dlg::IDC_COMPOUNDING_LABEL));
    f.dlg.UserSelected(Dlg::IDC_TERM_UNIT, Dlg::Days);
    f.host.Enter(Dlg::IDC_TERM, "365");
    f.host.Enter(Dlg::IDC_RATE, "5");
    f.host.Enter(Dlg::IDC_PRESENT_VALUE, "10000");
    f.host.Click(Calculate);
    f.host.Click(Record);
    EXPECT_EQ(f.host.result, FormResult::Ok);
    EXPECT_EQ(f.doc.text, "\r\n           CERTIFICATE OF DEPOSIT (CD)\r\n\r\n"
                          "CD Type                            Simple Interest\r\n"
                          "CD Term is in:                                Days\r\n"
                          "CD Term:                                       365\r\n"
                          "CD Issue Date:                           1/15/2001\r\n"
                          "Annual Rate (%):                             5.000\r\n"
                          "Present Value ($):                        10000.00\r\n"
                          "Future Value ($):                         10500.00\r\n"
                          "Interest Earned ($):                        500.00\r\n"
                          "Yield to Maturity (%):                       5.000\r\n"
                          "Maturity Date:                           1/15/2002\r\n");
    f.host.Click(Dlg::IDC_COMPOUND_TYPE);
    EXPECT_TRUE(f.dlg.IsEnabled(Dlg::IDC_COMPOUNDING));
}

} // namespace
} // namespace kavrel
