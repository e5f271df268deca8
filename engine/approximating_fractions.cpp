// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/approximating_fractions.h"

#include <algorithm>

namespace tamsel {

bool ExtendQuotientsPeriodically(ExpansionState& s, std::optional<std::int32_t> periodStart) {
    const int n = s.n;
    if (n >= 20 || !periodStart || *periodStart <= 0) return false;
    for (int w = n + 1; w <= 20; ++w) {
        s.quotient[w] = s.quotient[w - (n - *periodStart) - 1];
    }
    s.n = 20;
    return true;
}

Fraction ApproximatingFraction(const ExpansionState& s, int w, const VariantFlag& variant) {
    Fraction f{mpz_class(s.quotient[w]), mpz_class(1)};
    mpz_class t;
    for (int i = w; i > 1;) {
        --i;
        t = f.numerator;
        const mpz_class k(s.quotient[i]);
        if (!variant.VariantSelected()) f.numerator = k * t + f.denominator;
        if (variant.VariantSelected()) f.numerator = k * t - f.denominator;
        f.denominator = t;
    }
    return f;
}

std::vector<Fraction> ListApproximatingFractions(ExpansionState& s, std::optional<std::int32_t> periodStart,
                                                 int recorded, const VariantFlag& variant) {
    if (ExtendQuotientsPeriodically(s, periodStart)) recorded = s.n;
    const int count = std::clamp<int>(std::min<int>(s.n, recorded), 0, kLastRecordableStep);

    // Each fraction follows from the two before it, p(w) = k(w) p(w-1) +- p(w-2)
    // and likewise q, which gives the same numerators and denominators as
    // evaluating every fraction backwards from its last quotient, in linear
    // instead of quadratic time. Nothing yields while the list is built, so
    // one reading of the switch holds for all of it.
    const bool subtractive = variant.VariantSelected();
    mpz_class p(1), pBefore(0), q(0), qBefore(subtractive ? -1 : 1), k, next;
    std::vector<Fraction> fractions;
    fractions.reserve(static_cast<std::size_t>(count));
    for (int w = 1; w <= count; ++w) {
        k = s.quotient[w];
        next = k * p;
        subtractive ? next -= pBefore : next += pBefore;
        pBefore = p;
        p = next;
        next = k * q;
        subtractive ? next -= qBefore : next += qBefore;
        qBefore = q;
        q = next;
        fractions.push_back({p, q});
    }
    return fractions;
}

}  // namespace tamsel
