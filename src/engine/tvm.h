// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Time-value-of-money closed forms for level payments with an optional balloon. Rates passed
// as annualRatePercent are nominal annual percentages; the rate per period is
// annualRatePercent / (periodsPerYear * 100). timingFactor is 1 for payments at the end of each
// period and 1 + i for payments at its start. Nothing is rounded and nothing is reported: a
// math-library error arrives as MathOverflowValue or MathErrorValue (engine/math_errors.h).

namespace kavrel {

// Above this growth over the payments made RemainingBalance gives 0.0 instead of a value.
inline constexpr double MaxGrowthOverTerm = 1e21;

// The rate per payment period equivalent to a nominal annual rate compounded
// compoundingPerYear times a year, with paymentsPerYear payments a year.
double PeriodRate(double annualRatePercent, double compoundingPerYear, double paymentsPerYear);

// The inverse of PeriodRate: the nominal annual rate in percent.
double AnnualRatePercent(double periodRate, double compoundingPerYear, double paymentsPerYear);

// The present value and the payment stay finite over any term: for an endless one the
// payment tends to presentValue * i / timingFactor.
double AnnuityPresentValue(double timingFactor, double periodsPerYear, double paymentCount,
                           double annualRatePercent, double payment, double balloon);

double AnnuityPayment(double timingFactor, double periodsPerYear, double paymentCount,
                      double annualRatePercent, double presentValue, double balloon);

// The balance owed after paymentsMade payments on principal.
double RemainingBalance(double timingFactor, double periodsPerYear, double paymentsMade,
                        double annualRatePercent, double principal, double payment);

// The number of payments n with
//   presentValue = f * (1 - (1 + i)^-n) / i + balloon * (1 + i)^-n,  f = timingFactor * payment.
// Returns 0.0 when no such count exists. With roundToWhole set, n is rounded half up and
// balloon is replaced by the balance left after n whole payments (negative when the last
// payment overpays); otherwise balloon is left as it is.
double SolvePaymentCount(int roundToWhole, double periodsPerYear, double timingFactor,
                         double annualRatePercent, double presentValue, double payment,
                         double& balloon);

} // namespace kavrel
