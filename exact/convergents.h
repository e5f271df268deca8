// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <gmpxx.h>

#include "exact/exact_expansion.h"
#include "exact/quotient_list.h"
#include "exact/walk_summary.h"

namespace tamsel::exact {

// The approximating fractions p/q of an expansion, one quotient at a time:
// p(w) = k(w) p(w-1) + p(w-2) and likewise q, with a minus in the variant;
// in the nearest-integer expansion a later signed quotient k gives
// p(w) = |k| p(w-1) + sign(k) p(w-2). They need no reduction.
class ConvergentSequence {
public:
    explicit ConvergentSequence(ExpansionAlgorithm algorithm)
        : algorithm_(algorithm),
          p_(1),
          pBefore_(0),
          q_(0),
          qBefore_(algorithm == ExpansionAlgorithm::Variant ? -1 : 1) {}
    explicit ConvergentSequence(bool variant)
        : ConvergentSequence(variant ? ExpansionAlgorithm::Variant : ExpansionAlgorithm::Regular) {}

    void Next(std::int64_t k);
    void Next(const mpz_class& k);

    const mpz_class& Numerator() const { return p_; }
    const mpz_class& Denominator() const { return q_; }

private:
    void Advance(mpz_class& value, mpz_class& before, const mpz_class& product, bool subtract);
    bool Subtracts(int sign);

    ExpansionAlgorithm algorithm_;
    bool first_ = true;
    mpz_class p_, pBefore_, q_, qBefore_, product_, scratch_, magnitude_;
};

// How many fractions a run lists when `wanted` are asked for: a periodic
// expansion is continued, so it has all of them; otherwise at most one per step.
std::uint64_t ConvergentCount(const WalkSummary& summary, std::uint64_t wanted);

// Calls fn(k) for the quotients of the first ConvergentCount steps,
// continuing a closed period as often as needed. The quotients come from
// the kept list, which should hold the first `wanted` steps; what it lacks
// is walked again.
template <class Fn>
void ForEachQuotientContinued(const ExactExpansion& expansion, const WalkSummary& summary, const QuotientList& kept,
                              std::uint64_t wanted, Fn&& fn) {
    const std::uint64_t count = ConvergentCount(summary, wanted);
    const std::uint64_t direct = count < summary.steps ? count : summary.steps;
    ForEachQuotient(expansion, kept, 1, direct, fn);
    for (std::uint64_t w = direct + 1; w <= count;) {
        // The period once more: steps periodStart to steps.
        const std::uint64_t take = count - w + 1 < summary.periodLength ? count - w + 1 : summary.periodLength;
        ForEachQuotient(expansion, kept, summary.periodStart, summary.periodStart + take - 1, fn);
        w += take;
    }
}

// Calls fn(p, q) for the first ConvergentCount fractions of the expansion,
// as ForEachQuotientContinued finds their quotients.
template <class Fn>
void ForEachConvergent(const ExactExpansion& expansion, const WalkSummary& summary, const QuotientList& kept,
                       std::uint64_t wanted, Fn&& fn) {
    ConvergentSequence sequence(expansion.Algorithm());
    ForEachQuotientContinued(expansion, summary, kept, wanted, [&](const auto& k) {
        sequence.Next(k);
        fn(sequence.Numerator(), sequence.Denominator());
    });
}

}  // namespace tamsel::exact
