// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/approximating_fractions.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "../support/fake_host.h"

namespace tamsel {
namespace {

using Flag = test::FixedFlag;

ExpansionState WithQuotients(const std::vector<double>& q) {
    ExpansionState s;
    s.n = static_cast<std::int16_t>(q.size());
    for (std::size_t i = 0; i < q.size(); ++i) s.quotient[i + 1] = q[i];
    return s;
}

// k1 + 1/(k2 + 1/(... + 1/kw)), or with minus signs, as a reduced rational.
mpq_class SlowValue(const std::vector<double>& q, int w, bool variant) {
    mpq_class value(mpz_class(q[w - 1]));
    for (int i = w - 1; i >= 1; --i) {
        const mpq_class k(mpz_class(q[i - 1]));
        value = variant ? mpq_class(k - 1 / value) : mpq_class(k + 1 / value);
        value.canonicalize();
    }
    return value;
}

TEST(ApproximatingFraction, EqualsTheReducedValueOfTheCutOffFraction) {
    std::mt19937_64 random(11);
    for (int run = 0; run < 100; ++run) {
        const bool variant = run % 2 == 1;
        const double largest = run % 10 == 0 ? 9007199254740992.0 : run % 5 == 1 ? 1e6 : 9;
        // The usual algorithm pulls out at least 1 after the first step,
        // the variant at least 2.
        std::uniform_real_distribution<double> size(variant ? 2 : 1, largest);
        std::vector<double> q{std::floor(size(random)) - 1};
        const int length = 1 + static_cast<int>(random() % 100);
        while (static_cast<int>(q.size()) < length) q.push_back(std::floor(size(random)));
        const ExpansionState s = WithQuotients(q);
        for (int w = 1; w <= length; ++w) {
            const Fraction f = ApproximatingFraction(s, w, Flag(variant));
            const mpq_class expected = SlowValue(q, w, variant);
            ASSERT_EQ(f.numerator, expected.get_num()) << "run " << run << ", w " << w;
            ASSERT_EQ(f.denominator, expected.get_den()) << "run " << run << ", w " << w;
        }
    }
}

// The list builds each fraction from the two before it; it must agree with
// the backward evaluation of every single fraction, whatever the quotients
// (zeros and negative ones included, as a switch flipped during a run gives).
TEST(ListApproximatingFractions, AgreesWithEachFractionEvaluatedBackwards) {
    std::mt19937_64 random(5);
    for (int run = 0; run < 60; ++run) {
        const bool variant = run % 2 == 1;
        std::uniform_int_distribution<int> quotient(run % 3 == 0 ? -5 : 0, run % 4 == 0 ? 1000000 : 9);
        std::vector<double> q;
        const int length = 1 + static_cast<int>(random() % 100);
        while (static_cast<int>(q.size()) < length) q.push_back(quotient(random));
        ExpansionState s = WithQuotients(q);
        std::vector<Fraction> expected;
        for (int w = 1; w <= length; ++w) expected.push_back(ApproximatingFraction(s, w, Flag(variant)));
        ASSERT_EQ(ListApproximatingFractions(s, std::nullopt, length, Flag(variant)), expected) << "run " << run;
    }
}

// A period found before step 20 is continued to 20 quotients, one period
// length at a time; from step 20 on, or without a period, nothing changes.
TEST(ExtendQuotientsPeriodically, ContinuesShortPeriodsToTwenty) {
    struct Row {
        std::vector<double> quotients;
        std::optional<std::int32_t> periodStart;
        std::vector<double> expected;  // quotient(1) to quotient(n) afterwards
    };
    std::vector<double> nineteen(19, 1.0), twenty(20, 1.0);
    nineteen[18] = 2;
    std::vector<double> nineteenExtended = nineteen;
    nineteenExtended.push_back(2);  // period of one from step 19
    const Row rows[] = {
        {{1, 2}, 2, {1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
        {{2, 1, 1, 1, 4}, 2, {2, 1, 1, 1, 4, 1, 1, 1, 4, 1, 1, 1, 4, 1, 1, 1, 4, 1, 1, 1}},
        {{1}, 1, std::vector<double>(20, 1.0)},
        {nineteen, 19, nineteenExtended},
        {twenty, 3, twenty},
        {{0, 1, 2}, std::nullopt, {0, 1, 2}},
    };
    for (const Row& row : rows) {
        ExpansionState s = WithQuotients(row.quotients);
        const bool extended = ExtendQuotientsPeriodically(s, row.periodStart);
        EXPECT_EQ(extended, row.expected.size() != row.quotients.size());
        ASSERT_EQ(s.n, static_cast<int>(row.expected.size()));
        for (int w = 1; w <= s.n; ++w) EXPECT_EQ(s.quotient[w], row.expected[w - 1]) << "w " << w;
    }
}

}  // namespace
}  // namespace tamsel
