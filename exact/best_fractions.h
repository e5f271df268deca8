// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The best fractions of x from its regular (floor) expansion, with p(-1) =
// 1, q(-1) = 0 before the first convergent p(0)/q(0) = a0/1.

#include <cstdint>
#include <functional>
#include <optional>

#include <gmpxx.h>

#include "exact/exact_expansion.h"
#include "exact/start_value.h"

namespace tamsel::exact {

struct FractionPQ {
    mpz_class p;
    mpz_class q;
};

// The best approximations with denominator at most `maxDenominator`: of the
// second kind, the last convergent p(k)/q(k) with q(k) <= Q (no p/q with a
// smaller q has a smaller |q x - p|); of the first kind, the p/q with q <= Q
// nearest to x, which is p(k)/q(k) or the intermediate fraction
// (p(k-1) + j p(k)) / (q(k-1) + j q(k)) with the largest j that keeps the
// denominator within Q. Of two equally near fractions (x rational) the one
// with the smaller denominator, then the smaller one.
struct BestApproximations {
    FractionPQ secondKind;
    FractionPQ firstKind;
};

// `regular` must be a regular expansion and Q >= 1. No value when the step
// limit ends the expansion before a denominator passes Q.
std::optional<BestApproximations> FindBestApproximations(const ExactExpansion& regular,
                                                         const mpz_class& maxDenominator);

// A convergent, or an intermediate fraction (p(k-1) + j p(k)) / (q(k-1) +
// j q(k)) for 1 <= j < a(k+1) between the convergents of steps k and k + 2
// (1-based; step 0 is 1/0). An intermediate fraction is a best
// approximation of the first kind exactly when it lies nearer to x than
// p(k)/q(k).
struct ListedFraction {
    FractionPQ fraction;
    bool intermediate = false;
    // Of an intermediate fraction: the step of p(k)/q(k), j, and whether it
    // is a best approximation of the first kind.
    std::uint64_t afterStep = 0;
    std::uint64_t j = 0;
    bool best = false;
};

// Calls fn for the first `count` fractions in the order of their
// denominators, convergents and intermediate fractions together (a
// periodic expansion continued as far as needed). Returns how many.
std::uint64_t ListWithIntermediateFractions(const ExactExpansion& regular, std::uint64_t count,
                                            const std::function<void(const ListedFraction&)>& fn);

// Whether p/q lies strictly nearer to x than r/s (q, s > 0).
bool IsNearer(const StartValue& x, const FractionPQ& pq, const FractionPQ& rs);

}  // namespace tamsel::exact
