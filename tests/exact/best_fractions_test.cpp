// SPDX-License-Identifier: GPL-3.0-or-later
// The best fractions against a search over every denominator, and the
// intermediate fractions against their definition.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/big_integer_arithmetic.h"
#include "exact/best_fractions.h"
#include "expand_for_test.h"

namespace tamsel::exact {
namespace {

const std::array<std::string, 4> kNumbers[] = {
    {"1", "2", "0", "1"},   {"1", "3", "0", "1"}, {"1", "5", "1", "2"},  {"-1", "7", "0", "1"},
    {"1", "13", "-1", "3"}, {"2", "5", "1", "7"}, {"0", "0", "1", "2"},  {"0", "0", "355", "113"},
    {"0", "0", "-22", "7"}, {"0", "0", "7", "1"}, {"0", "0", "1", "10"}, {"1", "1000003", "0", "1000"},
};

// The sign of c x + e for x = (k sqrt(w) + a) / n.
int SignOfLinear(const ExactInput& x, const mpz_class& c, const mpz_class& e) {
    return bigint::Sign(c * x.koeff, x.wurzel, c * x.abs + e * x.nenner, x.nenner);
}

// The sign of |c1 x + e1| - |c2 x + e2|: that of (A - B)(A + B).
int CompareMagnitudes(const ExactInput& x, const mpz_class& c1, const mpz_class& e1, const mpz_class& c2,
                      const mpz_class& e2) {
    return SignOfLinear(x, c1 - c2, e1 - e2) * SignOfLinear(x, c1 + c2, e1 + e2);
}

// |x - p/q| against |x - r/s|, scaled by q s.
int CompareDistances(const ExactInput& x, const FractionPQ& pq, const FractionPQ& rs) {
    return CompareMagnitudes(x, pq.q * rs.q, -pq.p * rs.q, pq.q * rs.q, -rs.p * pq.q);
}

double Approximately(const ExactInput& x) {
    return (x.koeff.get_d() * std::sqrt(x.wurzel.get_d()) + x.abs.get_d()) / x.nenner.get_d();
}

// The nearest p/q and the least |q x - p| over every q <= Q, the earlier
// (smaller q, then smaller p) on a tie.
BestApproximations Search(const ExactInput& x, long maxDenominator) {
    BestApproximations best{{0, 0}, {0, 0}};
    for (long q = 1; q <= maxDenominator; ++q) {
        const long near = static_cast<long>(std::floor(Approximately(x) * static_cast<double>(q)));
        for (long p = near - 1; p <= near + 2; ++p) {
            const FractionPQ f{p, q};
            if (best.firstKind.q == 0 || CompareDistances(x, f, best.firstKind) < 0) best.firstKind = f;
            if (best.secondKind.q == 0 || CompareMagnitudes(x, q, -p, best.secondKind.q, -best.secondKind.p) < 0) {
                best.secondKind = f;
            }
        }
    }
    return best;
}

std::string Text(const FractionPQ& f) { return f.p.get_str() + "/" + f.q.get_str(); }

TEST(BestFractions, AgreeWithASearchOverEveryDenominator) {
    for (const auto& texts : kNumbers) {
        const ExactInput x = test::Input(texts);
        const ExactExpansion regular(x, false, 1000);
        for (long q = 1; q <= 60; ++q) {
            const std::optional<BestApproximations> found = FindBestApproximations(regular, q);
            const BestApproximations searched = Search(x, q);
            ASSERT_TRUE(found.has_value());
            EXPECT_EQ(Text(found->firstKind), Text(searched.firstKind)) << texts[1] << " Q " << q;
            EXPECT_EQ(Text(found->secondKind), Text(searched.secondKind)) << texts[1] << " Q " << q;
        }
    }
    // A step limit that ends the expansion too early gives no answer.
    EXPECT_FALSE(
        FindBestApproximations(ExactExpansion(test::Input({"1", "1000003", "0", "1000"}), false, 3), 1000000000000));
}

TEST(BestFractions, IntermediateFractionsFollowTheirDefinition) {
    for (const auto& texts : kNumbers) {
        const ExactInput x = test::Input(texts);
        const ExactExpansion regular(x, false, 1000);
        std::vector<ListedFraction> listed;
        ListWithIntermediateFractions(regular, 40, [&](const ListedFraction& f) { listed.push_back(f); });
        // The quotients (a period continued) and the convergents, with 1/0 before the first.
        const test::Collected walk = test::Expand(regular);
        std::vector<mpz_class> quotients = walk.quotients;
        while (walk.summary.end == WalkEnd::Period && quotients.size() < 40) {
            quotients.push_back(quotients[quotients.size() - walk.summary.periodLength]);
        }
        ConvergentSequence convergents(false);
        std::vector<FractionPQ> expected{{1, 0}};
        for (const mpz_class& a : quotients) {
            convergents.Next(a);
            expected.push_back({convergents.Numerator(), convergents.Denominator()});
        }
        std::size_t step = 0, j = 0;
        for (const ListedFraction& f : listed) {
            SCOPED_TRACE(texts[1] + " " + Text(f.fraction));
            if (!f.intermediate) {
                ++step;
                ASSERT_LT(step, expected.size());
                EXPECT_EQ(Text(f.fraction), Text(expected[step]));
                if (step > 1) {
                    EXPECT_EQ(j + 1, quotients[step - 1]);  // j ran through 1 … a - 1
                }
                j = 0;
                continue;
            }
            ++j;
            EXPECT_EQ(f.afterStep, step);
            EXPECT_EQ(f.j, j);
            const FractionPQ& before = expected[step - 1];
            const FractionPQ& current = expected[step];
            EXPECT_EQ(Text(f.fraction), Text({before.p + j * current.p, before.q + j * current.q}));
            // Best of the first kind: nearer than every other fraction with a denominator up to its own.
            if (f.fraction.q > 2000) continue;
            bool best = true;
            for (long q = 1; q <= f.fraction.q && best; ++q) {
                const long near = static_cast<long>(std::floor(Approximately(x) * static_cast<double>(q)));
                for (long p = near - 1; p <= near + 2; ++p) {
                    const bool same = p * f.fraction.q == q * f.fraction.p;
                    if (!same && CompareDistances(x, {p, q}, f.fraction) <= 0) best = false;
                }
            }
            EXPECT_EQ(f.best, best);
        }
    }
}

}  // namespace
}  // namespace tamsel::exact
