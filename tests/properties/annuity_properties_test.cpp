// Properties of the annuity equations over generated inputs inside the entry limits: the
// payment and the present value are inverse to each other, and the rate solver finds the rate
// that generated a payment.

#include "engine/rate_solver.h"
#include "engine/tvm.h"
#include "entry/field_info.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace kavrel;

namespace {

constexpr unsigned Seed = 20240917;
constexpr int Cases = 20000;

// Spread over the decades of a class rather than crowded at its top.
double LogUniform(std::mt19937& random, double low, double high) {
    std::uniform_real_distribution<double> exponent(std::log(low), std::log(high));
    return std::exp(exponent(random));
}

// The limit classes of the annuity forms' fields: counts of class 2, rates of class 6,
// amounts of class 3 (present value) and class 4 (balloon).
struct AnnuityInputs {
    double timingFactor, periodsPerYear, count, ratePercent, presentValue, balloon;
};

AnnuityInputs Generate(std::mt19937& random) {
    static constexpr double Frequencies[] = {1, 2, 4, 12, 26, 52, 365};
    const FieldLimits& counts = LimitsOf(2);
    const FieldLimits& rates = LimitsOf(6);
    const FieldLimits& amounts = LimitsOf(3);
    AnnuityInputs in;
    in.periodsPerYear = Frequencies[random() % std::size(Frequencies)];
    in.count = std::round(LogUniform(random, counts.minimum, counts.maximum) * 1000) / 1000;
    in.ratePercent = LogUniform(random, rates.minimum, rates.maximum);
    in.presentValue = LogUniform(random, amounts.minimum, amounts.maximum);
    in.balloon = random() % 2 ? 0.0 : LogUniform(random, amounts.minimum, amounts.maximum);
    const double i = in.ratePercent / (in.periodsPerYear * 100);
    in.timingFactor = random() % 2 ? 1.0 : 1.0 + i;
    return in;
}

} // namespace

TEST(AnnuityProperties, PresentValueOfThePaymentIsThePresentValue) {
    std::mt19937 random(Seed);
    int compared = 0;
    for (int n = 0; n < Cases; ++n) {
        const AnnuityInputs in = Generate(random);
        const double payment = AnnuityPayment(in.timingFactor, in.periodsPerYear, in.count,
                                              in.ratePercent, in.presentValue, in.balloon);
        // The payment is an entry of the forms too: inside class 3, or the case is not one.
        if (!(payment >= LimitsOf(3).minimum && payment <= LimitsOf(3).maximum)) continue;
        const double back = AnnuityPresentValue(in.timingFactor, in.periodsPerYear, in.count,
                                                in.ratePercent, payment, in.balloon);
        ASSERT_NEAR(back, in.presentValue, 1e-9 * in.presentValue)
            << "count " << in.count << ", rate " << in.ratePercent << " %, " << in.periodsPerYear
            << " a year, balloon " << in.balloon;
        ++compared;
    }
    EXPECT_GT(compared, Cases / 4);
}

// The payment comes from the textbook sums, not from the closed forms under test.
TEST(AnnuityProperties, SolveRateRecoversTheRateThatMadeThePayment) {
    std::mt19937 random(Seed);
    // The bisection stops once its bracket is narrower than 1e-12 a year.
    constexpr double AnnualTolerance = 1e-11;
    int solvable = 0;
    for (int n = 0; n < 3000; ++n) {
        const double periodsPerYear = random() % 2 ? 12 : 1;
        // Rates the scan can reach: 0.5 % to 900 % a year.
        const double rate = LogUniform(random, 0.005, 9.0) / periodsPerYear;
        const int due = static_cast<int>(random() % 2);
        const bool futureForm = random() % 2;
        // One ordinary payment is worth itself at its due date whatever the rate.
        const int count = (futureForm ? 2 : 1) + static_cast<int>(random() % 359);
        const double payment = LogUniform(random, 1, 1e6);
        double discounted = 0, grown = 0;
        for (int k = 1; k <= count; ++k) {
            const double at = due ? k - 1 : k;
            discounted += payment / std::pow(1 + rate, at);
            grown += payment * std::pow(1 + rate, count - at);
        }
        const double balloon = futureForm || random() % 2 ? 0.0 : payment * (random() % 50);
        const double value = futureForm ? grown : discounted + balloon / std::pow(1 + rate, count);
        if (!(value >= LimitsOf(3).minimum && value <= LimitsOf(3).maximum)) continue;
        ++solvable;
        const double solved =
            SolveRate(due, futureForm, periodsPerYear, count, value, payment, balloon);
        ASSERT_NEAR(solved * periodsPerYear, rate * periodsPerYear, AnnualTolerance)
            << (futureForm ? "future" : "present") << " value " << value << ", payment " << payment
            << ", " << count << " payments, due " << due << ", balloon " << balloon;
    }
}
