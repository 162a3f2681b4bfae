#pragma once
// Annuity values summed payment by payment, to check the closed forms and the solvers against.

#include <cmath>

namespace kavrel::test {

// A due annuity pays at the start of each period, one period earlier than an ordinary one.
inline double SummedPresentValue(bool due, double i, int n, double payment, double balloon) {
    double sum = 0;
    for (int k = 1; k <= n; ++k)
        sum += payment / std::pow(1 + i, due ? k - 1 : k);
    return sum + balloon / std::pow(1 + i, n);
}

inline double SummedFutureValue(bool due, double i, int n, double payment) {
    double sum = 0;
    for (int k = 1; k <= n; ++k)
        sum += payment * std::pow(1 + i, due ? n - k + 1 : n - k);
    return sum;
}

// The balance after k payments, period by period.
inline double SimulatedBalance(bool due, double i, int k, double principal, double payment) {
    double balance = principal;
    for (int p = 0; p < k; ++p)
        balance = due ? (balance - payment) * (1 + i) : balance * (1 + i) - payment;
    return balance;
}

} // namespace kavrel::test
