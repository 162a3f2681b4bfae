// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/bond/coupon_dates.h"

namespace kavrel {

namespace {

CDate MonthsBefore(const CDate& date, int months) {
    CDate result = date;
    result.AddMonths(-months);
    return result;
}

} // namespace

CouponPeriod CountCoupons(const CDate& purchase, const CDate& last, int monthsPerPeriod) {
    const int p = monthsPerPeriod > 0 ? monthsPerPeriod : 1;
    const int months = MonthsBetween(purchase, last);
    CouponPeriod period;
    period.coupons = months / p + (months % p != 0 ? 1 : 0);
    period.previous = MonthsBefore(last, p * period.coupons);
    // Bought in a coupon month before the coupon day: that coupon is still to be paid to the
    // buyer, and the period began one period earlier. Without this the accrued days would
    // be negative.
    if (period.previous.IsAfter(purchase)) {
        ++period.coupons;
        period.previous = MonthsBefore(last, p * period.coupons);
    }
    period.next = period.previous;
    period.next.AddMonths(p);
    return period;
}

} // namespace kavrel
