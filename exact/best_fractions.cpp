// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/best_fractions.h"

#include "exact/convergents.h"
#include "exact/surd_value.h"

namespace tamsel::exact {

namespace {

// The convergents before and at the current step: p(k-1)/q(k-1), p(k)/q(k).
struct ConvergentPair {
    FractionPQ before{0, 1};
    FractionPQ current{1, 0};

    FractionPQ Intermediate(const mpz_class& j) const { return {before.p + j * current.p, before.q + j * current.q}; }
    void Advance(const mpz_class& a) {
        FractionPQ next = Intermediate(a);
        std::swap(before, current);
        current = std::move(next);
    }
};

// Calls fn(a) for the first `wanted` quotients of the expansion; fn returns
// false to hear no more. Returns the walk's summary.
template <class Fn>
WalkSummary ForQuotients(const ExactExpansion& regular, std::uint64_t wanted, Fn&& fn) {
    QuotientList kept(wanted);
    KeepQuotients sink(kept);
    const WalkSummary summary = regular.WalkUpTo(wanted, sink);
    bool listening = true;
    mpz_class a;
    ForEachQuotientContinued(regular, summary, kept, wanted, [&](const auto& k) {
        if (!listening) return;
        a = k;
        listening = fn(static_cast<const mpz_class&>(a));
    });
    return summary;
}

}  // namespace

bool IsNearer(const StartValue& x, const FractionPQ& pq, const FractionPQ& rs) {
    // (x - p/q)^2 - (x - r/s)^2 = (r/s - p/q) (2x - p/q - r/s): negative
    // when the two factors differ in sign. 2x - p/q - r/s has the sign of
    // x - (p s + r q) / (2 q s).
    const int apart = sgn(mpz_class(rs.p * pq.q - pq.p * rs.q));
    const int middle = Sign(DistanceFrom(x, pq.p * rs.q + rs.p * pq.q, 2 * pq.q * rs.q));
    return apart * middle < 0;
}

std::optional<BestApproximations> FindBestApproximations(const ExactExpansion& regular,
                                                         const mpz_class& maxDenominator) {
    // q(k) grows at least as the Fibonacci numbers, so q(k) > Q after
    // 1.45 log2(Q) + 2 steps.
    const std::uint64_t wanted = 2 * mpz_sizeinbase(maxDenominator.get_mpz_t(), 2) + 4;
    ConvergentPair pair;
    std::optional<BestApproximations> best;
    std::uint64_t seen = 0;
    const WalkSummary summary = ForQuotients(regular, wanted, [&](const mpz_class& a) {
        const FractionPQ next = pair.Intermediate(a);
        if (next.q > maxDenominator) {
            // q(k) <= Q < q(k+1) = q(k-1) + a q(k), so j < a.
            BestApproximations found{pair.current, pair.current};
            const mpz_class j = (maxDenominator - pair.before.q) / pair.current.q;
            if (j >= 1) {
                FractionPQ intermediate = pair.Intermediate(j);
                if (IsNearer(regular.Start(), intermediate, pair.current)) found.firstKind = std::move(intermediate);
            }
            best = std::move(found);
            return false;
        }
        pair.Advance(a);
        ++seen;
        return true;
    });
    if (!best && summary.end == WalkEnd::Rational && seen == summary.steps) {
        // Every denominator is within Q: x itself.
        best = BestApproximations{pair.current, pair.current};
    }
    return best;
}

std::uint64_t ListWithIntermediateFractions(const ExactExpansion& regular, std::uint64_t count,
                                            const std::function<void(const ListedFraction&)>& fn) {
    if (count == 0) return 0;
    ConvergentPair pair;
    std::uint64_t listed = 0, step = 0;
    ForQuotients(regular, count, [&](const mpz_class& a) {
        if (step >= 1) {
            for (std::uint64_t j = 1; a > j && listed < count; ++j) {
                ListedFraction entry;
                entry.fraction = pair.Intermediate(j);
                entry.intermediate = true;
                entry.afterStep = step;
                entry.j = j;
                entry.best = IsNearer(regular.Start(), entry.fraction, pair.current);
                fn(entry);
                ++listed;
            }
        }
        if (listed == count) return false;
        pair.Advance(a);
        ++step;
        ListedFraction entry;
        entry.fraction = pair.current;
        fn(entry);
        ++listed;
        return listed < count;
    });
    return listed;
}

}  // namespace tamsel::exact
