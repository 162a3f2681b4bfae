#include "entry/entry_checks.h"
#include "entry/field_info.h"
#include "resources/strings.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

constexpr int Silent = -1; // a rejection without a message
constexpr int Ok = 0;

int Outcome(const KeystrokeVerdict& v) {
    return !v.rejected ? Ok : v.messageId ? v.messageId : Silent;
}

struct IntegerCase {
    const char* text;
    int limitClass;
    int expected;
};

TEST(CheckIntegerField, FollowsTheLimitClass) {
    const IntegerCase cases[] = {
        {"", 0, Ok},
        {"-", 7, Ok},                       // a sign alone reads as 0, inside class 7
        {"-", 0, Silent},                   // class 0 has no negative values
        {"0", 0, IDS_NUMBER_TOO_SMALL},     // below the minimum 1
        {"9999", 0, Ok},                    // the maximum itself
        {"99999", 0, IDS_NUMBER_TOO_LARGE}, // a fifth digit
        {"12a", 0, Silent},
        {"1.", 0, Silent},
        {"-9999", 7, Ok},
        {"-99999", 7, IDS_NUMBER_TOO_SMALL},
        {"12-", 7, Silent}, // a sign only in front
        {"999999", 1, Ok},
        {"1000000", 1, IDS_NUMBER_TOO_LARGE},
        {"0", 10, Ok},
    };
    for (const auto& c : cases) {
        const FieldLimits& l = FieldLimitTable[c.limitClass];
        EXPECT_EQ(Outcome(CheckIntegerField(c.text, long(l.minimum), long(l.maximum))), c.expected)
            << c.text << " in class " << c.limitClass;
    }
}

struct DecimalCase {
    const char* text;
    int limitClass;
    int expected;
};

TEST(CheckDecimalText, FollowsTheLimitClass) {
    const DecimalCase cases[] = {
        {"", 3, Ok},
        {"12.34", 3, Ok},
        {"12.345", 3, Silent}, // a third digit after the point in a 2-digit class
        {"1e5", 3, Ok},
        {"1e+5", 3, Ok},
        {"1e-5", 3, Ok},
        {"e", 3, Silent},    // an exponent needs a digit before it
        {"1e5+", 3, Silent}, // a sign only right after the exponent letter
        {"1e11", 3, IDS_NUMBER_TOO_LARGE},
        {"10000000000", 3, Ok}, // exactly the maximum
        {"10000000000.01", 3, IDS_NUMBER_TOO_LARGE},
        {"0", 3, Ok}, // the minimum waits for Calculate
        {"0.00", 3, Ok},
        {"-", 3, Silent}, // no sign where the minimum is not negative
        {"-5", 5, Ok},
        {"-10000000000.01", 5, IDS_NUMBER_TOO_SMALL},
        {"1.", 0, Ok}, // no digits after the point, but the point is fine
        {"1.5", 0, Silent},
        {"1.2.", 3, Silent}, // a second point
        {"1.234e12", 6, IDS_NUMBER_TOO_LARGE},
        {"1.2e15", 3, IDS_NUMBER_TOO_LARGE},
        {"1.23e-12", 3, Ok}, // exponent digits are not counted as decimals
        {"+1", 3, Silent},
        {"12,5", 3, Silent}, // a decimal comma is never accepted
        {"9998.999", 6, Ok},
        {"9.9999", 9, Silent},
    };
    for (const auto& c : cases) {
        const FieldLimits& l = FieldLimitTable[c.limitClass];
        EXPECT_EQ(Outcome(CheckDecimalText(c.text, l.digits, l.minimum, l.maximum)), c.expected)
            << c.text << " in class " << c.limitClass;
    }
}

TEST(CheckDecimalField, ShorteningIsNeverChecked) {
    TheDecimalFieldMemory() = {};
    const FieldLimits& l = FieldLimitTable[3];
    auto check = [&](int id, const char* text) {
        return Outcome(CheckDecimalField(id, text, l.digits, l.minimum, l.maximum));
    };
    EXPECT_EQ(check(13, "12.34"), Ok);
    // Shorter in the same field: accepted unseen, even when the text is invalid.
    EXPECT_EQ(check(13, "1x"), Ok);
    // Growing again is checked.
    EXPECT_EQ(check(13, "1xy"), Silent);
    // The first change in another field is checked, whatever its length.
    EXPECT_EQ(check(14, "x"), Silent);
    // Equal length in the same field is checked.
    EXPECT_EQ(check(14, "y"), Silent);
}

TEST(FindField, SearchesEitherColumn) {
    constexpr FieldInfo table[] = {{10, 1, 210, 0}, {11, 21, 211, 2}, {12, 22, 212, 6}};
    EXPECT_EQ(FindField(table, 11, ControlColumn), 1);
    EXPECT_EQ(FindField(table, 22, UnknownColumn), 2);
    EXPECT_EQ(FindField(table, 1, UnknownColumn), 0);
    EXPECT_EQ(FindField(table, 21, ControlColumn), -1);
    EXPECT_EQ(FindField(FieldTable{}, 10, ControlColumn), -1);
}

} // namespace
} // namespace kavrel
