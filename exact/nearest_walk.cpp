// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/nearest_walk.h"

namespace tamsel::exact {

namespace {

// x = (p + sqrt(d)) / q, or p / q for a rational x.
struct NearestState {
    mpz_class p;
    mpz_class q;
    bool operator==(const NearestState& other) const { return p == other.p && q == other.q; }
};

// One step of an irrational x: the nearest integer a, the sign e of x - a
// and x' = e / (x - a).
class IrrationalStep {
public:
    explicit IrrationalStep(const QuadraticStart& x) : d_(x.d) {
        const mpz_class fourD = 4 * x.d;
        mpz_sqrt(twiceRootFloor_.get_mpz_t(), fourD.get_mpz_t());
    }

    void operator()(NearestState& x, mpz_class& a, int& e) {
        // a = floor(x + 1/2) = floor((2p + q + sqrt(4d)) / (2q)); x is never
        // a half, so this is ceil(x - 1/2).
        top_ = 2 * x.p + x.q + twiceRootFloor_;
        bottom_ = 2 * x.q;
        if (sgn(bottom_) > 0) {
            mpz_fdiv_q(a.get_mpz_t(), top_.get_mpz_t(), bottom_.get_mpz_t());
        } else {
            // floor((t + sqrt) / b) = -floor((t + floor(sqrt)) / |b|) - 1 for b < 0.
            mpz_neg(bottom_.get_mpz_t(), bottom_.get_mpz_t());
            mpz_fdiv_q(a.get_mpz_t(), top_.get_mpz_t(), bottom_.get_mpz_t());
            a = -a - 1;
        }
        // x - a = (r + sqrt(d)) / q with r = p - a q.
        const mpz_class r = x.p - a * x.q;
        const bool restPositive = sgn(r) >= 0 || r * r < d_;
        e = (restPositive ? 1 : -1) * sgn(x.q);
        // 1 / (x - a) = (-r + sqrt(d)) / ((d - r^2) / q), times e.
        x.p = -r;
        mpz_class next = d_ - r * r;
        mpz_divexact(next.get_mpz_t(), next.get_mpz_t(), x.q.get_mpz_t());
        if (e < 0) next = -next;
        x.q = std::move(next);
    }

private:
    mpz_class d_;
    mpz_class twiceRootFloor_;
    mpz_class top_, bottom_;
};

WalkSummary WalkRationalNearest(const RationalStart& start, std::uint64_t maxSteps, const SignedQuotientFn& quotient,
                                const StateFn& state) {
    WalkSummary summary;
    NearestState x{start.p, start.q};
    mpz_class a, rest;
    int sign = 1;
    for (;;) {
        if (state) state(x.p, x.q);
        if (summary.steps == maxSteps) {
            summary.end = WalkEnd::StepLimit;
            return summary;
        }
        // a = ceil((2p - q) / (2q)), the rest p - a q in [-q/2, q/2).
        const mpz_class twiceQ = 2 * x.q;
        const mpz_class shifted = 2 * x.p - x.q;
        mpz_cdiv_q(a.get_mpz_t(), shifted.get_mpz_t(), twiceQ.get_mpz_t());
        quotient(sign < 0 ? mpz_class(-a) : a);
        ++summary.steps;
        rest = x.p - a * x.q;
        if (sgn(rest) == 0) {
            summary.end = WalkEnd::Rational;
            return summary;
        }
        sign = sgn(rest);
        x.p = x.q;
        x.q = abs(rest);
    }
}

WalkSummary WalkIrrationalNearest(const QuadraticStart& start, std::uint64_t maxSteps, const SignedQuotientFn& quotient,
                                  const StateFn& state) {
    IrrationalStep step(start);
    mpz_class a;
    int e = 1;
    const NearestState first{start.p, start.q};

    // Brent: the hare runs ahead in stretches of doubling length; the
    // tortoise waits at the start of each, until the hare meets it. Then
    // `length` is the period of the states. A run whose period ends within
    // maxSteps meets within 4 maxSteps steps.
    WalkSummary summary;
    const std::uint64_t mostHareSteps = 4 * maxSteps + 8;
    std::uint64_t power = 1, length = 1, hareSteps = 1;
    NearestState tortoise = first, hare = first;
    step(hare, a, e);
    bool met = true;
    while (!(tortoise == hare)) {
        if (hareSteps >= mostHareSteps) {
            met = false;
            break;
        }
        if (power == length) {
            tortoise = hare;
            power *= 2;
            length = 0;
        }
        step(hare, a, e);
        ++length;
        ++hareSteps;
    }

    std::uint64_t periodStart = 0, emit = maxSteps;
    if (met) {
        // The first state that recurs, x(mu): the tortoise `length` steps
        // behind the hare. A step from x(i) gives the sign that stands before
        // quotient i + 1.
        tortoise = first;
        hare = first;
        int hareSign = 1, tortoiseSign = 1;
        for (std::uint64_t i = 0; i < length; ++i) step(hare, a, hareSign);
        std::uint64_t mu = 0;
        while (!(tortoise == hare)) {
            step(tortoise, a, tortoiseSign);
            step(hare, a, hareSign);
            ++mu;
        }
        // The quotients repeat with their signs from mu when the signs before
        // quotient mu and quotient mu + length agree (before quotient 0
        // stands a plus), from mu + 1 otherwise.
        periodStart = tortoiseSign == hareSign ? mu : mu + 1;
        if (periodStart + length <= maxSteps) {
            emit = periodStart + length;
            summary.end = WalkEnd::Period;
            summary.periodStart = periodStart + 1;
            summary.periodLength = length;
        }
    }
    if (summary.end != WalkEnd::Period) summary.end = WalkEnd::StepLimit;

    NearestState x = first;
    int sign = 1;
    for (std::uint64_t i = 0; i < emit; ++i) {
        if (state) state(x.p, x.q);
        step(x, a, e);
        quotient(sign < 0 ? mpz_class(-a) : a);
        sign = e;
    }
    // As in the other walks, the x after the last step is met too.
    if (state) state(x.p, x.q);
    summary.steps = emit;
    return summary;
}

}  // namespace

WalkSummary WalkNearestWith(const StartValue& x, std::uint64_t maxSteps, const SignedQuotientFn& quotient,
                            const StateFn& state) {
    if (const auto* rational = std::get_if<RationalStart>(&x)) {
        return WalkRationalNearest(*rational, maxSteps, quotient, state);
    }
    return WalkIrrationalNearest(std::get<QuadraticStart>(x), maxSteps, quotient, state);
}

}  // namespace tamsel::exact
