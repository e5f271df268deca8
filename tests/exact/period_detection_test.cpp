// SPDX-License-Identifier: GPL-3.0-or-later
// The walk against a plain reference: every x kept in a hash table, each
// quotient from the engine's exact floor, the next denominator by division.
// The reference finds the period as the first x that comes again; the walk
// must find the same from the first reduced x alone, in every integer width.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/big_integer_arithmetic.h"
#include "expand_for_test.h"

namespace tamsel::exact {
namespace {

struct Reference {
    std::vector<mpz_class> quotients;
    std::vector<std::string> trace;  // "koeff wurzel abs nenner", divided by their common divisor
    std::uint64_t periodStart = 0;
    std::uint64_t periodLength = 0;
    bool limitReached = false;
};

std::string TraceLine(const mpz_class& koeff, const mpz_class& wurzel, const mpz_class& p, const mpz_class& q) {
    mpz_class divisor;
    mpz_gcd(divisor.get_mpz_t(), koeff.get_mpz_t(), p.get_mpz_t());
    mpz_gcd(divisor.get_mpz_t(), divisor.get_mpz_t(), q.get_mpz_t());
    return mpz_class(koeff / divisor).get_str() + " " + wurzel.get_str() + " " + mpz_class(p / divisor).get_str() +
           " " + mpz_class(q / divisor).get_str();
}

// x = (a sqrt(w) + b) / c with a != 0 and w not a square, as
// (p + sqrt(d)) / q with p = s b |c|, q = s c |c|, d = a^2 w c^2, s = sign(a).
Reference ReferenceExpansion(const ExactInput& x, bool variant, std::uint64_t maxSteps) {
    const int s = sgn(x.koeff);
    const mpz_class scale = abs(x.nenner);
    mpz_class p = s * x.abs * scale, q = s * x.nenner * scale;
    const mpz_class d = x.koeff * x.koeff * x.wurzel * scale * scale;
    const mpz_class koeff = abs(x.koeff) * scale;

    Reference r;
    std::unordered_map<std::string, std::uint64_t> seen;
    for (std::uint64_t step = 1;; ++step) {
        const std::string key = p.get_str() + "/" + q.get_str();
        const auto [earlier, fresh] = seen.emplace(key, step);
        if (!fresh) {
            r.periodStart = earlier->second;
            r.periodLength = step - earlier->second;
            r.trace.push_back(TraceLine(koeff, x.wurzel, p, q));
            return r;
        }
        r.trace.push_back(TraceLine(koeff, x.wurzel, p, q));
        if (step > maxSteps) {
            r.limitReached = true;
            return r;
        }
        bigint::IntegerPart part = bigint::Floor(mpz_class(1), d, p, q);
        EXPECT_FALSE(part.whole);
        if (variant) part.floor += 1;
        const mpz_class& k = part.floor;
        r.quotients.push_back(k);
        r.trace.back() += " > " + k.get_str();
        p = k * q - p;
        mpz_class next = variant ? mpz_class(p * p - d) : mpz_class(d - p * p);
        EXPECT_TRUE(mpz_divisible_p(next.get_mpz_t(), q.get_mpz_t()));
        mpz_divexact(q.get_mpz_t(), next.get_mpz_t(), q.get_mpz_t());
    }
}

void ExpectSameAsReference(const ExactInput& x, bool variant, std::uint64_t maxSteps) {
    SCOPED_TRACE(::testing::Message() << x.koeff << " " << x.wurzel << " " << x.abs << " " << x.nenner
                                      << (variant ? " variant" : " usual"));
    const ExactExpansion expansion(x, variant, maxSteps);
    ASSERT_FALSE(expansion.IsRational());
    const Reference reference = ReferenceExpansion(x, variant, maxSteps);
    const test::Collected walked = test::Expand(expansion);
    EXPECT_EQ(walked.quotients, reference.quotients);
    EXPECT_EQ(walked.summary.end, reference.limitReached ? WalkEnd::StepLimit : WalkEnd::Period);
    EXPECT_EQ(walked.summary.periodStart, reference.periodStart);
    EXPECT_EQ(walked.summary.periodLength, reference.periodLength);
    EXPECT_EQ(test::Trace(expansion), reference.trace);
}

mpz_class RandomBits(std::mt19937_64& random, unsigned bits) {
    mpz_class v = 0;
    for (unsigned done = 0; done < bits; done += 64) {
        v <<= 64;
        v += static_cast<unsigned long>(random());
    }
    return v >> ((bits + 63) / 64 * 64 - bits);
}

mpz_class NonSquare(mpz_class w) {
    while (mpz_perfect_square_p(w.get_mpz_t()) != 0) w += 1;
    return w;
}

// Small inputs of every sign, both algorithms, run until the period closes.
TEST(PeriodDetection, SmallInputsOfEverySign) {
    std::mt19937_64 random(11);
    std::uniform_int_distribution<int> koeff(-6, 6), wurzel(2, 200), abs(-100, 100), nenner(-20, 20);
    for (int i = 0; i < 2000; ++i) {
        ExactInput x{koeff(random), NonSquare(wurzel(random)), abs(random), nenner(random)};
        if (x.koeff == 0 || x.nenner == 0) continue;
        ExpectSameAsReference(x, i % 2 == 1, kMostSteps);
        if (HasFailure()) return;
    }
}

// Values that start far from the period (huge abs and nenner over a small
// root): the first steps need big integers, then the walk comes down. x
// starts close to a whole number, which the variant leaves by a run of 2s
// about as long as the usual algorithm's big quotient is large: the variant
// is compared over its first 3000 steps.
TEST(PeriodDetection, HugeStartShrinksToThePeriod) {
    std::mt19937_64 random(12);
    for (int i = 0; i < 160; ++i) {
        const unsigned bits = 20 + static_cast<unsigned>(random() % 400);
        const mpz_class a = (random() % 2 ? 1 : -1) * mpz_class(1 + static_cast<long>(random() % 50));
        const mpz_class w = NonSquare(2 + static_cast<unsigned long>(random() % 2000));
        const mpz_class b = (random() % 2 ? 1 : -1) * RandomBits(random, bits);
        // A nenner that divides a^2 w - b^2 keeps the root small.
        mpz_class c = a * a * w - b * b;
        const unsigned long part = 1 + random() % 7;
        if (mpz_divisible_ui_p(c.get_mpz_t(), part) != 0) c /= part;
        if (c == 0) continue;
        const bool variant = i % 2 == 1;
        ExpectSameAsReference({a, w, b, c}, variant, variant ? 3000 : kMostSteps);
        if (HasFailure()) return;
    }
}

// Roots near the limits of 64 and 128 bits, where steps overflow the machine
// integers now and then: the first 1500 quotients, at the step limit.
TEST(PeriodDetection, RootsAtTheEdgesOfMachineIntegers) {
    std::mt19937_64 random(13);
    for (const unsigned bits :
         {100u, 116u, 118u, 120u, 122u, 124u, 126u, 128u, 240u, 244u, 248u, 250u, 252u, 256u, 300u}) {
        for (int i = 0; i < 4; ++i) {
            const mpz_class w = NonSquare(RandomBits(random, bits) | (mpz_class(1) << (bits - 1)));
            const mpz_class b = RandomBits(random, bits / 2 + 2) - RandomBits(random, bits / 2 + 2);
            ExpectSameAsReference({1, w, b, 1 + static_cast<long>(random() % 3)}, i % 2 == 1, 1500);
            if (HasFailure()) return;
        }
    }
}

// Radicands n^2 + r with r dividing 2n have short periods whatever the size
// of n, and so has every x = (b + sqrt(w)) / c with c dividing w - b^2: the
// whole run, period closed, with roots at the edges of the machine integers.
TEST(PeriodDetection, ShortPeriodsOfLargeRoots) {
    std::mt19937_64 random(14);
    for (const unsigned bits :
         {31u, 32u, 58u, 60u, 61u, 62u, 63u, 64u, 120u, 122u, 123u, 124u, 125u, 126u, 127u, 128u, 200u}) {
        for (int i = 0; i < 6; ++i) {
            const mpz_class n = RandomBits(random, bits - 1) | (mpz_class(1) << (bits - 2));
            const mpz_class r = i % 3 == 0 ? mpz_class(1) : i % 3 == 1 ? mpz_class(2) : mpz_class(2 * n);
            const mpz_class w = n * n + r;
            const mpz_class b = RandomBits(random, bits) - RandomBits(random, bits);
            const mpz_class rest = w - b * b;
            unsigned long c = 1 + random() % 40;
            while (mpz_divisible_ui_p(rest.get_mpz_t(), c) == 0) --c;
            ExpectSameAsReference({1, w, b, (i % 2 == 0 ? 1 : -1) * mpz_class(c)}, false, kMostSteps);
            if (HasFailure()) return;
        }
    }
}

}  // namespace
}  // namespace tamsel::exact
