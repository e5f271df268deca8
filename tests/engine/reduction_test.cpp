// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/reduction.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>

#include "../support/descending_loop.h"
#include "engine/run_failure.h"

namespace tamsel {
namespace {

using test::LiteralReduceAbsNenner;
using test::LiteralReduceByCommonDivisor;
using test::LoopOverflow;

// The reduction applied to (koeff, 7, abs, nenner); none when it failed.
template <typename Failure, typename Reduction>
std::optional<ExpansionState> Reduced(Reduction reduction, double koeff, double abs, double nenner) {
    ExpansionState s;
    s.koeff = koeff;
    s.wurzel = 7;
    s.abs = abs;
    s.nenner = nenner;
    try {
        reduction(s);
    } catch (const Failure&) {
        return std::nullopt;
    }
    return s;
}

std::array<std::uint64_t, 4> Bits(const ExpansionState& s) {
    return {std::bit_cast<std::uint64_t>(s.koeff), std::bit_cast<std::uint64_t>(s.wurzel),
            std::bit_cast<std::uint64_t>(s.abs), std::bit_cast<std::uint64_t>(s.nenner)};
}

// Bit-exact comparison of the library's reduction with the literal loop,
// failure against failure.
template <typename Library, typename Literal>
void ExpectSameAsLoop(double koeff, double abs, double nenner, Library library, Literal literal) {
    const std::optional<ExpansionState> expected = Reduced<LoopOverflow>(literal, koeff, abs, nenner);
    const std::optional<ExpansionState> actual = Reduced<RunFailure>(library, koeff, abs, nenner);
    SCOPED_TRACE(::testing::Message() << "koeff " << koeff << ", abs " << abs << ", nenner " << nenner);
    ASSERT_EQ(actual.has_value(), expected.has_value());
    if (expected) {
        EXPECT_EQ(Bits(*actual), Bits(*expected));
    }
}

void ExpectBothReductionsSameAsLoop(double koeff, double abs, double nenner) {
    ExpectSameAsLoop(koeff, abs, nenner, ReduceByCommonDivisor, LiteralReduceByCommonDivisor);
    ExpectSameAsLoop(koeff, abs, nenner, ReduceAbsNenner, LiteralReduceAbsNenner);
}

// Small whole values, zeros, negative values and non-whole ones, among them
// the halves that round to the even neighbour.
double RandomSmallValue(std::mt19937& random) {
    static const double fractions[] = {0.0, 0.0, 0.0, 0.5, 0.4, 0.6, 0.25, 0.75, 0.5000001, 0.4999999};
    std::uniform_int_distribution<int> whole(-60, 60);
    std::uniform_int_distribution<int> pick(0, std::size(fractions) - 1);
    const double base = whole(random);
    return base + (base < 0 ? -1 : 1) * fractions[pick(random)];
}

TEST(Reduction, EqualsTheDescendingLoopOnRandomValues) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> factor(1, 12);
    std::uniform_int_distribution<int> sign(0, 1);
    for (int i = 0; i < 20000; ++i) {
        ExpectBothReductionsSameAsLoop(RandomSmallValue(random), RandomSmallValue(random), RandomSmallValue(random));
        // Whole values with a common factor.
        const double g = factor(random) * factor(random);
        auto value = [&] { return (sign(random) ? -1 : 1) * g * factor(random); };
        ExpectBothReductionsSameAsLoop(value(), value(), value());
        if (HasFailure()) return;
    }
}

// Values at the edges of the 32-bit range with a small smallest magnitude,
// so that the loop stays short: it fails exactly when it runs at all and a
// value rounds to outside the range. With a smallest magnitude that rounds
// to 0 the loop does not run and nothing fails.
TEST(Reduction, EqualsTheDescendingLoopAtTheEdgesOfTheRange) {
    const double large[] = {2147483647.0,  2147483647.4,  2147483647.5,  2147483648.0,  2147483646.5,
                            -2147483648.0, -2147483648.5, -2147483648.6, -2147483649.0, 4294967296.0,
                            -2147483647.5, 1e18,          -1e300};
    const double small[] = {0.0, -0.0, 0.4, 0.5, -0.5, 0.6, 1.0, -1.5, 2.5, 3.0, -6.0, 12.0};
    for (const double big : large) {
        for (const double min : small) {
            ExpectBothReductionsSameAsLoop(big, min, 12.0);
            ExpectBothReductionsSameAsLoop(min, 12.0, big);
            ExpectBothReductionsSameAsLoop(6.0, big, min);
            ExpectBothReductionsSameAsLoop(big, big, min);
            ExpectBothReductionsSameAsLoop(min, -big, 6.0);
        }
    }
}

TEST(FindEarlierStep, FindsTheSmallestMatchingStep) {
    ExpansionState s;
    // Steps 1 to 5; step 6 is left from an earlier run and lies above n.
    const double koeff[] = {0, 1, 1, 2, 1, 1, 9};
    const double abs[] = {0, 0, 1, 1, 1, 1, 9};
    const std::int32_t nenner[] = {0, 1, 2, 1, 2, 2, 9};
    for (int i = 1; i <= 6; ++i) {
        s.koeffHistory[i] = koeff[i];
        s.absHistory[i] = abs[i];
        s.nennerHistory[i] = nenner[i];
    }
    s.n = 5;
    EXPECT_EQ(FindEarlierStep(s, 1, 1, 2), 2);  // steps 2, 4 and 5 match
    EXPECT_EQ(FindEarlierStep(s, 2, 1, 1), 3);
    EXPECT_EQ(FindEarlierStep(s, 1, 0, 1), 1);
    EXPECT_EQ(FindEarlierStep(s, 1, 1, 3), 0);  // koeff and abs match, nenner does not
    EXPECT_EQ(FindEarlierStep(s, 9, 9, 9), 0);
    EXPECT_EQ(FindEarlierStep(s, 0, 0, 0), 0);  // index 0 is never compared
    s.n = 6;
    EXPECT_EQ(FindEarlierStep(s, 9, 9, 9), 6);
}

}  // namespace
}  // namespace tamsel
