// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <gmpxx.h>

#include "exact/exact_expansion.h"
#include "exact/quotient_list.h"
#include "exact/walk_summary.h"

namespace tamsel::exact {

// The approximating fractions p/q of an expansion, one quotient at a time:
// p(w) = k(w) p(w-1) + p(w-2) and likewise q, with a minus in the variant.
// They need no reduction.
class ConvergentSequence {
public:
    explicit ConvergentSequence(bool variant)
        : variant_(variant), p_(1), pBefore_(0), q_(0), qBefore_(variant ? -1 : 1) {}

    void Next(std::int64_t k);
    void Next(const mpz_class& k);

    const mpz_class& Numerator() const { return p_; }
    const mpz_class& Denominator() const { return q_; }

private:
    void Advance(mpz_class& value, mpz_class& before, const mpz_class& product);

    bool variant_;
    mpz_class p_, pBefore_, q_, qBefore_, product_, scratch_;
};

// How many fractions a run lists when `wanted` are asked for: a periodic
// expansion is continued, so it has all of them; otherwise at most one per step.
std::uint64_t ConvergentCount(const WalkSummary& summary, std::uint64_t wanted);

// Calls fn(p, q) for the first ConvergentCount fractions of the expansion,
// continuing a closed period as often as needed. The quotients come from
// the kept list, which should hold the first `wanted` steps; what it lacks
// is walked again.
template <class Fn>
void ForEachConvergent(const ExactExpansion& expansion, const WalkSummary& summary, const QuotientList& kept,
                       std::uint64_t wanted, Fn&& fn) {
    const std::uint64_t count = ConvergentCount(summary, wanted);
    ConvergentSequence sequence(expansion.Variant());
    const auto next = [&](const auto& k) {
        sequence.Next(k);
        fn(sequence.Numerator(), sequence.Denominator());
    };
    const std::uint64_t direct = count < summary.steps ? count : summary.steps;
    ForEachQuotient(expansion, kept, 1, direct, next);
    for (std::uint64_t w = direct + 1; w <= count;) {
        // The period once more: steps periodStart to steps.
        const std::uint64_t take = count - w + 1 < summary.periodLength ? count - w + 1 : summary.periodLength;
        ForEachQuotient(expansion, kept, summary.periodStart, summary.periodStart + take - 1, next);
        w += take;
    }
}

}  // namespace tamsel::exact
