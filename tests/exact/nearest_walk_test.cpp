// SPDX-License-Identifier: GPL-3.0-or-later
// The nearest-integer expansion against its definition, step by step in
// exact arithmetic of its own: x = (k sqrt(d) + a) / n, the quotient the
// integer nearest to x (ties down), the next x the reciprocal of |x - a|;
// the period from a table of every x met; the fractions from the list
// evaluated backwards in rationals.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine/big_integer_arithmetic.h"
#include "expand_for_test.h"

namespace tamsel::exact {
namespace {

struct Surd {
    mpz_class k, a, n;  // (k sqrt(d) + a) / n
};

// The sign of x - num / den (den > 0).
int SignAbove(const Surd& x, const mpz_class& d, const mpz_class& num, const mpz_class& den) {
    return bigint::Sign(x.k * den, d, x.a * den - num * x.n, x.n * den);
}

// 1 / x, in lowest terms with n > 0.
Surd Reciprocal(const Surd& x, const mpz_class& d) {
    Surd r{x.n * x.k, -x.n * x.a, x.k * x.k * d - x.a * x.a};
    if (sgn(x.k) == 0) r = {0, x.n, x.a};
    mpz_class g;
    mpz_gcd(g.get_mpz_t(), r.k.get_mpz_t(), r.a.get_mpz_t());
    mpz_gcd(g.get_mpz_t(), g.get_mpz_t(), r.n.get_mpz_t());
    if (sgn(r.n) < 0) g = -g;
    return {r.k / g, r.a / g, r.n / g};
}

void CheckNearest(const std::array<std::string, 4>& texts) {
    SCOPED_TRACE(texts[0] + " " + texts[1] + " " + texts[2] + " " + texts[3]);
    const ExactExpansion expansion(test::Input(texts), ExpansionAlgorithm::Nearest, 100000);
    const test::Collected got = test::Expand(expansion);
    const mpz_class d(texts[1]);
    const bool rational = expansion.IsRational();

    // The definition, run until x ends or a state comes back (and one period more).
    Surd x{mpz_class(texts[0]), mpz_class(texts[2]), mpz_class(texts[3])};
    if (rational) {
        mpz_class root;
        mpz_sqrt(root.get_mpz_t(), d.get_mpz_t());
        x = {0, x.k * root + x.a, x.n};
    }
    x = Reciprocal(Reciprocal(x, d), d);  // lowest terms, n > 0
    std::vector<mpz_class> signedQuotients;
    std::map<std::string, std::size_t> seen;
    std::size_t firstRepeat = 0, length = 0;
    int sign = 1;
    for (std::size_t i = 0; i < 5000; ++i) {
        const std::string key = x.k.get_str() + " " + x.a.get_str() + " " + x.n.get_str();
        if (length == 0 && seen.count(key) != 0) {
            firstRepeat = seen[key];
            length = i - firstRepeat;
        }
        seen.emplace(key, i);
        if (length > 0 && i > firstRepeat + 2 * length) break;
        // The nearest integer a: a - 1/2 < x <= a + 1/2.
        mpz_class a = x.a / x.n;
        while (SignAbove(x, d, 2 * a + 1, 2) > 0) ++a;
        while (SignAbove(x, d, 2 * a - 1, 2) <= 0) --a;
        if (i > 0) {
            EXPECT_GE(a, 2);
        }
        signedQuotients.push_back(sign * a);
        const Surd rest{x.k, x.a - a * x.n, x.n};
        sign = bigint::Sign(rest.k, d, rest.a, rest.n);
        if (sign == 0) break;
        x = Reciprocal(rest, d);
        if (sign < 0) x = {-x.k, -x.a, x.n};
    }

    if (rational) {
        EXPECT_EQ(got.summary.end, WalkEnd::Rational);
        EXPECT_EQ(got.quotients, signedQuotients);
    } else {
        ASSERT_GT(length, 0u);
        // The signed quotients repeat from the first index s that starts a run of repeats.
        std::size_t s = firstRepeat + 1;
        while (s > 0 && signedQuotients[s - 1] == signedQuotients[s - 1 + length]) --s;
        EXPECT_EQ(got.summary.end, WalkEnd::Period);
        EXPECT_EQ(got.summary.periodStart, s + 1);
        EXPECT_EQ(got.summary.periodLength, length);
        ASSERT_EQ(got.quotients.size(), s + length);
        EXPECT_TRUE(std::equal(got.quotients.begin(), got.quotients.end(), signedQuotients.begin()));
    }

    // Each fraction is the list up to its step, a(0) + e(1)/(a(1) + ...), in rationals.
    ConvergentSequence fractions(ExpansionAlgorithm::Nearest);
    for (std::size_t i = 0; i < got.quotients.size(); ++i) {
        fractions.Next(got.quotients[i]);
        mpq_class value = abs(got.quotients[i]);
        for (std::size_t j = i; j-- > 0;) {
            value = (j == 0 ? got.quotients[0] : mpz_class(abs(got.quotients[j]))) +
                    mpq_class(sgn(got.quotients[j + 1])) / value;
        }
        if (i == 0) value = got.quotients[0];
        EXPECT_EQ(mpq_class(fractions.Numerator(), fractions.Denominator()), value) << "step " << i + 1;
        EXPECT_GT(fractions.Denominator(), 0);
    }
}

TEST(NearestWalk, AgreesWithTheDefinition) {
    const std::array<std::string, 4> known[] = {
        {"1", "2", "0", "1"},  {"1", "3", "0", "1"},   {"1", "5", "1", "2"},     {"1", "7", "0", "1"},
        {"-1", "2", "0", "1"}, {"1", "13", "-1", "3"}, {"0", "0", "13", "8"},    {"0", "0", "5", "2"},
        {"0", "0", "-7", "3"}, {"0", "0", "0", "1"},   {"0", "0", "355", "113"}, {"2", "9", "1", "4"},
    };
    for (const auto& texts : known) CheckNearest(texts);
    std::mt19937 random(17);
    const auto in = [&](int low, int high) {
        return std::to_string(low + static_cast<int>(random() % (high - low + 1)));
    };
    for (int i = 0; i < 150 && !HasFailure(); ++i) {
        std::string nenner = in(-6, 6);
        if (nenner == "0") nenner = "7";
        CheckNearest({in(-3, 3), in(0, 100), in(-60, 60), nenner});
    }
}

}  // namespace
}  // namespace tamsel::exact
