#include "calculators/compound/compound_dlg.h"
#include "resources/strings.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavrel {
namespace {

using test::BufferTarget;
using test::RecordingHost;

enum { PerYear = 10, Periods = 11, Rate = 12, Present = 13, Future = 14 };
enum { UnknownPeriods = 21, UnknownRate = 22, UnknownPresent = 23, UnknownFuture = 24 };

struct Form {
    Form() : host(dlg, &doc) {
        TheDecimalFieldMemory() = {};
        dlg.Open();
    }
    // Fills the fields (an empty text skips the field), makes `unknown` the unknown and
    // presses Calculate.
    void Solve(int unknownButton, const char* periods, const char* rate, const char* pv,
               const char* fv) {
        host.Click(unknownButton);
        const std::pair<int, const char*> inputs[] = {
            {Periods, periods}, {Rate, rate}, {Present, pv}, {Future, fv}};
        for (auto [id, text] : inputs)
            if (*text && dlg.IsEnabled(id))
                host.Enter(id, text);
        host.Click(1001);
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
    EXPECT_FALSE(f.dlg.IsEnabled(1003));
    EXPECT_EQ(f.dlg.CurrentUnknown(), Future);
}

struct SolveCase {
    const char* name;
    int unknownButton;
    int unknownField;
    const char *periods, *rate, *pv, *fv;
    const char* expected; // the unknown's text, or "" for "Unknown exceeds preset limits..."
};

// Expected values worked out by hand: 1000 * 1.02^40 = 2208.0397, ln(2)/ln(1.02) = 35.0028,
// 2000 / 1.02^40 = 905.78.
const SolveCase SolveCases[] = {
    {"future value", UnknownFuture, Future, "40", "8", "1000", "", "2208.04"},
    {"periods not rounded", UnknownPeriods, Periods, "", "8", "1000", "2000", "35.003"},
    {"rate", UnknownRate, Rate, "40", "", "1000", "2208.04", "8.000"},
    {"present value", UnknownPresent, Present, "40", "8", "", "2000", "905.78"},
    {"periods with no growth", UnknownPeriods, Periods, "", "8", "1000", "1000", ""},
    {"rate with a loss", UnknownRate, Rate, "40", "", "1000", "900", ""},
    {"overflowing power", UnknownFuture, Future, "999999", "9999", "1000", "", ""},
    {"present value below a cent", UnknownPresent, Present, "999999", "50", "", "1", ""},
    {"future value above the maximum", UnknownFuture, Future, "400", "80", "1000000", "", ""},
};

class CompoundSolve : public testing::TestWithParam<SolveCase> {};

TEST_P(CompoundSolve, ShowsTheResultOrRejectsIt) {
    const SolveCase& c = GetParam();
    Form f;
    f.Solve(c.unknownButton, c.periods, c.rate, c.pv, c.fv);
    EXPECT_EQ(f.dlg.Text(c.unknownField), c.expected);
    if (*c.expected) {
        EXPECT_TRUE(f.host.messages.empty()) << f.host.LastMessage();
        EXPECT_TRUE(f.dlg.IsEnabled(1003));
        EXPECT_TRUE(f.dlg.IsEnabled(c.unknownField));
    } else {
        EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_UNKNOWN_EXCEEDS_LIMITS));
        EXPECT_FALSE(f.dlg.IsEnabled(1003));
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, CompoundSolve, testing::ValuesIn(SolveCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST(CompoundInterest, RewritesInputsInTheirFormats) {
    Form f;
    f.Solve(UnknownFuture, "40", "8", "1000", "");
    EXPECT_EQ(f.dlg.Text(PerYear), "4");
    EXPECT_EQ(f.dlg.Text(Periods), "40.000");
    EXPECT_EQ(f.dlg.Text(Rate), "8.000");
    EXPECT_EQ(f.dlg.Text(Present), "1000.00");
}

TEST(CompoundInterest, CalculateChecksTheInputs) {
    Form f;
    f.host.Enter(Periods, "40");
    f.host.Enter(Rate, "8");
    f.host.Click(1001);
    EXPECT_EQ(f.host.LastMessage(), LoadString(IDS_ENTER_DATA));
    EXPECT_EQ(f.host.focus, Present);

    f.host.Enter(Present, "0.00");
    EXPECT_TRUE(f.host.messages.size() == 1); // no minimum check while typing
    f.host.Click(1001);
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
    int beeps = f.host.beeps;
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
    f.host.Click(1003);
    const std::string expected = "\r\n" + std::string(16, ' ') + "COMPOUND INTEREST\r\n\r\n"
                                 "Compounding Periods per Year:" + std::string(20, ' ') + "4\r\n"
                                 "Number of Periods:" + std::string(26, ' ') + "40.000\r\n"
                                 "Annual Rate (%):" + std::string(29, ' ') + "8.000\r\n"
                                 "Present Value ($):" + std::string(25, ' ') + "1000.00\r\n"
                                 "Future Value ($):" + std::string(26, ' ') + "2208.04\r\n";
    EXPECT_EQ(f.doc.text, expected);
    EXPECT_EQ(f.host.result, FormResult::Ok);
}

TEST(CompoundInterest, ARecordThatDoesNotFitIsRefusedWhole) {
    CCompoundDlg dlg;
    BufferTarget doc(100);
    RecordingHost host(dlg, &doc);
    dlg.Open();
    host.Enter(Periods, "40");
    host.Enter(Rate, "8");
    host.Enter(Present, "1000");
    host.Click(1001);
    host.Click(1003);
    EXPECT_EQ(doc.text, "");
    EXPECT_EQ(host.LastMessage(), LoadString(IDS_DOCUMENT_FULL));
    EXPECT_EQ(host.icons.back(), MessageIcon::Stop);
    EXPECT_EQ(host.result, FormResult::None); // the form stays open
}

} // namespace
} // namespace kavrel
