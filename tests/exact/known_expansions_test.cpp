// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "expand_for_test.h"

namespace tamsel::exact {
namespace {

using test::Expand;
using test::Numbers;

struct KnownCase {
    const char* name;
    std::array<std::string, 4> inputs;
    bool variant;
    std::vector<mpz_class> quotients;  // before the period, or all of a rational
    std::vector<mpz_class> period;     // empty for a rational
};

void PrintTo(const KnownCase& c, std::ostream* os) { *os << c.name; }

class KnownExpansions : public ::testing::TestWithParam<KnownCase> {};

TEST_P(KnownExpansions, QuotientsAndPeriod) {
    const KnownCase& c = GetParam();
    const test::Collected result = Expand(c.inputs, c.variant);
    std::vector<mpz_class> all = c.quotients;
    all.insert(all.end(), c.period.begin(), c.period.end());
    EXPECT_EQ(result.quotients, all);
    EXPECT_EQ(result.summary.steps, all.size());
    if (c.period.empty()) {
        EXPECT_EQ(result.summary.end, WalkEnd::Rational);
        EXPECT_EQ(result.summary.periodStart, 0u);
    } else {
        EXPECT_EQ(result.summary.end, WalkEnd::Period);
        EXPECT_EQ(result.summary.periodStart, c.quotients.size() + 1);
        EXPECT_EQ(result.summary.periodLength, c.period.size());
    }
}

const mpz_class kTenTo150("1" + std::string(150, '0'));
const mpz_class kTenTo200("1" + std::string(200, '0'));

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Table, KnownExpansions,
    ::testing::Values(
        KnownCase{"Sqrt2", {"1", "2", "0", "1"}, false, Numbers({"1"}), Numbers({"2"})},
        KnownCase{"Sqrt2Variant", {"1", "2", "0", "1"}, true, Numbers({"2"}), Numbers({"2", "4"})},
        KnownCase{"Sqrt7Variant", {"1", "7", "0", "1"}, true, Numbers({"3"}), Numbers({"3", "6"})},
        KnownCase{"GoldenRatioFromStep1", {"1", "5", "1", "2"}, false, {}, Numbers({"1"})},
        // Beyond the reach of doubles in the window, exact here.
        KnownCase{"LargeKoeff", {"93222358", "2", "0", "1"}, false, Numbers({"131836322"}),
                  Numbers({"1", "263672644"})},
        KnownCase{"LargeAbs", {"0", "0", "13510798882111490", "3"}, false,
                  Numbers({"4503599627370496", "1", "2"}), {}},
        KnownCase{"Pi355Over113", {"0", "0", "355", "113"}, false, Numbers({"3", "7", "16"}), {}},
        KnownCase{"Pi355Over113Variant", {"0", "0", "355", "113"}, true,
                  Numbers({"4", "2", "2", "2", "2", "2", "2", "17"}), {}},
        KnownCase{"WholeRoot", {"3", "9", "-1", "4"}, false, Numbers({"2"}), {}},
        KnownCase{"WholeRootVariant", {"1", "4", "0", "1"}, true, Numbers({"2"}), {}},
        KnownCase{"Zero", {"0", "5", "0", "7"}, false, Numbers({"0"}), {}},
        // Negative x: the first quotient is negative, the rest as usual.
        KnownCase{"MinusSqrt2", {"-1", "2", "0", "1"}, false, Numbers({"-2", "1", "1"}), Numbers({"2"})},
        KnownCase{"MinusSqrt2Variant", {"-1", "2", "0", "1"}, true, Numbers({"-1", "3"}), Numbers({"2", "4"})},
        KnownCase{"MinusSqrt2ByNenner", {"1", "2", "0", "-1"}, false, Numbers({"-2", "1", "1"}), Numbers({"2"})},
        KnownCase{"MinusSevenThirds", {"0", "0", "-7", "3"}, false, Numbers({"-3", "1", "2"}), {}},
        KnownCase{"MinusSevenThirdsVariant", {"0", "0", "7", "-3"}, true, Numbers({"-2", "3"}), {}},
        KnownCase{"MinusFive", {"0", "0", "-5", "1"}, true, Numbers({"-5"}), {}},
        // Hundreds of digits: sqrt(n^2 + 1) = [n; 2n], sqrt(n^2 + 2) = [n; n, 2n].
        KnownCase{"SqrtTenTo400Plus1", {"1", mpz_class(kTenTo200 * kTenTo200 + 1).get_str(), "0", "1"}, false,
                  {kTenTo200}, {mpz_class(2 * kTenTo200)}},
        KnownCase{"SqrtTenTo300Plus2", {"1", mpz_class(kTenTo150 * kTenTo150 + 2).get_str(), "0", "1"}, false,
                  {kTenTo150}, {kTenTo150, mpz_class(2 * kTenTo150)}}),
    [](const ::testing::TestParamInfo<KnownCase>& info) { return info.param.name; });
// clang-format on

TEST(KnownExpansions, PeriodLengthsOfSquareRoots) {
    const struct {
        const char* d;
        std::uint64_t length;
    } cases[] = {{"2", 1}, {"3", 2}, {"7", 4}, {"13", 5}, {"94", 16}, {"2566", 102}, {"1000000000039", 532572}};
    for (const auto& c : cases) {
        const test::Collected result = Expand({"1", c.d, "0", "1"}, false);
        EXPECT_EQ(result.summary.end, WalkEnd::Period) << c.d;
        EXPECT_EQ(result.summary.periodStart, 2u) << c.d;
        EXPECT_EQ(result.summary.periodLength, c.length) << c.d;
        // The period of a square root ends in twice its first quotient.
        EXPECT_EQ(result.quotients.back(), 2 * result.quotients.front()) << c.d;
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

TEST(KnownExpansions, StepLimit) {
    const test::Collected full = Expand({"1", "2566", "0", "1"}, false);
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
    EXPECT_EQ(rational.quotients, Numbers({"3", "7"}));
    EXPECT_EQ(Expand({"0", "0", "355", "113"}, false, 3).summary.end, WalkEnd::Rational);
}

TEST(KnownExpansions, Convergents) {
    const struct {
        std::array<std::string, 4> inputs;
        bool variant;
        std::uint64_t maxSteps;
        std::uint64_t wanted;
        std::vector<std::string> fractions;
    } cases[] = {
        // The period is continued as far as asked.
        {{"1", "2", "0", "1"}, false, kMostSteps, 6, {"1/1", "3/2", "7/5", "17/12", "41/29", "99/70"}},
        {{"1", "2", "0", "1"}, true, kMostSteps, 5, {"2/1", "3/2", "10/7", "17/12", "58/41"}},
        {{"-1", "2", "0", "1"}, false, kMostSteps, 5, {"-2/1", "-1/1", "-3/2", "-7/5", "-17/12"}},
        // A rational has one per quotient, a run at the step limit one per step.
        {{"0", "0", "355", "113"}, false, kMostSteps, 20, {"3/1", "22/7", "355/113"}},
        {{"0", "0", "355", "113"},
         true,
         kMostSteps,
         20,
         {"4/1", "7/2", "10/3", "13/4", "16/5", "19/6", "22/7", "355/113"}},
        {{"1", "2566", "0", "1"}, false, 3, 20, {"50/1", "51/1", "101/2"}},
        {{"1", "2", "0", "1"}, false, kMostSteps, 0, {}},
    };
    for (const auto& c : cases) {
        const ExactExpansion expansion(test::Input(c.inputs), c.variant, c.maxSteps);
        EXPECT_EQ(test::Fractions(expansion, c.wanted), c.fractions) << c.inputs[1] << " " << c.inputs[2];
    }
}

// Fractions whose quotients are not kept are walked again, with the same result.
TEST(KnownExpansions, ConvergentsBeyondTheKeptQuotients) {
    const ExactExpansion expansion(test::Input({"1", "2566", "0", "1"}), false, kMostSteps);
    const std::vector<std::string> all = test::Fractions(expansion, 250);
    for (const std::uint64_t keep : {0u, 2u, 103u}) {
        QuotientList kept(keep);
        KeepQuotients sink(kept);
        const WalkSummary summary = expansion.Walk(sink);
        std::vector<std::string> fractions;
        ForEachConvergent(expansion, summary, kept, 250, [&](const mpz_class& p, const mpz_class& q) {
            fractions.push_back(p.get_str() + "/" + q.get_str());
        });
        EXPECT_EQ(fractions, all) << keep;
    }
    ASSERT_EQ(all.size(), 250u);
    EXPECT_EQ(all[0], "50/1");
}

}  // namespace
}  // namespace tamsel::exact
