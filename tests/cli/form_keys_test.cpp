#include "cli/form_keys.h"

#include <gtest/gtest.h>

namespace kavrel::cli {
namespace {

TEST(FormKeys, SlugOfLabels) {
    const struct {
        const char* label;
        const char* slug;
    } cases[] = {
        {"Present Value ($):", "present-value"},
        {"Internal Rate of Return (IRR) (%):", "internal-rate-of-return"},
        {"Compounding Periods per Year:", "compounding-periods-per-year"},
        {"Number of Payments\r\nMade:", "number-of-payments-made"},
        {"Leap Year ?", "leap-year"},
        {"Da&te", "date"},
        {"Fees && Points", "fees-points"},
        {"Select for Calculation", "select-for-calculation"},
        {"STEP 1 - Current Mortgage", "step-1-current-mortgage"},
        {"(only a note)", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Slug(c.label), c.slug) << c.label;
}

TEST(FormKeys, LabelsOnOneLine) {
    EXPECT_EQ(OneLine("Number of Payments\r\nMade:"), "Number of Payments Made:");
    EXPECT_EQ(OneLine("A\nB"), "A B");
    EXPECT_EQ(WithoutMnemonic("&360 days/year"), "360 days/year");
    EXPECT_EQ(WithoutMnemonic("Fees && Points"), "Fees & Points");
}

} // namespace
} // namespace kavrel::cli
