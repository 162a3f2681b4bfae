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

// Each row: the text, its limit class and the verdict.
TEST(KeystrokeChecks, FollowTheLimitClass) {
    using Rows = std::initializer_list<std::tuple<const char*, int, int>>;
    const Rows integers = {
        {"", 0, Ok},          {"-", 7, Ok},        {"-", 0, Silent},   {"0", 0, Small},
        {"9999", 0, Ok},      {"99999", 0, Large}, {"12a", 0, Silent}, {"1.", 0, Silent},
        {"-99999", 7, Small}, {"12-", 7, Silent},  {"999999", 1, Ok},  {"1000000", 1, Large},
        {"0", 10, Ok},
    };
    for (auto [text, limitClass, expected] : integers) {
        const FieldLimits& l = FieldLimitTable[limitClass];
        EXPECT_EQ(Outcome(CheckIntegerField(text, long(l.minimum), long(l.maximum))), expected)
            << '"' << text << "\" in class " << limitClass;
    }
    const Rows decimals = {
        {"12.34", 3, Ok},       {"12.345", 3, Silent},  {"1e5", 3, Ok},
        {"1e-5", 3, Ok},        {"e", 3, Silent},       {"1e5+", 3, Silent},
        {"1e11", 3, Large},     {"10000000000", 3, Ok}, {"10000000000.01", 3, Large},
        {"-", 3, Silent},       {"-5", 5, Ok},          {"-10000000000.01", 5, Small},
        {"1.", 0, Ok},          {"1.5", 0, Silent},     {"1.2.", 3, Silent},
        {"1.234e12", 6, Large}, {"1.23e-12", 3, Ok},    {"+1", 3, Silent},
        {"12,5", 3, Silent},    {"9998.999", 6, Ok},    {"9.9999", 9, Silent},
    };
    for (auto [text, limitClass, expected] : decimals) {
        const FieldLimits& l = FieldLimitTable[limitClass];
        EXPECT_EQ(Outcome(CheckDecimalText(text, l.digits, l.minimum, l.maximum)), expected)
            << '"' << text << "\" in class " << limitClass;
    }
}

// What was typed is remembered: a shorter text in the same field passes unchecked.
TEST(KeystrokeChecks, ShorteningADecimalFieldIsNeverChecked) {
    const FieldLimits& l = FieldLimitTable[3];
    TheDecimalFieldMemory() = {};
    const std::tuple<int, const char*, int> rows[] = {
        {13, "12.34", Ok}, {13, "1x", Ok},    {13, "1xy", Silent},
        {14, "x", Silent}, {14, "y", Silent},
    };
    for (auto [id, text, expected] : rows)
        EXPECT_EQ(Outcome(CheckDecimalField(id, text, l.digits, l.minimum, l.maximum)), expected)
            << text;
}

} // namespace
} // namespace kavrel
