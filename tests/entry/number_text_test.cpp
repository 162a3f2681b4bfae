// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers read and written as the C library does in the C locale, whatever the desktop's
// locale: 0.125 is exact and its tie goes to even as in printf, 2.675 is stored just below
// its tie, and nothing that rounds to zero has a sign.
#include "entry/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace kavrel {
namespace {

TEST(LeadingDouble, ReadsLikeTheCLibraryInTheCLocale) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},     {"abc", 0}, {"12.5", 12.5}, {"  -3", -3}, {"+4", 4},       {"1e3x", 1000},
        {"1e", 1},   {"1e+", 1}, {".5", 0.5},    {"5.", 5},    {"-.25", -0.25}, {"12 34", 12},
        {"0x10", 0}, {"inf", 0}, {"nan", 0},     {"1,5", 1},   {".", 0},        {"-", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(LeadingDouble(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isinf(LeadingDouble("1e999")));
}

TEST(FormatFixed, RoundsLikePrintfAndIgnoresTheLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const struct {
        double value;
        int digits;
        const char* text;
    } cases[] = {{2208.039664, 2, "2208.04"}, {1000, 2, "1000.00"}, {35.0027, 3, "35.003"},
                 {0.125, 2, "0.12"},          {2.675, 2, "2.67"},   {-0.4, 0, "0"},
                 {-0.0049, 2, "0.00"},        {-0.006, 2, "-0.01"}, {1e10, 2, "10000000000.00"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.digits), c.text) << c.value;
    if (previous) std::setlocale(LC_NUMERIC, "C");
}

} // namespace
} // namespace kavrel
