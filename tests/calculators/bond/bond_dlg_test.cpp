#include "calculators/bond/bond_dlg.h"
#include "entry/date_field.h"
#include "entry/number_text.h"
#include "resources/strings.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kavrel {
namespace {

using test::BufferTarget;
using test::RecordingHost;

enum Control : int {
    Frequency = 70,
    Par = 71,
    CouponRate = 72,
    Maturity = 1005,
    CallDate = 1097,
    CallPrice = 1098,
    Purchased = 1004,
    Price = 1009,
    Yield = 1008,
    Coupon = 77,
    Count = 1007,
    Accrued = 79,
    YieldToCall = 1101,
    UnknownYield = 1014,
    UnknownPrice = 1015,
};

struct Form {
    explicit Form(CBondDlg::Mode mode = CBondDlg::Corporate) : dlg(mode), host(dlg, &doc) {
        TheDecimalFieldMemory() = {};
        TheDateFieldMemory() = {};
        CDate::SetTodayOverride(CDate(1, 15, 2001));
        dlg.Open();
    }
    ~Form() { CDate::SetTodayOverride(std::nullopt); }
    void Calculate(int unknownButton, std::initializer_list<std::pair<int, const char*>> fields) {
        host.Click(unknownButton);
        for (auto [id, text] : fields)
            host.Enter(id, text);
        host.Click(1001);
    }
    CBondDlg dlg;
    BufferTarget doc;
    RecordingHost host;
};

TEST(Bond, OpensForTheYieldWithSemiannualCoupons) {
    for (auto mode : {CBondDlg::Corporate, CBondDlg::Treasury}) {
        Form f(mode);
        EXPECT_EQ(f.dlg.Caption(),
                  mode == CBondDlg::Corporate ? "Corporate Bond" : "Treasury Bond");
        EXPECT_EQ(f.dlg.Text(Par), "1000");
        EXPECT_EQ(f.dlg.Text(Frequency), "Semiannually");
        EXPECT_EQ(f.dlg.IsEnabled(Frequency), mode == CBondDlg::Corporate);
        EXPECT_EQ(f.dlg.Text(Purchased), "1/15/2001");
        EXPECT_EQ(f.dlg.Text(Accrued), "0.00");
        EXPECT_EQ(f.dlg.Text(YieldToCall), "");
        EXPECT_FALSE(f.dlg.IsEnabled(Yield));
        EXPECT_FALSE(f.dlg.IsEnabled(1003));
    }
}

struct BondCase {
    const char* name;
    CBondDlg::Mode mode;
    int frequency; // list index
    const char *purchased, *maturity, *couponRate, *price, *yield;
    // Expected texts of price or yield (the unknown), coupon, count and accrued interest.
    const char *unknownText, *coupon, *count, *accrued;
};

// Accrued interest by hand: 60 / 360 * 80 = 13.33; 45 / (2 * 182) * 60 = 7.42 (1/15/2000 to
// 7/15/2000 is 182 days); 175 / 360 * 80 = 38.89 and 179 / (2 * 184) * 60 = 29.18 for the
// purchases five days before a coupon, whose previous coupon date is one period earlier.
// Last period: the 1040 due in 120 days discounted at 8 % simple interest, less 13.33.
const BondCase Cases[] = {
    {"on_a_coupon_date_at_par", CBondDlg::Corporate, 2, "1/15/2001", "1/15/2011", "8", "", "8",
     "1000.00", "40.00", "20", "0.00"},
    {"two_months_of_accrued_interest", CBondDlg::Corporate, 2, "3/15/2001", "1/15/2011", "8", "",
     "8", "1000.00", "40.00", "20", "13.33"},
    {"treasury_actual_days", CBondDlg::Treasury, 2, "2/29/2000", "7/15/2010", "6", "", "6",
     "1000.00", "30.00", "21", "7.42"},
    {"last_period_simple_interest", CBondDlg::Corporate, 2, "3/15/2010", "7/15/2010", "8", "", "8",
     "999.65", "40.00", "1", "13.33"},
    {"yield_from_a_quarterly_price", CBondDlg::Corporate, 1, "1/15/2001", "10/15/2008", "7",
     "889.26", "", "9.000", "17.50", "31", "0.00"},
    {"bought_before_the_coupon_day", CBondDlg::Corporate, 2, "1/10/2001", "7/15/2001", "8", "", "8",
     "1000.00", "40.00", "2", "38.89"},
    {"treasury_before_the_coupon_day", CBondDlg::Treasury, 2, "1/10/2001", "7/15/2011", "6", "",
     "6", "1000.00", "30.00", "22", "29.18"},
};

class BondSolve : public testing::TestWithParam<BondCase> {};

TEST_P(BondSolve, PricesAndCountsCoupons) {
    const BondCase& c = GetParam();
    Form f(c.mode);
    if (c.mode == CBondDlg::Corporate) f.dlg.UserSelected(Frequency, c.frequency);
    const bool priceUnknown = *c.price == 0;
    f.host.Click(priceUnknown ? UnknownPrice : UnknownYield);
    f.host.Enter(CouponRate, c.couponRate);
    f.host.Enter(Maturity, c.maturity);
    f.host.Enter(Purchased, c.purchased);
    f.host.Enter(priceUnknown ? Yield : Price, priceUnknown ? c.yield : c.price);
    f.host.Click(1001);
    EXPECT_TRUE(f.host.messages.empty()) << f.host.LastMessage();
    EXPECT_EQ(f.dlg.Text(priceUnknown ? Price : Yield), c.unknownText);
    EXPECT_EQ(f.dlg.Text(Coupon), c.coupon);
    EXPECT_EQ(f.dlg.Text(Count), c.count);
    EXPECT_EQ(f.dlg.Text(Accrued), c.accrued);
    EXPECT_EQ(f.dlg.Text(YieldToCall), "");
    EXPECT_TRUE(f.dlg.IsEnabled(1003));
}

INSTANTIATE_TEST_SUITE_P(Examples, BondSolve, testing::ValuesIn(Cases),
                         [](const auto& tested) { return std::string(tested.param.name); });

TEST(Bond, PriceIsThePresentValueOfTheCouponsAndPar) {
    Form f;
    f.dlg.UserSelected(Frequency, 1); // quarterly: 31 coupons of 17.50 at 2.25 % a quarter
    f.Calculate(
        UnknownPrice,
        {{CouponRate, "7"}, {Maturity, "10/15/2008"}, {Purchased, "1/15/2001"}, {Yield, "9"}});
    double sum = 0.0;
    for (int k = 1; k <= 31; ++k)
        sum += 17.5 / std::pow(1.0225, k);
    sum += 1000 / std::pow(1.0225, 31);
    EXPECT_NEAR(LeadingDouble(f.dlg.Text(Price)), sum, 0.005);
}

TEST(Bond, YieldRisesSteeplyAsTheLastPeriodEnds) {
    // 990 paid for 1040 due on 7/15/2010: simple interest over the days left of 180.
    double previous = 0.0;
    for (const char* purchased : {"5/15/2010", "7/1/2010", "7/13/2010"}) {
        Form f;
        f.Calculate(
            UnknownYield,
            {{CouponRate, "8"}, {Maturity, "7/15/2010"}, {Purchased, purchased}, {Price, "990"}});
        const double yield = LeadingDouble(f.dlg.Text(Yield));
        EXPECT_GT(yield, previous) << purchased;
        previous = yield;
        if (std::string(purchased) == "7/1/2010") {
            // 166 days accrued, 14 left: (1040 / (990 + 36.89) - 1) * 360 / 14.
            EXPECT_EQ(f.dlg.Text(Yield), "32.831");
        }
    }
    EXPECT_GT(previous, 150.0);
}

struct CallCase {
    const char* name;
    const char *callDate, *callPrice;
    const char* yieldToCall; // "" when none is shown
};

// At par with a call at par the yield to call is the coupon rate; a call at 104 after ten
// coupons: 1000 = 40 * (1 - v^10) / x + 1040 * v^10 gives x = 4.3281 % a half year.
const CallCase CallCases[] = {
    {"call_at_par", "1/15/2006", "100", "8.000"},
    {"call_premium", "1/15/2006", "104", "8.656"},
    {"call_date_without_price", "1/15/2006", "", ""},
    {"call_price_without_date", "", "104", ""},
};

class BondCall : public testing::TestWithParam<CallCase> {};

TEST_P(BondCall, YieldToCallOnlyWithBothProvisions) {
    const CallCase& c = GetParam();
    Form f;
    f.Calculate(UnknownYield, {{CouponRate, "8"},
                               {Maturity, "1/15/2011"},
                               {CallDate, c.callDate},
                               {CallPrice, c.callPrice},
                               {Purchased, "1/15/2001"},
                               {Price, "1000"}});
    EXPECT_TRUE(f.host.messages.empty()) << f.host.LastMessage();
    EXPECT_EQ(f.dlg.Text(Yield), "8.000");
    EXPECT_EQ(f.dlg.Text(YieldToCall), c.yieldToCall);
}

INSTANTIATE_TEST_SUITE_P(Provisions, BondCall, testing::ValuesIn(CallCases),
                         [](const auto& tested) { return std::string(tested.param.name); });

struct RefusalCase {
    const char* name;
    const char *maturity, *callDate, *callPrice;
    const char* message;
    int focus;
};

const RefusalCase Refusals[] = {
    {"maturity_a_day_after_purchase", "1/16/2001", "", "", "Not enough difference between dates...",
     Purchased},
    {"maturity_incomplete", "1/16/", "", "", "Date not complete!", Maturity},
    {"call_price_below_95", "1/15/2011", "1/15/2006", "94", "Number exceeds preset limits...",
     CallPrice},
    {"call_a_day_after_purchase", "1/15/2011", "1/16/2001", "100",
     "Not enough difference between dates...", Purchased},
    {"call_after_maturity", "1/15/2011", "1/16/2011", "100",
     "Call date must not be after the maturity date...", CallDate},
};

class BondRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(BondRefusal, StopsWithTheMessage) {
    const RefusalCase& c = GetParam();
    Form f;
    f.Calculate(UnknownPrice, {{CouponRate, "8"},
                               {Maturity, c.maturity},
                               {CallDate, c.callDate},
                               {CallPrice, c.callPrice},
                               {Yield, "8"}});
    EXPECT_EQ(f.host.LastMessage(), c.message);
    EXPECT_EQ(f.host.focus, c.focus);
    EXPECT_FALSE(f.dlg.IsEnabled(1003));
}

INSTANTIATE_TEST_SUITE_P(Inputs, BondRefusal, testing::ValuesIn(Refusals),
                         [](const auto& tested) { return std::string(tested.param.name); });

TEST(Bond, RecordsTheTitleAndThirteenLines) {
    Form f(CBondDlg::Treasury);
    f.Calculate(UnknownPrice, {{CouponRate, "6"}, {Maturity, "7/15/2010"}, {Yield, "6"}});
    f.host.Click(1003);
    EXPECT_EQ(f.host.result, FormResult::Ok);
    EXPECT_TRUE(f.doc.text.starts_with("\r\n" + std::string(18, ' ') + "TREASURY BOND\r\n\r\n"));
    EXPECT_EQ(std::count(f.doc.text.begin(), f.doc.text.end(), '\n'), 3 + 13);
    EXPECT_NE(f.doc.text.find("Interest is Paid:" + std::string(21, ' ') + "Semiannually\r\n"),
              std::string::npos);
}

} // namespace
} // namespace kavrel
