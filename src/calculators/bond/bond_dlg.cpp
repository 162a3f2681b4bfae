// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/bond/bond_dlg.h"

#include "calculators/bond/coupon_dates.h"
#include "engine/math_errors.h"
#include "engine/rate_solver.h"
#include "engine/tvm.h"
#include "entry/date_field.h"
#include "resources/strings.h"

#include <array>
#include <string_view>

namespace kavrel {

namespace {

enum Control : int {
    IDC_CALL_DATE_LABEL = 20,
    IDC_FREQUENCY = 70,
    IDC_PAR = 71,
    IDC_COUPON_RATE = 72,
    IDC_COUPON = 77,
    IDC_ACCRUED = 79,
    IDC_PURCHASE_DATE = 1004,
    IDC_MATURITY_DATE = 1005,
    IDC_PAYMENT_COUNT = 1007,
    IDC_YIELD = 1008,
    IDC_PRICE = 1009,
    IDC_UNKNOWN_YIELD = 1014,
    IDC_UNKNOWN_PRICE = 1015,
    IDC_CALL_DATE = 1097,
    IDC_CALL_PRICE = 1098,
    IDC_CALL_PRICE_LABEL = 1099,
    IDC_YIELD_TO_CALL_LABEL = 1100,
    IDC_YIELD_TO_CALL = 1101,
    IDC_UNKNOWN_GROUP = 1102,
    IDC_CALL_GROUP = 1103,
    IDC_CALL_NOTE = 1104,
    IDC_PURCHASE_DATE_LABEL = 250,
    IDC_MATURITY_DATE_LABEL = 251,
    IDC_PAYMENT_COUNT_LABEL = 252,
    IDC_YIELD_LABEL = 253,
    IDC_PRICE_LABEL = 254,
    IDC_FREQUENCY_LABEL = 270,
    IDC_PAR_LABEL = 271,
    IDC_COUPON_RATE_LABEL = 272,
    IDC_COUPON_LABEL = 277,
    IDC_ACCRUED_LABEL = 279,
};

constexpr std::array<std::string_view, 4> FrequencyNames = {"Monthly", "Quarterly", "Semiannually",
                                                            "Annually"};
constexpr std::array<int, 4> CouponsPerYear = {12, 4, 2, 1};
constexpr int Semiannually = 2;

// A call price gives a yield to call from 95 % of par up to (not including) 151 %.
constexpr double LowestCallPrice = 95.0;
constexpr double CallPriceBound = 151.0;

} // namespace

CBondDlg::CBondDlg(Mode mode) : CFormModel(IDD, std::string(LoadString(mode))), m_mode(mode) {
    DeclareRows({
        Row::Choice(IDC_FREQUENCY, {IDC_FREQUENCY_LABEL, "Interest is Paid:"},
                    {FrequencyNames.begin(), FrequencyNames.end()}, m_frequency),
        Row::Input(IDC_PAR, {IDC_PAR_LABEL, "Par Value ($):"}, LimitClass::Amount, m_par),
        Row::Input(IDC_COUPON_RATE, {IDC_COUPON_RATE_LABEL, "Coupon Rate (%):"}, LimitClass::Rate,
                   m_couponRate),
        Row::Date(IDC_MATURITY_DATE, {IDC_MATURITY_DATE_LABEL, "Maturity Date:"}, m_maturity),
        Row::Section(IDC_CALL_GROUP, "Bond Call Provisions"),
        Row::Note(IDC_CALL_NOTE, "(Enter only to calculate Yield to Call)"),
        Row::Date(IDC_CALL_DATE, {IDC_CALL_DATE_LABEL, "Call Date:"}, m_call),
        // Checked only when a call date is entered too.
        Row::Optional(IDC_CALL_PRICE, {IDC_CALL_PRICE_LABEL, "Call Price (%):"},
                      LimitClass::CallPrice, m_callPrice),
        Row::Section(),
        Row::Date(IDC_PURCHASE_DATE, {IDC_PURCHASE_DATE_LABEL, "Date Purchased:"}, m_purchase),
        Row::Section(IDC_UNKNOWN_GROUP, "Unknown"),
        Row::Unknown(IDC_PRICE, IDC_UNKNOWN_PRICE, {IDC_PRICE_LABEL, "Present Value ($):"},
                     LimitClass::Amount, m_price),
        Row::Unknown(IDC_YIELD, IDC_UNKNOWN_YIELD, {IDC_YIELD_LABEL, "Yield to Maturity (%):"},
                     LimitClass::Rate, m_yield),
        Row::Section(),
        Row::Result(IDC_COUPON, {IDC_COUPON_LABEL, "Periodic Payment ($):"}, LimitClass::Amount,
                    m_coupon),
        Row::Result(IDC_PAYMENT_COUNT, {IDC_PAYMENT_COUNT_LABEL, "Number of Payments:"},
                    LimitClass::LongCount, m_payments),
        Row::Result(IDC_ACCRUED, {IDC_ACCRUED_LABEL, "Accrued Interest ($):"},
                    LimitClass::SignedAmount, m_accrued),
        Row::Result(IDC_YIELD_TO_CALL, {IDC_YIELD_TO_CALL_LABEL, "Yield to Call (%):"},
                    LimitClass::Rate, m_yieldToCall),
    });
    AddStandardButtons();
    SetDefaultUnknown(IDC_UNKNOWN_YIELD);
}

void CBondDlg::SetDefaults() {
    SetCaption(std::string(LoadString(m_mode)));
    SetText(IDC_PAR, "1000");
    m_periodsPerYear = CouponsPerYear[Semiannually];
    Select(IDC_FREQUENCY, Semiannually);
    // Treasury coupons are always semiannual.
    if (m_mode == Treasury) Enable(IDC_FREQUENCY, false);
    m_purchase.SetToday();
    SetText(IDC_PURCHASE_DATE, m_purchase.Format());
}

bool CBondDlg::StartCalculate() {
    SetRequired(IDC_CALL_PRICE, CallEntered());
    return true;
}

bool CBondDlg::CallEntered() const {
    return !Text(IDC_CALL_DATE).empty() && !Text(IDC_CALL_PRICE).empty();
}

bool CBondDlg::CheckForm() {
    const bool callEntered = CallEntered();
    if (CheckDatePair(*this, m_purchase, m_maturity, IDC_PURCHASE_DATE, IDC_MATURITY_DATE))
        return false;
    if (callEntered && CheckDatePair(*this, m_purchase, m_call, IDC_PURCHASE_DATE, IDC_CALL_DATE))
        return false;
    // A call after maturity would be valued over coupons the bond never pays.
    if (callEntered && m_call.IsAfter(m_maturity)) {
        MessageText("Call date must not be after the maturity date...");
        MoveFocus(IDC_CALL_DATE);
        return false;
    }
    const bool listed = m_frequency >= 0 && m_frequency < static_cast<int>(CouponsPerYear.size());
    m_periodsPerYear = CouponsPerYear[listed ? m_frequency : Semiannually];

    for (int display : {IDC_COUPON, IDC_PAYMENT_COUNT, IDC_ACCRUED, IDC_YIELD_TO_CALL})
        SetText(display, "");
    m_coupon = m_payments = m_accrued = m_yieldToCall = 0.0;
    return true;
}

bool CBondDlg::Solve(double& result) {
    if (m_unknown != IDC_PRICE && m_unknown != IDC_YIELD) return false;
    const double m = m_periodsPerYear;
    const int monthsPerPeriod = 12 / static_cast<int>(m);
    const CouponPeriod period = CountCoupons(m_purchase, m_maturity, monthsPerPeriod);
    m_payments = period.coupons;

    const double annualCoupon = m_par * m_couponRate * 0.01;
    double days = 0.0;
    double basis = 360.0;
    if (m_mode == Treasury) {
        days = DaysBetween(period.previous, m_purchase);
        basis = 2.0 * DaysBetween(period.previous, period.next);
    } else {
        days = Days360Between(period.previous, m_purchase);
    }
    m_accrued = days * annualCoupon / basis;
    m_coupon = annualCoupon / m;

    if (m_payments < 2 && days >= 1) {
        // The last coupon period: simple interest over the part of the period still to run.
        const double periodDays = basis / m;
        const double remaining = (periodDays - days) / periodDays;
        const double redemption = m_par + m_coupon;
        if (m_unknown == IDC_YIELD)
            result = m_yield = 100.0 * m * (redemption / (m_price + m_accrued) - 1.0) / remaining;
        else
            result = m_price = redemption / (1.0 + remaining * m_yield * 0.01 / m) - m_accrued;
        return true;
    }

    if (m_unknown == IDC_PRICE)
        result = m_price = AnnuityPresentValue(1.0, m, m_payments, m_yield, m_coupon, m_par);
    else
        result = m_yield = SolveRate(0, 0, m, m_payments, m_price, m_coupon, m_par) * m * 100.0;
    m_yieldToCall = YieldToCall(m_coupon);
    return true;
}

double CBondDlg::YieldToCall(double coupon) const {
    CDate call = m_call;
    if (!call.IsValid() || m_callPrice < LowestCallPrice || m_callPrice >= CallPriceBound)
        return 0.0;
    const double m = m_periodsPerYear;
    const CouponPeriod period = CountCoupons(m_purchase, call, 12 / static_cast<int>(m));
    const double rate =
        SolveRate(0, 0, m, period.coupons, m_price, coupon, m_callPrice * m_par * 0.01);
    // No rate up to 1000 % a year: shown as no yield rather than as the solver's marker.
    if (rate >= NoSolution) return 0.0;
    return rate * m * 100.0;
}

} // namespace kavrel
