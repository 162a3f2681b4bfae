#include "calculators/bond/coupon_dates.h"

#include <gtest/gtest.h>

namespace kavrel {
namespace {

struct CouponCase {
    const char* name;
    CDate purchase, last;
    int months;
    int coupons;
    CDate previous, next;
};

const CouponCase Cases[] = {
    {"on_a_coupon_date", CDate(1, 15, 2001), CDate(1, 15, 2011), 6, 20, CDate(1, 15, 2001),
     CDate(7, 15, 2001)},
    {"two_months_into_the_period", CDate(3, 15, 2001), CDate(1, 15, 2011), 6, 20,
     CDate(1, 15, 2001), CDate(7, 15, 2001)},
    {"quarterly", CDate(2, 1, 2001), CDate(10, 15, 2008), 3, 31, CDate(1, 15, 2001),
     CDate(4, 15, 2001)},
    {"month_end_maturity_clamps", CDate(3, 10, 2001), CDate(8, 31, 2003), 6, 5, CDate(2, 28, 2001),
     CDate(8, 28, 2001)},
    // In the coupon month before the coupon day: the coupon five days later is still owed.
    {"before_the_coupon_day", CDate(1, 10, 2001), CDate(7, 15, 2001), 6, 2, CDate(7, 15, 2000),
     CDate(1, 15, 2001)},
    {"before_the_coupon_day_monthly", CDate(5, 3, 2001), CDate(8, 20, 2001), 1, 4,
     CDate(4, 20, 2001), CDate(5, 20, 2001)},
};

class CouponCount : public testing::TestWithParam<CouponCase> {};

TEST_P(CouponCount, CountsWholePeriodsBackFromTheLastCoupon) {
    const CouponCase& c = GetParam();
    const CouponPeriod period = CountCoupons(c.purchase, c.last, c.months);
    EXPECT_EQ(period.coupons, c.coupons);
    EXPECT_EQ(period.previous.Format(), c.previous.Format());
    EXPECT_EQ(period.next.Format(), c.next.Format());
    EXPECT_FALSE(period.previous.IsAfter(c.purchase));
}

INSTANTIATE_TEST_SUITE_P(Periods, CouponCount, testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kavrel
