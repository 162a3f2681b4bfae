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

// The call price is checked only when a call date is entered too: CallPriceRow marks it.
constexpr int CallPriceRow = 5;

constexpr FieldInfo Fields[] = {
    {IDC_FREQUENCY, 0, IDC_FREQUENCY_LABEL, 0},
    {IDC_PAR, 1, IDC_PAR_LABEL, 3},
    {IDC_COUPON_RATE, 1, IDC_COUPON_RATE_LABEL, 6},
    {IDC_MATURITY_DATE, 0, IDC_MATURITY_DATE_LABEL, 0},
    {IDC_CALL_DATE, 0, IDC_CALL_DATE_LABEL, 0},
    {IDC_CALL_PRICE, 0, IDC_CALL_PRICE_LABEL, 11},
    {IDC_PURCHASE_DATE, 0, IDC_PURCHASE_DATE_LABEL, 0},
    {IDC_PRICE, IDC_UNKNOWN_PRICE, IDC_PRICE_LABEL, 3},
    {IDC_YIELD, IDC_UNKNOWN_YIELD, IDC_YIELD_LABEL, 6},
    {IDC_COUPON, 0, IDC_COUPON_LABEL, 3},
    {IDC_PAYMENT_COUNT, 0, IDC_PAYMENT_COUNT_LABEL, 1},
    {IDC_ACCRUED, 0, IDC_ACCRUED_LABEL, 5},
    {IDC_YIELD_TO_CALL, 0, IDC_YIELD_TO_CALL_LABEL, 6},
};

constexpr std::array<FieldInfo, std::size(Fields)> FieldsWithCallPrice = [] {
    std::array<FieldInfo, std::size(Fields)> rows{};
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = Fields[i];
    rows[CallPriceRow].unknownButton = 1;
    return rows;
}();

constexpr std::array<std::string_view, 4> FrequencyNames = {"Monthly", "Quarterly", "Semiannually",
                                                            "Annually"};
constexpr std::array<int, 4> CouponsPerYear = {12, 4, 2, 1};
constexpr int Semiannually = 2;

// A call price gives a yield to call from 95 % of par up to (not including) 151 %.
constexpr double LowestCallPrice = 95.0;
constexpr double CallPriceBound = 151.0;

} // namespace

CBondDlg::CBondDlg(Mode mode) : CFormModel(IDD, std::string(LoadString(mode))), m_mode(mode) {
    AddLabel(IDC_FREQUENCY_LABEL, "Interest is Paid:");
    AddChoice(IDC_FREQUENCY, {FrequencyNames.begin(), FrequencyNames.end()});
    AddLabel(IDC_PAR_LABEL, "Par Value ($):");
    AddEdit(IDC_PAR, EditRule::Decimal);
    AddLabel(IDC_COUPON_RATE_LABEL, "Coupon Rate (%):");
    AddEdit(IDC_COUPON_RATE, EditRule::Decimal);
    AddLabel(IDC_MATURITY_DATE_LABEL, "Maturity Date:");
    AddEdit(IDC_MATURITY_DATE, EditRule::Date);
    AddControl({IDC_CALL_GROUP, ControlKind::Group, "Bond Call Provisions"});
    AddLabel(IDC_CALL_NOTE, "(Enter only to calculate Yield to Call)");
    AddLabel(IDC_CALL_DATE_LABEL, "Call Date:");
    AddEdit(IDC_CALL_DATE, EditRule::Date);
    AddLabel(IDC_CALL_PRICE_LABEL, "Call Price (%):");
    AddEdit(IDC_CALL_PRICE, EditRule::Decimal);
    AddLabel(IDC_PURCHASE_DATE_LABEL, "Date Purchased:");
    AddEdit(IDC_PURCHASE_DATE, EditRule::Date);
    AddControl({IDC_UNKNOWN_GROUP, ControlKind::Group, "Unknown"});
    AddLabel(IDC_PRICE_LABEL, "Present Value ($):");
    AddEdit(IDC_PRICE, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_PRICE);
    AddLabel(IDC_YIELD_LABEL, "Yield to Maturity (%):");
    AddEdit(IDC_YIELD, EditRule::Decimal);
    AddUnknownButton(IDC_UNKNOWN_YIELD);
    AddLabel(IDC_COUPON_LABEL, "Periodic Payment ($):");
    AddDisplay(IDC_COUPON);
    AddLabel(IDC_PAYMENT_COUNT_LABEL, "Number of Payments:");
    AddDisplay(IDC_PAYMENT_COUNT);
    AddLabel(IDC_ACCRUED_LABEL, "Accrued Interest ($):");
    AddDisplay(IDC_ACCRUED);
    AddLabel(IDC_YIELD_TO_CALL_LABEL, "Yield to Call (%):");
    AddDisplay(IDC_YIELD_TO_CALL);
    AddStandardButtons();

    AddSection({0,
                {{IDC_FREQUENCY_LABEL, IDC_FREQUENCY},
                 {IDC_PAR_LABEL, IDC_PAR},
                 {IDC_COUPON_RATE_LABEL, IDC_COUPON_RATE},
                 {IDC_MATURITY_DATE_LABEL, IDC_MATURITY_DATE}}});
    AddSection({IDC_CALL_GROUP,
                {{IDC_CALL_NOTE, 0},
                 {IDC_CALL_DATE_LABEL, IDC_CALL_DATE},
                 {IDC_CALL_PRICE_LABEL, IDC_CALL_PRICE}}});
    AddSection({0, {{IDC_PURCHASE_DATE_LABEL, IDC_PURCHASE_DATE}}});
    AddSection({IDC_UNKNOWN_GROUP,
                {{IDC_PRICE_LABEL, IDC_PRICE, IDC_UNKNOWN_PRICE},
                 {IDC_YIELD_LABEL, IDC_YIELD, IDC_UNKNOWN_YIELD}}});
    AddSection({0,
                {{IDC_COUPON_LABEL, IDC_COUPON},
                 {IDC_PAYMENT_COUNT_LABEL, IDC_PAYMENT_COUNT},
                 {IDC_ACCRUED_LABEL, IDC_ACCRUED},
                 {IDC_YIELD_TO_CALL_LABEL, IDC_YIELD_TO_CALL}}});

    BindChoice(IDC_FREQUENCY, m_frequency);
    BindAmount(IDC_PAR, m_par);
    BindAmount(IDC_COUPON_RATE, m_couponRate);
    BindExchange(DateExchange(*this, IDC_MATURITY_DATE, m_maturity));
    BindExchange(DateExchange(*this, IDC_CALL_DATE, m_call));
    BindAmount(IDC_CALL_PRICE, m_callPrice);
    BindExchange(DateExchange(*this, IDC_PURCHASE_DATE, m_purchase));
    BindAmount(IDC_PRICE, m_price);
    BindAmount(IDC_YIELD, m_yield);
    BindAmount(IDC_COUPON, m_coupon);
    BindAmount(IDC_PAYMENT_COUNT, m_payments);
    BindAmount(IDC_ACCRUED, m_accrued);
    BindAmount(IDC_YIELD_TO_CALL, m_yieldToCall);
}

FieldTable CBondDlg::Table() const {
    return Fields;
}

void CBondDlg::OnInitDialog() {
    CFormModel::OnInitDialog();
    SetCaption(std::string(LoadString(m_mode)));
    SetText(IDC_PAR, "1000");
    m_periodsPerYear = CouponsPerYear[Semiannually];
    Select(IDC_FREQUENCY, Semiannually);
    // Treasury coupons are always semiannual.
    if (m_mode == Treasury) Enable(IDC_FREQUENCY, false);
    m_unknown = SelectUnknown(Table(), IDC_UNKNOWN_YIELD, IDC_YIELD, m_savedText);
    Enable(IDC_RECORD, false);
    m_purchase.SetToday();
    SetText(IDC_PURCHASE_DATE, m_purchase.Format());
}

void CBondDlg::OnCalculate() {
    const bool callEntered = !Text(IDC_CALL_DATE).empty() && !Text(IDC_CALL_PRICE).empty();
    if (CheckInputs(callEntered ? FieldTable(FieldsWithCallPrice) : Table(), m_unknown)) return;
    if (CheckDatePair(*this, m_purchase, m_maturity, IDC_PURCHASE_DATE, IDC_MATURITY_DATE)) return;
    if (callEntered && CheckDatePair(*this, m_purchase, m_call, IDC_PURCHASE_DATE, IDC_CALL_DATE))
        return;
    // A call after maturity would be valued over coupons the bond never pays.
    if (callEntered && m_call.IsAfter(m_maturity)) {
        MessageText("Call date must not be after the maturity date...");
        MoveFocus(IDC_CALL_DATE);
        return;
    }
    const bool listed = m_frequency >= 0 && m_frequency < static_cast<int>(CouponsPerYear.size());
    m_periodsPerYear = CouponsPerYear[listed ? m_frequency : Semiannually];

    for (int display : {IDC_COUPON, IDC_PAYMENT_COUNT, IDC_ACCRUED, IDC_YIELD_TO_CALL})
        SetText(display, "");
    m_coupon = m_payments = m_accrued = m_yieldToCall = 0.0;

    double result = 0.0;
    if (!Solve(result) || CheckUnknownResult(Table(), m_unknown, result)) return;
    DoDataExchange(false);
    m_savedText = Text(m_unknown).substr(0, FieldTextLimit);
    Enable(IDC_RECORD, true);
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
