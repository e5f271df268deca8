#include "engine/exact_arithmetic.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/run_failure.h"
#include "engine/step_arithmetic.h"

namespace tamsel {
namespace {

struct Flag : VariantFlag {
    explicit Flag(bool v) : ticked(v) {}
    bool VariantSelected() const override { return ticked; }
    bool ticked;
};

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

ExpansionState StateOf(double koeff, double wurzel, double abs, double nenner) {
    ExpansionState s;
    s.koeff = koeff;
    s.wurzel = wurzel;
    s.abs = abs;
    s.nenner = nenner;
    return s;
}

TEST(PullOutInteger, FloorOrCeilingOfRandomWholeParameters) {
    gmp_randclass random(gmp_randinit_default);
    random.seed(815);
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
        if (exact::FitsDouble(ref.floor)) {
            ASSERT_EQ(PullOutInteger(s, Flag(false)), ref.floor.get_d());
        } else {
            ASSERT_THROW(PullOutInteger(s, Flag(false)), RunFailure);
        }
        if (exact::FitsDouble(ref.ceil)) {
            ASSERT_EQ(PullOutInteger(s, Flag(true)), ref.ceil.get_d());
        } else {
            ASSERT_THROW(PullOutInteger(s, Flag(true)), RunFailure);
        }
    }
}

TEST(PullOutInteger, QuotientAboveTwoToThe53Fails) {
    // 0 * sqrt(0) + abs over 1: the quotient is abs itself.
    EXPECT_EQ(PullOutInteger(StateOf(0, 0, k2p53, 1), Flag(false)), k2p53);
    EXPECT_EQ(PullOutInteger(StateOf(0, 0, -k2p53, 1), Flag(true)), -k2p53);
    EXPECT_THROW(PullOutInteger(StateOf(0, 0, k2p53 + 2, 1), Flag(false)), RunFailure);
    EXPECT_THROW(PullOutInteger(StateOf(0, 0, -k2p53 - 2, 1), Flag(true)), RunFailure);
    EXPECT_THROW(PullOutInteger(StateOf(1e300, 2, 0, 1), Flag(false)), RunFailure);
    // (3 * 2^52 + 2) / 3 lies just above 2^52: doubles would round it up.
    EXPECT_EQ(PullOutInteger(StateOf(0, 0, 13510798882111490.0, 3), Flag(false)), 4503599627370496.0);
    EXPECT_EQ(PullOutInteger(StateOf(0, 0, 13510798882111490.0, 3), Flag(true)), 4503599627370497.0);
    // 93222358 * sqrt(2) lies just below 131836323.
    EXPECT_EQ(PullOutInteger(StateOf(93222358, 2, 0, 1), Flag(false)), 131836322.0);
    EXPECT_EQ(PullOutInteger(StateOf(93222358, 2, 0, 1), Flag(true)), 131836323.0);
}

TEST(PullOutInteger, NonWholeParametersUseDoubles) {
    EXPECT_EQ(PullOutInteger(StateOf(0.5, 4, 0, 1), Flag(false)), 1.0);
    EXPECT_EQ(PullOutInteger(StateOf(0.5, 4, 0, 1), Flag(true)), 1.0);
    EXPECT_EQ(PullOutInteger(StateOf(1, 2, 0.5, 1), Flag(false)), 1.0);
    EXPECT_EQ(PullOutInteger(StateOf(1, 2, 0.5, 1), Flag(true)), 2.0);
    EXPECT_EQ(PullOutInteger(StateOf(0, 2, 7, 2.5), Flag(false)), 2.0);
    EXPECT_EQ(PullOutInteger(StateOf(0, 2, -7, 2.5), Flag(true)), -2.0);
    EXPECT_THROW(PullOutInteger(StateOf(1, -2.5, 0, 1), Flag(false)), RunFailure);
    EXPECT_THROW(PullOutInteger(StateOf(1, 2.5, 0, 0), Flag(false)), RunFailure);
}

struct Advanced {
    double koeff, abs, nenner;
};

// The step formulas as the usual algorithm gives them, in doubles.
Advanced DoubleAdvance(double a, double d, double b, double c, double k, bool variant) {
    Advanced r{c * a, (-c) * (b - k * c), (a * a) * d - (b - k * c) * (b - k * c)};
    if (variant) r.nenner = -r.nenner;
    return r;
}

ExpansionState PrevState(double a, double d, double b, std::int32_t c) {
    ExpansionState s;
    s.prevKoeff = a;
    s.prevWurzel = d;
    s.prevAbs = b;
    s.prevNenner = c;
    s.wurzel = d;
    return s;
}

// Where doubles are exact (small parameters) the exact arithmetic gives
// the same quotients and the same next parameters.
TEST(StepArithmetic, EqualsDoubleArithmeticForSmallWholeParameters) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> value(-300, 300);
    std::uniform_int_distribution<int> radicand(0, 3000);
    for (int i = 0; i < 20000; ++i) {
        const double a = value(random), d = radicand(random), b = value(random);
        const int c = value(random);
        if (c == 0) continue;
        for (const bool variant : {false, true}) {
            const double x = (std::sqrt(d) * a + b) / c;
            double k = std::floor(x);
            if (variant && k != x) k += 1;
            const ExpansionState s = StateOf(a, d, b, c);
            ASSERT_EQ(PullOutInteger(s, Flag(variant)), k) << a << " " << d << " " << b << " " << c;

            ExpansionState next = PrevState(a, d, b, c);
            AdvanceQuadIrrational(next, k, Flag(variant));
            const Advanced expected = DoubleAdvance(a, d, b, c, k, variant);
            ASSERT_EQ(next.koeff, expected.koeff);
            ASSERT_EQ(next.abs, expected.abs);
            ASSERT_EQ(next.nenner, expected.nenner);
            ASSERT_EQ(next.wurzel, d);
        }
    }
}

TEST(StepArithmetic, NextParametersAreExact) {
    // 93222358 * sqrt(2) with k = 131836322: in doubles the denominator
    // 2 * 93222358^2 - 131836322^2 cancels to a wrong value.
    ExpansionState s = PrevState(93222358, 2, 0, 1);
    AdvanceQuadIrrational(s, 131836322, Flag(false));
    EXPECT_EQ(s.koeff, 93222358.0);
    EXPECT_EQ(s.abs, 131836322.0);
    EXPECT_EQ(s.nenner, 263672644.0);
    AdvanceQuadIrrational(s, 131836322, Flag(true));
    EXPECT_EQ(s.nenner, -263672644.0);
}

TEST(StepArithmetic, ParameterAboveTwoToThe53Fails) {
    // nenner = a^2 d - b^2 with b = 0, k = 0, c = 1: d itself.
    ExpansionState fits = PrevState(1, k2p53, 0, 1);
    AdvanceQuadIrrational(fits, 0, Flag(false));
    EXPECT_EQ(fits.nenner, k2p53);
    ExpansionState tooLarge = PrevState(1, k2p53 + 2, 0, 1);
    EXPECT_THROW(AdvanceQuadIrrational(tooLarge, 0, Flag(false)), RunFailure);
    // abs = -c * b = (2^31 - 1) * 2^23, while koeff = c * 2^22 < 2^53 and
    // nenner = 2^44 * 4 - 2^46 = 0.
    ExpansionState largeAbs = PrevState(4194304, 4, -8388608, 2147483647);
    EXPECT_THROW(AdvanceQuadIrrational(largeAbs, 0, Flag(false)), RunFailure);
    // koeff = c * a = 3 * 2^52, while abs and nenner are 0.
    ExpansionState largeKoeff = PrevState(4503599627370496.0, 0, 0, 3);
    EXPECT_THROW(AdvanceQuadIrrational(largeKoeff, 0, Flag(false)), RunFailure);
}

TEST(IsNegative, ChecksTheInputExactly) {
    struct Case {
        QuadIrrational x;
        bool negative;
    };
    const Case cases[] = {
        // 131836323^2 = 2 * 93222358^2 + 1: x lies just below 0, where
        // doubles give exactly 0.
        {{93222358, 2, -131836323, 1}, true},
        {{93222358, 2, -131836322, 1}, false},
        {{-93222358, 2, 131836323, 1}, false},
        {{93222358, 2, -131836323, -1}, false},
        {{3, 4, -6, 5}, false},
        {{0, 2, 0, 1}, false},
        {{5, 0, -1, 1}, true},
        {{1, 2, 0, -1}, true},
        {{1, 2, -5, 1}, true},
        {{-0.5, 2, 0, 1}, true},
        {{0.5, 2, -0.25, 1}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsNegative(c.x), c.negative) << c.x.koeff << " " << c.x.wurzel << " " << c.x.abs << " " << c.x.nenner;
    }
    EXPECT_THROW(IsNegative({1, 2, 0, 0}), RunFailure);
    EXPECT_THROW(IsNegative({1, -2, 0, 1}), RunFailure);
    EXPECT_THROW(IsNegative({1, -2.5, 0, 1}), RunFailure);
    EXPECT_THROW(IsNegative({0.5, 2, 0, 0}), RunFailure);
}

}  // namespace
}  // namespace tamsel
