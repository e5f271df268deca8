// SPDX-License-Identifier: GPL-3.0-or-later
// What the comparison with the window leaves out: negative and big
// rationals, the step limit, fractions of negative quotients and fractions
// beyond the kept quotients.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "expand_for_test.h"

namespace tamsel::exact {
namespace {

using test::Expand;
using test::Quotients;

// A negative x has a negative first quotient, the rest as usual; a square
// root times koeff is a whole number.
TEST(KnownExpansions, Rationals) {
    const struct {
        std::array<std::string, 4> inputs;
        bool variant;
        std::vector<mpz_class> quotients;
    } cases[] = {
        {{"0", "0", "-7", "3"}, false, Quotients({-3, 1, 2})},
        {{"0", "0", "7", "-3"}, true, Quotients({-2, 3})},
        {{"0", "0", "-5", "1"}, true, Quotients({-5})},
        {{"3", "9", "-1", "4"}, false, Quotients({2})},
    };
    for (const auto& c : cases) {
        const test::Collected result = Expand(c.inputs, c.variant);
        EXPECT_EQ(result.quotients, c.quotients) << c.inputs[2] << "/" << c.inputs[3];
        EXPECT_EQ(result.summary.end, WalkEnd::Rational);
        EXPECT_EQ(result.summary.steps, c.quotients.size());
    }
}

// F(n + 1) / F(n) = [1; 1, ..., 1, 2] with n - 1 quotients.
TEST(KnownExpansions, FibonacciRatios) {
    for (const unsigned long n : {3ul, 10ul, 100ul, 1000ul}) {
        mpz_class numerator, denominator;
        mpz_fib2_ui(numerator.get_mpz_t(), denominator.get_mpz_t(), n + 1);
        const test::Collected result = Expand({"0", "0", numerator.get_str(), denominator.get_str()}, false);
        std::vector<mpz_class> expected(n - 2, mpz_class(1));
        expected.emplace_back(2);
        EXPECT_EQ(result.quotients, expected) << n;
        EXPECT_EQ(result.summary.end, WalkEnd::Rational);
    }
}

// √2566 = [50; period of 102 ending in 100].
TEST(KnownExpansions, StepLimit) {
    const test::Collected full = Expand({"1", "2566", "0", "1"}, false);
    EXPECT_EQ(full.summary.periodStart, 2u);
    EXPECT_EQ(full.summary.periodLength, 102u);
    EXPECT_EQ(full.quotients.back(), 100);
    const test::Collected limited = Expand({"1", "2566", "0", "1"}, false, 50);
    EXPECT_EQ(limited.summary.end, WalkEnd::StepLimit);
    EXPECT_EQ(limited.summary.steps, 50u);
    EXPECT_EQ(limited.summary.periodStart, 0u);
    EXPECT_EQ(limited.quotients, std::vector<mpz_class>(full.quotients.begin(), full.quotients.begin() + 50));

    // A period that closes with the last allowed step is closed; one step
    // less is not.
    EXPECT_EQ(Expand({"1", "2566", "0", "1"}, false, 103).summary.end, WalkEnd::Period);
    EXPECT_EQ(Expand({"1", "2566", "0", "1"}, false, 102).summary.end, WalkEnd::StepLimit);
    // A rational stops at the limit too.
    const test::Collected rational = Expand({"0", "0", "355", "113"}, false, 2);
    EXPECT_EQ(rational.summary.end, WalkEnd::StepLimit);
    EXPECT_EQ(rational.quotients, Quotients({3, 7}));
    EXPECT_EQ(Expand({"0", "0", "355", "113"}, false, 3).summary.end, WalkEnd::Rational);
}

// Fractions of negative quotients, and a run at the step limit: one per step.
TEST(KnownExpansions, Convergents) {
    EXPECT_EQ(test::Fractions(ExactExpansion(test::Input({"-1", "2", "0", "1"}), false, kMostSteps), 5, 5),
              (std::vector<std::string>{"-2/1", "-1/1", "-3/2", "-7/5", "-17/12"}));
    EXPECT_EQ(test::Fractions(ExactExpansion(test::Input({"1", "2566", "0", "1"}), false, 3), 20, 20),
              (std::vector<std::string>{"50/1", "51/1", "101/2"}));
}

// Fractions whose quotients are not kept are walked again, with the same result.
TEST(KnownExpansions, ConvergentsBeyondTheKeptQuotients) {
    const ExactExpansion expansion(test::Input({"1", "2566", "0", "1"}), false, kMostSteps);
    const std::vector<std::string> all = test::Fractions(expansion, 250, 250);
    ASSERT_EQ(all.size(), 250u);
    EXPECT_EQ(all[0], "50/1");
    for (const std::uint64_t keep : {0u, 2u, 103u}) EXPECT_EQ(test::Fractions(expansion, 250, keep), all) << keep;
}

}  // namespace
}  // namespace tamsel::exact
