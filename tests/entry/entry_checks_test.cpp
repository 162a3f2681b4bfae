// SPDX-License-Identifier: GPL-3.0-or-later
// The keystroke checks of number fields, by limit class: a sign alone reads as 0, the
// minimum of a class waits for Calculate, and exponent digits are no decimals.
#include "entry/entry_checks.h"
#include "entry/field_info.h"
#include "resources/strings.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

constexpr int Silent = -1, Ok = 0; // a rejection without a message; no rejection
constexpr int Small = IDS_NUMBER_TOO_SMALL, Large = IDS_NUMBER_TOO_LARGE;

int Outcome(const KeystrokeVerdict& v) {
    return !v.rejected ? Ok : v.messageId ? v.messageId : Silent;
}

TEST(KeystrokeChecks, FollowTheLimitClass) {
    const struct {
        bool integer;
        const char* text;
        int limitClass, expected;
    } rows[] = {{true, "", 0, Ok},
                {true, "-", 7, Ok},
                {true, "-", 0, Silent},
                {true, "0", 0, Small},
                {true, "9999", 0, Ok},
                {true, "99999", 0, Large},
                {true, "12a", 0, Silent},
                {true, "1.", 0, Silent},
                {true, "-99999", 7, Small},
                {true, "12-", 7, Silent},
                {true, "999999", 1, Ok},
                {true, "1000000", 1, Large},
                {true, "0", 10, Ok},
                {false, "12.34", 3, Ok},
                {false, "12.345", 3, Silent},
                {false, "1e5", 3, Ok},
                {false, "1e-5", 3, Ok},
                {false, "e", 3, Silent},
                {false, "1e5+", 3, Silent},
                {false, "1e11", 3, Large},
                {false, "10000000000", 3, Ok},
                {false, "10000000000.01", 3, Large},
                {false, "-", 3, Silent},
                {false, "-5", 5, Ok},
                {false, "-10000000000.01", 5, Small},
                {false, "1.", 0, Ok},
                {false, "1.5", 0, Silent},
                {false, "1.2.", 3, Silent},
                {false, "1.234e12", 6, Large},
                {false, "1.23e-12", 3, Ok},
                {false, "+1", 3, Silent},
                {false, "12,5", 3, Silent},
                {false, "9998.999", 6, Ok},
                {false, "9.9999", 9, Silent}};
    for (const auto& c : rows) {
        const FieldLimits& l = FieldLimitTable[c.limitClass];
        EXPECT_EQ(Outcome(c.integer ? CheckIntegerField(c.text, long(l.minimum), long(l.maximum))
                                    : CheckDecimalText(c.text, l.digits, l.minimum, l.maximum)),
                  c.expected)
            << '"' << c.text << "\" in class " << c.limitClass;
    }
}

// What was typed is remembered: a shorter text in the same field passes unchecked.
TEST(KeystrokeChecks, ShorteningADecimalFieldIsNeverChecked) {
    const FieldLimits& l = FieldLimitTable[3];
    DecimalFieldMemory& memory = TheDecimalFieldMemory();
    memory = {};
    const std::tuple<int, const char*, int> rows[] = {{13, "12.34", Ok},
                                                      {13, "1x", Ok},
                                                      {13, "1xy", Silent},
                                                      {14, "x", Silent},
                                                      {14, "y", Silent}};
    for (auto [id, text, expected] : rows)
        EXPECT_EQ(Outcome(CheckDecimalField(id, text, l.digits, l.minimum, l.maximum)), expected)
            << text;
}

} // namespace
} // namespace kavrel
