// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The period rate at which a level annuity meets a present or a future value: an upward scan
// in steps of 1 % a year up to 1000 % a year, then bisection of the bracket found.

namespace kavrel {

// ((1 + x)^paymentCount - 1) * (payment / futureValue) * k - x, k = 1 + x for an annuity due,
// else 1. Zero where the payments grow to futureValue; rises with x.
double FvAnnuityResidual(int annuityDue, double x, double payment, double paymentCount,
                         double futureValue);

// x - ((1 - g) * k * payment + g * x * balloon) / presentValue, g = (1 + x)^-paymentCount and
// k as above. Zero where the payments and the discounted balloon are worth presentValue;
// rises with x.
double PvAnnuityResidual(int annuityDue, double x, double payment, double paymentCount,
                         double presentValue, double balloon);

// The rate per period (a fraction) solving the future-value form (futureValueForm nonzero,
// balloon ignored) or the present-value form: the lower end of a bracket narrower than 1e-12 a
// year. Returns NoSolution when more than 1000 % a year would be needed, and 0.0 when no
// positive rate is needed or the bisection does not close within 40 halvings; callers convert
// the result with AnnualRatePercent and reject both.
double SolveRate(int annuityDue, int futureValueForm, double periodsPerYear, double paymentCount,
                 double value, double payment, double balloon);

} // namespace kavrel
