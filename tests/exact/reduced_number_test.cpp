// SPDX-License-Identifier: GPL-3.0-or-later
// The test for a reduced x = (p + sqrt(d)) / q from s = floor(sqrt(d)) in
// every integer width, against the signs of x - 1 and of the conjugate
// evaluated exactly by the engine.

#include <gtest/gtest.h>

#include <random>

#include "engine/big_integer_arithmetic.h"
#include "exact/big_tier.h"
#include "exact/machine_tier.h"
#include "exact/reduced_number.h"

namespace tamsel::exact {
namespace {

// The sign of (koeff sqrt(d) + abs) / nenner.
int SignOf(int koeff, const mpz_class& d, const mpz_class& abs, const mpz_class& nenner) {
    return bigint::Sign(mpz_class(koeff), d, abs, nenner);
}

bool ReducedByDefinition(const mpz_class& p, const mpz_class& q, const mpz_class& d, bool variant) {
    const bool aboveOne = SignOf(1, d, p - q, q) > 0;  // x - 1 = (sqrt(d) + p - q) / q
    const int conjugate = SignOf(-1, d, p, q);         // (p - sqrt(d)) / q
    if (variant) return aboveOne && conjugate > 0 && SignOf(-1, d, p - q, q) < 0;
    return aboveOne && conjugate < 0 && SignOf(-1, d, p + q, q) > 0;
}

template <bool kVariant>
void CheckAllWidths(const mpz_class& p, const mpz_class& q, const mpz_class& d) {
    mpz_class s;
    mpz_sqrt(s.get_mpz_t(), d.get_mpz_t());
    const bool expected = ReducedByDefinition(p, q, d, kVariant);
    SCOPED_TRACE(::testing::Message() << "p " << p << " q " << q << " d " << d << (kVariant ? " variant" : ""));
    EXPECT_EQ(detail::IsReduced<kVariant>(p, q, s), expected);
    if (MagnitudeBelow(p, 127) && MagnitudeBelow(q, 127) && MagnitudeBelow(s, 127)) {
        EXPECT_EQ(detail::IsReduced<kVariant>(ToInt128(p), ToInt128(q), ToInt128(s)), expected);
    }
    if (MagnitudeBelow(p, 63) && MagnitudeBelow(q, 63) && MagnitudeBelow(s, 63)) {
        EXPECT_EQ(detail::IsReduced<kVariant>(ToInt64(p), ToInt64(q), ToInt64(s)), expected);
    }
}

TEST(ReducedNumber, EveryWidthAgreesWithTheDefinition) {
    std::mt19937_64 random(21);
    int reduced[2] = {0, 0};
    for (const unsigned bits : {8u, 40u, 61u, 62u, 63u, 64u, 100u, 125u, 126u, 127u, 128u, 300u}) {
        for (int i = 0; i < 400; ++i) {
            // s near 2^(bits - 1), d a non-square between s^2 and (s + 1)^2.
            mpz_class s = (mpz_class(1) << (bits - 1)) - static_cast<long>(random() % 1000);
            const mpz_class d =
                s * s + 1 + static_cast<long>(random() % static_cast<unsigned long>(2 * s.get_ui() + 1));
            mpz_sqrt(s.get_mpz_t(), d.get_mpz_t());
            // p and q around the bounds of the definition: 0, s, s - q, q - s, 2s.
            const long spread = 3;
            const auto near = [&](const mpz_class& v) {
                return mpz_class(v + static_cast<long>(random() % (2 * spread + 1)) - spread);
            };
            const mpz_class anchors[] = {0, s, 2 * s, s / 2, -s};
            const mpz_class p = near(anchors[random() % 5]);
            mpz_class q = near(anchors[random() % 5]);
            if (random() % 2) q = near(mpz_class(s - p));
            if (random() % 2) q = near(mpz_class(p + s));
            if (q == 0) q = 1;
            CheckAllWidths<false>(p, q, d);
            CheckAllWidths<true>(p, q, d);
            reduced[0] += ReducedByDefinition(p, q, d, false) ? 1 : 0;
            reduced[1] += ReducedByDefinition(p, q, d, true) ? 1 : 0;
            if (HasFailure()) return;
        }
    }
    // The samples reach both answers in both algorithms.
    EXPECT_GT(reduced[0], 100);
    EXPECT_GT(reduced[1], 100);
}

}  // namespace
}  // namespace tamsel::exact
