// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bonds bought between coupon dates: the price from the yield to maturity or the yield from
// the price, with the coupon payment, the coupons still to be paid, the accrued interest and
// the yield to call. Corporate bonds count accrued days on 30-day months over a 360-day
// year; Treasury bonds count actual days and pay coupons twice a year.

#include "entry/date.h"
#include "entry/form_model.h"

namespace kavrel {

class CBondDlg : public CFormModel {
public:
    enum { IDD = 108, CorporateCommandId = 32786, TreasuryCommandId = 32787 };
    enum Mode : int { Corporate = 98, Treasury = 99 }; // the caption's string ID

    explicit CBondDlg(Mode mode);

protected:
    void SetDefaults() override;
    bool StartCalculate() override;
    bool CheckForm() override;
    bool Solve(double& result) override;

private:
    // Both a call date and a call price are typed: the yield to call is wanted.
    bool CallEntered() const;
    // The yield to call in percent, 0 when the call provisions give none.
    double YieldToCall(double coupon) const;

    Mode m_mode;
    int m_frequency = -1;
    double m_coupon = 0.0;
    double m_payments = 0.0;
    double m_yield = 0.0;
    double m_periodsPerYear = 0.0;
    double m_price = 0.0;
    double m_par = 0.0;
    double m_couponRate = 0.0;
    double m_accrued = 0.0;
    double m_callPrice = 0.0;
    double m_yieldToCall = 0.0;
    CDate m_purchase;
    CDate m_maturity;
    CDate m_call;
};

} // namespace kavrel
