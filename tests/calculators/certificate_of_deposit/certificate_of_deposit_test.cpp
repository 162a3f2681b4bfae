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
    // Values a deposit of `pv`, or finds the deposit for `fv` when pv is empty.
    void Solve(int unit, const char* issue, const char* term, const char* rate, const char* pv,
               const char* fv = "") {
        dlg.UserSelected(Dlg::IDC_TERM_UNIT, unit);
        host.Click(*pv ? Dlg::IDC_UNKNOWN_FUTURE_VALUE : Dlg::IDC_UNKNOWN_PRESENT_VALUE);
        host.Enter(Dlg::IDC_ISSUE_DATE, issue);
        host.Enter(Dlg::IDC_TERM, term);
        host.Enter(Dlg::IDC_RATE, rate);
        host.Enter(*pv ? Dlg::IDC_PRESENT_VALUE : Dlg::IDC_FUTURE_VALUE, *pv ? pv : fv);
        host.focus = 0;
        host.Click(Calculate);
    }
    Dlg dlg;
    BufferTarget doc;
    RecordingHost host;
};

struct CdCase {
    bool simple;
    int compounding; // list index
    int termUnit;
    const char *issue, *term, *rate, *pv, *fv;
    const char *expected, *interest, *yield, *maturity; // "" where not checked, but maturity
};

// By hand. Simple: 10000 * (1 + 0.05 * 365 / 365). Compound from 1/15/2001 for 3 months,
// quarterly: credited on 3/31 (75 days) and up to 4/15 (15 days):
// 10000 * (1 + 75 * 0.05 / 365) * (1 + 15 * 0.05 / 365) = 10123.4988, cut down to 10123.49.
// Quarterly at 5 %: 1.0125^4 - 1 = 5.0945 %. Monthly for 2 months from 12/31/1999:
// 1000 * (1 + 0.06 * 31 / 366) * (1 + 0.06 * 29 / 366) = 1009.8602 (to the end of February).
// 1/1/2400 to 1/1/2600 holds 200 * 365 + 49 leap days: 1000 * (1 + 0.01 * 73049 / 365).
const CdCase Cases[] = {
    {true, 1, Dlg::Days, "1/15/2001", "365", "5", "10000", "", "10500.00", "500.00", "5.000",
     "1/15/2002"},
    {true, 1, Dlg::Days, "1/15/2001", "365", "5", "", "10500", "10000.00", "500.00", "5.000",
     "1/15/2002"},
    {false, 1, Dlg::Months, "1/15/2001", "3", "5", "10000", "", "10123.49", "123.49", "5.095",
     "4/15/2001"},
    {false, 1, Dlg::Years, "1/15/2001", "5", "5", "10000", "", "", "", "5.095", "1/15/2006"},
    {false, 0, Dlg::Months, "1/31/2001", "1", "5", "1000", "", "", "", "", "2/28/2001"},
    {false, 0, Dlg::Months, "12/31/1999", "2", "6", "1000", "", "1009.86", "9.86", "6.168",
     "2/29/2000"},
    {true, 1, Dlg::Years, "1/1/2400", "200", "1", "1000", "", "3001.34", "2001.34", "1.000", ""},
};

TEST(CertificateOfDeposit, ValueAtMaturityAndYield) {
    for (const CdCase& c : Cases) {
        SCOPED_TRACE(testing::Message() << c.issue << " + " << c.term);
        Form f;
        if (c.simple) f.host.Click(Dlg::IDC_SIMPLE_TYPE);
        f.dlg.UserSelected(Dlg::IDC_COMPOUNDING, c.compounding);
        f.Solve(c.termUnit, c.issue, c.term, c.rate, c.pv, c.fv);
        EXPECT_TRUE(f.host.messages.empty()) << f.host.LastMessage();
        EXPECT_TRUE(f.dlg.IsEnabled(Record));
        const std::pair<int, const char*> results[] = {
            {*c.pv ? Dlg::IDC_FUTURE_VALUE : Dlg::IDC_PRESENT_VALUE, c.expected},
            {Dlg::IDC_INTEREST_EARNED, c.interest},
            {Dlg::IDC_YIELD, c.yield}};
        for (auto [id, text] : results)
            if (*text) {
                EXPECT_EQ(f.dlg.Text(id), text) << id;
            }
        EXPECT_EQ(f.dlg.Text(Dlg::IDC_MATURITY_DATE), c.maturity);
    }
}

TEST(CertificateOfDeposit, RefusesWithoutChangingTheResults) {
    struct Case {
        const char *issue, *term, *message;
        int focus;
    };
    const Case cases[] = {
        {"1/15/2001", "999999", "Unknown exceeds preset limits...", 0},
        {"1/15/20", "12", "Please enter a date...", Dlg::IDC_ISSUE_DATE},
        {"1/15/2001", "", "Please enter data...", Dlg::IDC_TERM},
    };
    for (const Case& c : cases) {
        Form f;
        f.Solve(Dlg::Days, c.issue, c.term, "5", "1000");
        EXPECT_EQ(f.host.LastMessage(), c.message) << c.term;
        EXPECT_EQ(f.host.focus, c.focus) << c.message;
        EXPECT_EQ(f.dlg.Text(Dlg::IDC_MATURITY_DATE), "");
        EXPECT_FALSE(f.dlg.IsEnabled(Record));
    }
}

TEST(CertificateOfDeposit, OpensCompoundAndSimpleDropsTheCompoundingListAndItsRecordLine) {
    Form f;
    EXPECT_EQ(f.dlg.Caption(), "Certificate of Deposit (CD)");
    EXPECT_TRUE(f.dlg.IsChecked(Dlg::IDC_COMPOUND_TYPE));
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_COMPOUNDING), "Quarterly");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_TERM_UNIT), "Months");
    EXPECT_EQ(f.dlg.Text(Dlg::IDC_ISSUE_DATE), "1/15/2001");
    EXPECT_FALSE(f.dlg.IsEnabled(Dlg::IDC_FUTURE_VALUE));
    EXPECT_FALSE(f.dlg.IsEnabled(Record));

    f.host.Click(Dlg::IDC_SIMPLE_TYPE);
    EXPECT_FALSE(f.dlg.IsEnabled(Dlg::IDC_COMPOUNDING));
    EXPECT_FALSE(f.dlg.IsEnabled(Dlg::IDC_COMPOUNDING_LABEL));
    f.Solve(Dlg::Days, "1/15/2001", "365", "5", "10000");
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
