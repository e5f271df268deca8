// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/pell_units.h"

#include <bit>
#include <thread>

#include "exact/machine_integer.h"
#include "exact/quotient_product_bounds.h"
#include "exact/surd_product.h"
#include "exact/surd_walk.h"
#include "exact/whole_number.h"

namespace tamsel::exact {

namespace {

// Where the period of sqrt(D) turns: its complete quotients are symmetric,
// P(l+1-i) = P(i) and Q(l-i) = Q(i), so the first i with P(i+1) = P(i)
// ends the first half of an even period l = 2i, and the first i with
// Q(i+1) = Q(i) the first half of an odd one, l = 2i + 1.
template <class Int>
struct Middle {
    std::uint64_t m = 0;
    bool odd = false;
    Int p, q;          // complete quotient m
    Int pNext, qNext;  // complete quotient m + 1
};

// Walks sqrt(D) to the middle of its period, handing every step before it
// to onStep(k, p, q) (steps 0 to m - 1 for an even period, 0 to m for an
// odd one), with the complete quotient (p + sqrt(D)) / q it starts from.
// False when the period is longer than maxSteps.
template <class Int, class OnStep>
bool WalkToMiddle(const Int& d, const Int& s, std::uint64_t maxSteps, Middle<Int>& middle, OnStep&& onStep) {
    SurdWalk<Int> walk(d, s, Int(0), Int(1));
    Int p, q;
    for (std::uint64_t i = 0;; ++i) {
        // No turn before i: the period is at least 2i long.
        if (2 * i > maxSteps) return false;
        p = walk.P();
        q = walk.Q();
        const Int& k = walk.Step();
        if (i > 0 && walk.P() == p) {
            middle = {i, false, p, q, walk.P(), walk.Q()};
            return 2 * i <= maxSteps;
        }
        onStep(k, p, q);
        if (walk.Q() == q) {
            middle = {i, true, p, q, walk.P(), walk.Q()};
            return 2 * i + 1 <= maxSteps;
        }
    }
}

// Walks (p0 + sqrt(D)) / q0 to its first reduced complete quotient and
// through one period from there, handing the steps of the period to
// onStep(k, p, q). `start` is that first reduced quotient.
template <class Int, class OnStep>
bool WalkPeriod(const Int& d, const Int& s, const Int& p0, const Int& q0, std::uint64_t maxSteps, Int& startP,
                Int& startQ, std::uint64_t& length, OnStep&& onStep) {
    SurdWalk<Int> walk(d, s, p0, q0);
    while (!IsReducedSurd(walk.P(), walk.Q(), s)) walk.Step();
    startP = walk.P();
    startQ = walk.Q();
    Int p, q;
    for (length = 0;;) {
        if (length == maxSteps) return false;
        p = walk.P();
        q = walk.Q();
        const Int& k = walk.Step();
        onStep(k, p, q);
        ++length;
        if (walk.P() == startP && walk.Q() == startQ) return true;
    }
}

mpz_class Big(std::int64_t v) { return FromInt128(v); }
const mpz_class& Big(const mpz_class& v) { return v; }

// A whole number known to divide exactly.
void DivideExactly(mpz_class& v, const mpz_class& divisor) {
    mpz_divexact(v.get_mpz_t(), v.get_mpz_t(), divisor.get_mpz_t());
}

// With A(n) = Q(n) a_1 ... a_n = p(n-1) + q(n-1) sqrt(D), the numerator of
// the convergent n - 1 and its norm (-1)^n Q(n), the unit is
//     A(m)^2 / Q(m)                             for an even period 2m,
//     A(m) A(m+1) / Q(m) = A(m+1)^2 (sqrt(D) - P(m+1)) / Q(m)^2   for an odd one,
// the latter as A(m) = A(m+1) Q(m) / (P(m+1) + sqrt(D)) and
// D - P(m+1)^2 = Q(m) Q(m+1) = Q(m)^2.
template <class Int>
void RootUnitExactly(const Int& d, const Int& s, const mpz_class& bigD, std::uint64_t maxSteps, OrderUnit& unit) {
    SurdProduct product(bigD);
    Middle<Int> middle;
    unit.closed =
        WalkToMiddle(d, s, maxSteps, middle, [&](const Int& k, const Int& p, const Int& q) { product.Step(k, p, q); });
    if (!unit.closed) return;
    const mpz_class q = Big(middle.q);
    mpz_class u, v;
    if (!middle.odd) {
        unit.periodLength = 2 * middle.m;
        unit.norm = 1;
        product.Finish(Big(middle.p), q, u, v);
        // x = (u^2 + D v^2) / Q(m) = (2 u^2 - (-1)^m Q(m)) / Q(m), y = 2 u v / Q(m).
        std::optional<std::thread> second;
        const auto uv = [&] { mpz_mul(unit.y.get_mpz_t(), u.get_mpz_t(), v.get_mpz_t()); };
        if (mpz_sizeinbase(u.get_mpz_t(), 2) >= kBitsForTwoThreads) {
            second.emplace(uv);
        } else {
            uv();
        }
        mpz_mul(unit.x.get_mpz_t(), u.get_mpz_t(), u.get_mpz_t());
        if (second) second->join();
        u = 0;
        v = 0;
        unit.y *= 2;
        DivideExactly(unit.y, q);
        unit.x *= 2;
        if (middle.m % 2 == 0) {
            unit.x -= q;
        } else {
            unit.x += q;
        }
        DivideExactly(unit.x, q);
        return;
    }
    unit.periodLength = 2 * middle.m + 1;
    unit.norm = -1;
    const mpz_class pNext = Big(middle.pNext);
    product.Finish(pNext, Big(middle.qNext), u, v);
    // A(m+1)^2 = a + b sqrt(D); times sqrt(D) - P: (b D - a P) + (a - b P) sqrt(D).
    mpz_class a, b;
    mpz_mul(b.get_mpz_t(), u.get_mpz_t(), v.get_mpz_t());
    b *= 2;
    mpz_mul(a.get_mpz_t(), u.get_mpz_t(), u.get_mpz_t());
    u = 0;
    mpz_mul(v.get_mpz_t(), v.get_mpz_t(), v.get_mpz_t());
    a += bigD * v;
    v = 0;
    unit.x = b * bigD - a * pNext;
    unit.y = a - b * pNext;
    const mpz_class q2 = q * q;
    DivideExactly(unit.x, q2);
    DivideExactly(unit.y, q2);
}

template <class Int>
void HalfUnitExactly(const Int& d, const Int& s, const mpz_class& bigD, std::uint64_t maxSteps, OrderUnit& unit) {
    SurdProduct product(bigD);
    Int startP, startQ;
    unit.closed = WalkPeriod(d, s, Int(1), Int(2), maxSteps, startP, startQ, unit.periodLength,
                             [&](const Int& k, const Int& p, const Int& q) { product.Step(k, p, q); });
    if (!unit.closed) return;
    // Q * unit = u + v sqrt(D) with the start (P + sqrt(D)) / Q; the unit is (x + y sqrt(D)) / 2.
    const mpz_class q = Big(startQ);
    product.Finish(Big(startP), q, unit.x, unit.y);
    unit.x *= 2;
    unit.y *= 2;
    DivideExactly(unit.x, q);
    DivideExactly(unit.y, q);
    unit.norm = unit.periodLength % 2 == 0 ? 1 : -1;
}

// The bits of log(unit) at most: each step gives a factor below 2 sqrt(D) + 1.
std::uint64_t LogBitsBound(const mpz_class& d, std::uint64_t steps) {
    const std::uint64_t perStep = mpz_sizeinbase(d.get_mpz_t(), 2) / 2 + 2;
    return 64 - std::countl_zero(perStep * (steps + 1) | 1);
}

// The working precision for a period of at most maxSteps steps, so that
// one walk suffices unless the rounding is in doubt.
mpfr_prec_t FirstBits(const mpz_class& d, std::uint64_t maxSteps, unsigned digits) {
    return WorkingBits(digits, LogBitsBound(d, maxSteps), maxSteps);
}

template <class Int>
bool RootRegulator(const Int& d, const Int& s, const mpz_class& bigD, std::uint64_t maxSteps, unsigned digits,
                   OrderUnit& unit) {
    for (mpfr_prec_t bits = FirstBits(bigD, maxSteps, digits);; bits *= 2) {
        Middle<Int> middle;
        QuotientProductBounds bounds(bigD, bits);
        unit.closed = WalkToMiddle(d, s, maxSteps, middle,
                                   [&](const Int& k, const Int& p, const Int& q) { bounds.Step(k, p, q); });
        if (!unit.closed) return false;
        unit.periodLength = 2 * middle.m + (middle.odd ? 1 : 0);
        unit.norm = middle.odd ? -1 : 1;
        // Even: unit = Q(m) R^2 with R = a_1 ... a_m;
        // odd: unit = Q(m) R^2 / a_(m+1) with R = a_1 ... a_(m+1).
        Bounds& r = middle.odd ? bounds.Finish(middle.pNext, middle.qNext) : bounds.Finish(middle.p, middle.q);
        r.Multiply(r);
        r.Multiply(Big(middle.q));
        if (middle.odd) {
            Bounds complete(bits);
            bounds.Complete(complete, Big(middle.pNext), Big(middle.qNext));
            r.Divide(complete);
        }
        r.Log();
        if ((unit.regulator = r.Rounded(digits))) return true;
    }
}

template <class Int>
bool HalfRegulator(const Int& d, const Int& s, const mpz_class& bigD, std::uint64_t maxSteps, unsigned digits,
                   OrderUnit& unit) {
    for (mpfr_prec_t bits = FirstBits(bigD, maxSteps, digits);; bits *= 2) {
        QuotientProductBounds bounds(bigD, bits);
        Int startP, startQ;
        unit.closed = WalkPeriod(d, s, Int(1), Int(2), maxSteps, startP, startQ, unit.periodLength,
                                 [&](const Int& k, const Int& p, const Int& q) { bounds.Step(k, p, q); });
        if (!unit.closed) return false;
        unit.norm = unit.periodLength % 2 == 0 ? 1 : -1;
        Bounds& product = bounds.Finish(startP, startQ);
        product.Log();
        if ((unit.regulator = product.Rounded(digits))) return true;
    }
}

template <class Int>
void Compute(const Int& d, const Int& s, const UnitRequest& request, OrderUnit& unit) {
    const bool root = request.order == UnitOrder::Root;
    if (request.exact) {
        if (root) {
            RootUnitExactly(d, s, request.d, request.maxSteps, unit);
        } else {
            HalfUnitExactly(d, s, request.d, request.maxSteps, unit);
        }
        if (unit.closed && request.regulatorDigits) {
            unit.regulator = LogOfUnit(unit.x, unit.y, request.d, UnitDivisor(request.order), *request.regulatorDigits);
        }
    } else if (request.regulatorDigits) {
        if (root) {
            RootRegulator(d, s, request.d, request.maxSteps, *request.regulatorDigits, unit);
        } else {
            HalfRegulator(d, s, request.d, request.maxSteps, *request.regulatorDigits, unit);
        }
    } else if (root) {
        Middle<Int> middle;
        unit.closed = WalkToMiddle(d, s, request.maxSteps, middle, [](const Int&, const Int&, const Int&) {});
        unit.periodLength = 2 * middle.m + (middle.odd ? 1 : 0);
        unit.norm = middle.odd ? -1 : 1;
    } else {
        Int startP, startQ;
        unit.closed = WalkPeriod(d, s, Int(1), Int(2), request.maxSteps, startP, startQ, unit.periodLength,
                                 [](const Int&, const Int&, const Int&) {});
        unit.norm = unit.periodLength % 2 == 0 ? 1 : -1;
    }
}

}  // namespace

void SquareUnit(const mpz_class& x, const mpz_class& y, const mpz_class& d, unsigned long divisor, mpz_class& x2,
                mpz_class& y2) {
    // ((x^2 + D y^2) + 2 x y sqrt(D)) / divisor^2
    x2 = (x * x + d * y * y) / divisor;
    y2 = 2 * x * y / divisor;
}

OrderUnit FundamentalUnit(const UnitRequest& request) {
    OrderUnit unit;
    mpz_class s;
    IsSquare(request.d, s);
    if (FitsMachineWalk(request.d)) {
        Compute<std::int64_t>(ToInt64(request.d), ToInt64(s), request, unit);
    } else {
        Compute<mpz_class>(request.d, s, request, unit);
    }
    return unit;
}

}  // namespace tamsel::exact
