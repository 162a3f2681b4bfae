#include "calculators/compound/compound_dlg.h"
#include "resources/strings.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

using test::BufferTarget;
using test::RecordingHost;

enum { PerYear = 10, Periods = 11, Rate = 12, Present = 13, Future = 14 };
enum { UnknownPeriods = 21, UnknownRate = 22, UnknownPresent = 23, UnknownFuture = 24 };
enum { Calculate = 1001, Record = 1003 };

struct Form {
    explicit Form(size_t documentLimit = 1048575) : doc(documentLimit), host(dlg, &doc) {
        TheDecimalFieldMemory() = {};
        dlg.Open();
    }
    // Makes `unknown` the unknown, enters the non-empty texts and presses Calculate.
    void Solve(int unknown, const char* periods, const char* rate, const char* pv, const char* fv) {
        host.Click(unknown);
        const std::pair<int, const char*> inputs[] = {
            {Periods, periods}, {Rate, rate}, {Present, pv}, {Future, fv}};
        for (auto [id, text] : inputs)
            if (*text && dlg.IsEnabled(id)) host.Enter(id, text);
        host.Click(Calculate);
    }
    CCompoundDlg dlg;
    BufferTarget doc;
    RecordingHost host;
};

TEST(CompoundInterest, OpensWithFutureValueUnknown) {
    Form f;
    EXPECT_EQ(f.dlg.Text(PerYear), "4");
    for (int id : {Periods, Rate, Present, Future})
        EXPECT_EQ(f.dlg.Text(id), "") << id;
    EXPECT_FALSE(f.dlg.IsEnabled(Future));
    EXPECT_TRUE(f.dlg.IsChecked(UnknownFuture));
    EXPECT_FALSE(f.dlg.IsEnabled(Record));
    EXPECT_EQ(f.dlg.CurrentUnknown(), Future);
}

struct SolveCase {
    int unknownButton, unknownField;
    const char *periods, *rate, *pv, *fv;
    const char* expected; // "" for "Unknown exceeds preset limits..."
};

// By hand: 1000 * 1.02^40 = 2208.0397, ln(2) / ln(1.02) = 35.0028 (not rounded to whole
// periods), 2000 / 1.02^40 = 905.78. Then no growth, a loss, an overflowing power, a present
// value below a cent and a future value above the maximum.
const SolveCase SolveCases[] = {
    {UnknownFuture, Future, "40", "8", "1000", "", "2208.04"},
    {UnknownPeriods, Periods, "", "8", "1000", "2000", "35.003"},
    {UnknownRate, Rate, "40", "", "1000", "2208.04", "8.000"},
    {UnknownPresent, Present, "40", "8", "", "2000", "905.78"},
    {UnknownPeriods, Periods, "", "8", "1000", "1000", ""},
    {UnknownRate, Rate, "40", "", "1000", "900", ""},
    {UnknownFuture, Future, "999999", "9999", "1000", "", ""},
    {UnknownPresent, Present, "999999", "50", "", "1", ""},
    {UnknownFuture, Future, "400", "80", "1000000", "", ""},
};

TEST(CompoundInterest, SolvesTheUnknownOrRejectsIt) {
    for (const SolveCase& c : SolveCases) {
        SCOPED_TRACE(testing::Message() << c.unknownField << " " << c.expected);
        Form f;
        f.Solve(c.unknownButton, c.periods, c.rate, c.pv, c.fv);
        EXPECT_EQ(f.dlg.Text(c.unknownField), c.expected);
        EXPECT_EQ(f.host.LastMessage(), *c.expected ? "" : LoadString(IDS_UNKNOWN_EXCEEDS_LIMITS));
        EXPECT_EQ(f.dlg.IsEnabled(Record), *c.expected != 0);
        if (*c.expected) {
            EXPECT_TRUE(f.dlg.IsEnabled(c.unknownField));
        }
    }
}

TEST(CompoundInterest, CalculateChecksTheInputs) {
    Form f;
    f.Solve(UnknownFuture, "40", "8", "", "");
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_ENTER_DATA));
    EXPECT_EQ(f.host.focus, Present);

    f.host.Enter(Present, "0.00");
    EXPECT_EQ(f.host.messages.size(), 1u); // no minimum check while typing
    f.host.Click(Calculate);
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_NUMBER_EXCEEDS_LIMITS));
    EXPECT_EQ(f.host.focus, Present);
}

TEST(CompoundInterest, KeystrokesAreCheckedInTheField) {
    Form f;
    f.host.Enter(PerYear, "99999");
    EXPECT_EQ(f.dlg.Text(PerYear), "9999");
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_NUMBER_TOO_LARGE));
    f.host.Enter(PerYear, "0");
    EXPECT_EQ(f.dlg.Text(PerYear), "");
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_NUMBER_TOO_SMALL));
    const int beeps = f.host.beeps;
    f.host.Enter(Present, "12.345");
    EXPECT_EQ(f.dlg.Text(Present), "12.34");
    EXPECT_EQ(f.host.beeps, beeps + 1);
    EXPECT_EQ(f.host.messages.size(), 2u); // the extra digit is refused silently
}

TEST(CompoundInterest, SwitchingTheUnknownRestoresTheSavedText) {
    Form f;
    f.Solve(UnknownFuture, "40", "8", "1000", "");
    f.host.Click(UnknownPresent);
    EXPECT_EQ(f.dlg.Text(Future), "2208.04"); // the result comes back as the field's text
    EXPECT_TRUE(f.dlg.IsEnabled(Future));
    EXPECT_EQ(f.dlg.Text(Present), "");
    EXPECT_FALSE(f.dlg.IsEnabled(Present));
    f.host.Click(UnknownFuture);
    EXPECT_EQ(f.dlg.Text(Present), "1000.00");
}

TEST(CompoundInterest, RecordWritesTheFieldsAsShownAndCloses) {
    Form f;
    f.Solve(UnknownFuture, "40", "8", "1000", "");
    f.host.Click(Record);
    const std::string expected = "\r\n" + std::string(16, ' ') +
                                 "COMPOUND INTEREST\r\n\r\n"
                                 "Compounding Periods per Year:" +
                                 std::string(20, ' ') +
                                 "4\r\n"
                                 "Number of Periods:" +
                                 std::string(26, ' ') +
                                 "40.000\r\n"
                                 "Annual Rate (%):" +
                                 std::string(29, ' ') +
                                 "8.000\r\n"
                                 "Present Value ($):" +
                                 std::string(25, ' ') +
                                 "1000.00\r\n"
                                 "Future Value ($):" +
                                 std::string(26, ' ') + "2208.04\r\n";
    EXPECT_EQ(f.doc.text, expected);
    EXPECT_EQ(f.host.result, FormResult::Ok);
}

TEST(CompoundInterest, ARecordThatDoesNotFitIsRefusedWhole) {
    Form f(100);
    f.Solve(UnknownFuture, "40", "8", "1000", "");
    f.host.Click(Record);
    EXPECT_EQ(f.doc.text, "");
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_DOCUMENT_FULL));
    EXPECT_EQ(f.host.icons.back(), MessageIcon::Stop);
    EXPECT_EQ(f.host.result, FormResult::None); // the form stays open
}

} // namespace
} // namespace kavrel
