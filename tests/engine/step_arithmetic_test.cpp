// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <optional>

#include "../support/fake_host.h"
#include "engine/run_failure.h"
#include "engine/step_arithmetic.h"

namespace tamsel {
namespace {

using Flag = test::FixedFlag;

constexpr double k2p53 = 9007199254740992.0;

// floor and ceiling of (a * sqrt(d) + b) / c by evaluating x with 4096-bit
// floating point: far more than the distance of x from the nearest whole
// number needs for the parameter sizes used here.
struct Reference {
    mpz_class floor, ceil;
};
Reference SlowFloorAndCeil(const mpz_class& a, const mpz_class& d, const mpz_class& b, const mpz_class& c) {
    constexpr mp_bitcnt_t kBits = 4096;
    const mpf_class root = sqrt(mpf_class(d, kBits));
    mpf_class x(0, kBits);
    x = mpf_class(a, kBits) * root;
    x += mpf_class(b, kBits);
    x /= mpf_class(c, kBits);
    return {mpz_class(mpf_class(floor(x))), mpz_class(mpf_class(ceil(x)))};
}

mpz_class RandomWhole(gmp_randclass& random, unsigned bits, bool allowZero = true) {
    for (;;) {
        mpz_class v = random.get_z_bits(random.get_z_range(bits) + 1);
        if (random.get_z_bits(1) == 1) v = -v;
        if (allowZero || v != 0) return v;
    }
}

// A state whose current quadratic irrational and whose parameters at the
// start of the step are both (koeff * sqrt(wurzel) + abs) / nenner; the
// step's start holds nenner as a 32-bit integer, or 0 when it does not fit.
ExpansionState StateOf(double koeff, double wurzel, double abs, double nenner) {
    ExpansionState s;
    s.SetCurrent({koeff, wurzel, abs, nenner});
    s.prevKoeff = koeff;
    s.prevWurzel = wurzel;
    s.prevAbs = abs;
    s.prevNenner = std::fabs(nenner) < 2147483648.0 ? static_cast<std::int32_t>(nenner) : 0;
    return s;
}

TEST(PullOutInteger, FloorOrCeilingOfRandomWholeParameters) {
    gmp_randclass random(gmp_randinit_default);
    random.seed(815);
    const mpz_class kLimit = mpz_class(1) << 53;  // the largest whole double without gaps
    for (int i = 0; i < 3000; ++i) {
        const unsigned bits = 3 + i % 45;
        const mpz_class a = RandomWhole(random, bits);
        mpz_class d = random.get_z_bits(random.get_z_range(bits) + 1);
        if (i % 4 == 0) {  // a whole root
            const mpz_class r = random.get_z_bits(bits / 2);
            d = r * r;
        }
        const mpz_class b = RandomWhole(random, bits);
        const mpz_class c = RandomWhole(random, bits, false);
        const Reference ref = SlowFloorAndCeil(a, d, b, c);
        const ExpansionState s = StateOf(a.get_d(), d.get_d(), b.get_d(), c.get_d());
        SCOPED_TRACE(::testing::Message() << a << " " << d << " " << b << " " << c);
        for (const bool variant : {false, true}) {
            const mpz_class& expected = variant ? ref.ceil : ref.floor;
            if (abs(expected) <= kLimit) {
                ASSERT_EQ(PullOutInteger(s, Flag(variant)), expected.get_d()) << variant;
            } else {
                ASSERT_THROW(PullOutInteger(s, Flag(variant)), RunFailure) << variant;
            }
        }
    }
}

// floor and ceiling of (koeff * sqrt(wurzel) + abs) / nenner; none: fails.
TEST(PullOutInteger, Examples) {
    const struct {
        double koeff, wurzel, abs, nenner;
        std::optional<double> floor, ceil;
    } cases[] = {
        // 0 * sqrt(0) + abs over 1: the quotient is abs itself, up to 2^53.
        {0, 0, k2p53, 1, k2p53, k2p53},
        {0, 0, -k2p53, 1, -k2p53, -k2p53},
        {0, 0, k2p53 + 2, 1, std::nullopt, std::nullopt},
        {1e300, 2, 0, 1, std::nullopt, std::nullopt},
        // (3 * 2^52 + 2) / 3 lies just above 2^52: doubles would round it up.
        {0, 0, 13510798882111490.0, 3, 4503599627370496.0, 4503599627370497.0},
        // 93222358 * sqrt(2) lies just below 131836323.
        {93222358, 2, 0, 1, 131836322.0, 131836323.0},
        // With wurzel 0 the coefficient does not count, however large.
        {1e300, 0, 7, 2, 3.0, 4.0},
        {1, -2, 0, 1, std::nullopt, std::nullopt},
        {1, 2, 0, 0, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const ExpansionState s = StateOf(c.koeff, c.wurzel, c.abs, c.nenner);
        for (const bool variant : {false, true}) {
            SCOPED_TRACE(::testing::Message() << std::setprecision(17) << c.koeff << " " << c.wurzel << " " << c.abs
                                              << " " << c.nenner << (variant ? " ceiling" : " floor"));
            const std::optional<double> expected = variant ? c.ceil : c.floor;
            if (expected) {
                EXPECT_EQ(PullOutInteger(s, Flag(variant)), *expected);
            } else {
                EXPECT_THROW(PullOutInteger(s, Flag(variant)), RunFailure);
            }
        }
    }
}

// 1 / (x - k) for x = 94906267 * sqrt(2) and k = 134217729: koeff a, abs k
// and nenner 2a^2 - k^2 = 253833137 (negated by the variant). In doubles 2a^2
// and k^2 lie above 2^53 and the difference comes out as 253833136.
TEST(AdvanceQuadIrrational, NextParametersAreExact) {
    for (const bool variant : {false, true}) {
        ExpansionState s = StateOf(94906267, 2, 0, 1);
        AdvanceQuadIrrational(s, 134217729, Flag(variant));
        EXPECT_EQ(s.koeff, 94906267.0);
        EXPECT_EQ(s.abs, 134217729.0);
        EXPECT_EQ(s.nenner, variant ? -253833137.0 : 253833137.0);
    }
}

TEST(AdvanceQuadIrrational, ParameterAboveTwoToThe53Fails) {
    // nenner = a^2 d - b^2 with b = 0, k = 0, c = 1: d itself.
    ExpansionState fits = StateOf(1, k2p53, 0, 1);
    AdvanceQuadIrrational(fits, 0, Flag(false));
    EXPECT_EQ(fits.nenner, k2p53);
    ExpansionState tooLarge[] = {
        StateOf(1, k2p53 + 2, 0, 1),
        // abs = -c * b = (2^31 - 1) * 2^23, while koeff = c * 2^22 < 2^53
        // and nenner = 2^44 * 4 - 2^46 = 0.
        StateOf(4194304, 4, -8388608, 2147483647),
    };
    for (ExpansionState& s : tooLarge) EXPECT_THROW(AdvanceQuadIrrational(s, 0, Flag(false)), RunFailure);
}

// Beside a zero radicand the coefficient cannot change x: it is carried as
// the double nearest the product c * a, beyond 2^53 too.
TEST(AdvanceQuadIrrational, CoefficientBesideZeroRadicandIsCarried) {
    ExpansionState s = StateOf(4503599627370497.0, 0, 7, 3);
    AdvanceQuadIrrational(s, 2, Flag(false));
    EXPECT_EQ(s.koeff, 3 * 4503599627370497.0);  // 13510798882111491 rounded to 13510798882111492
    EXPECT_EQ(s.abs, -3.0);                      // 1 / (7/3 - 2) = -3 / -1
    EXPECT_EQ(s.nenner, -1.0);
}

// x = (a r + b) / c with wurzel r^2 and a r = b - k c: the usual next
// denominator a^2 r^2 - (b - k c)^2 is 0 although x - k = 2 (b - k c) / c
// is not; the next quadratic irrational is c / (a r + b - k c).
TEST(AdvanceQuadIrrational, SquareRadicandWhoseConjugateVanishes) {
    const struct {
        double koeff, wurzel, abs, nenner, k;
        bool variant;
        double nextKoeff, nextAbs, nextNenner;
    } cases[] = {
        // 9/5 - 1 = 4/5: next 5/4 = (5 * 2 + 10) / 16.
        {1, 4, 7, 5, 1, false, 5, 10, 16},
        {1, 4, 7, 5, 1, true, 5, 10, -16},
        // a r = -rest leaves x - k = 0: the rational end, as before.
        {1, 4, 0, 1, 2, false, 1, 2, 0},
        // (-2 * 3 - 6) / -13 = 12/13 with a r = -6 = rest: next 13/12.
        {-2, 9, -6, -13, 0, false, 26, 78, 144},
    };
    for (const auto& c : cases) {
        ExpansionState s = StateOf(c.koeff, c.wurzel, c.abs, c.nenner);
        AdvanceQuadIrrational(s, c.k, Flag(c.variant));
        SCOPED_TRACE(::testing::Message() << c.koeff << " " << c.wurzel << " " << c.abs << " " << c.nenner);
        EXPECT_EQ(s.koeff, c.nextKoeff);
        EXPECT_EQ(s.abs, c.nextAbs);
        EXPECT_EQ(s.nenner, c.nextNenner);
    }
}

TEST(IsNegative, ChecksTheInputExactly) {
    // 131836323^2 = 2 * 93222358^2 + 1: the first x lies just below 0, where
    // doubles give exactly 0.
    const QuadIrrational negative[] = {{93222358, 2, -131836323, 1}, {1, 2, 0, -1}, {-1, 2, 1, 1}};
    const QuadIrrational notNegative[] = {
        {93222358, 2, -131836322, 1}, {93222358, 2, -131836323, -1}, {0, 2, 0, 1}, {-1e300, 0, 0, 1}};
    const QuadIrrational failing[] = {{1, 2, 0, 0}, {1, -2, 0, 1}};
    auto text = [](const QuadIrrational& x) {
        return ::testing::Message() << x.koeff << " " << x.wurzel << " " << x.abs << " " << x.nenner;
    };
    for (const QuadIrrational& x : negative) EXPECT_TRUE(IsNegative(x)) << text(x);
    for (const QuadIrrational& x : notNegative) EXPECT_FALSE(IsNegative(x)) << text(x);
    for (const QuadIrrational& x : failing) EXPECT_THROW(IsNegative(x), RunFailure) << text(x);
}

}  // namespace
}  // namespace tamsel
