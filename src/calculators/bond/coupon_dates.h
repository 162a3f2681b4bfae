// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How many coupons a bond bought between coupon dates still pays, and the coupon period the
// purchase falls in. The count works on calendar months; the coupon dates are the maturity
// (or call) date stepped back by whole coupon periods.

#include "entry/date.h"

namespace kavrel {

struct CouponPeriod {
    int coupons = 0;
    CDate previous; // the last coupon date on or before the purchase
    CDate next;     // previous moved on by one period
};

CouponPeriod CountCoupons(const CDate& purchase, const CDate& last, int monthsPerPeriod);

} // namespace kavrel
