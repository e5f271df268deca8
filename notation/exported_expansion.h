// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <gmpxx.h>

#include "engine/fraction.h"

namespace tamsel {

// The number expanded, x = (koeff·√wurzel + abs) / nenner, as given.
struct ExpandedNumber {
    mpz_class koeff;
    mpz_class wurzel;
    mpz_class abs;
    mpz_class nenner;
};

// An expansion as the exports take it, whichever run produced it.
struct ExportedExpansion {
    // k1, k2, … in the order found; a periodic expansion ends with the last
    // quotient of its period. A long expansion may keep only its first
    // quotients (at least as many as the exports show); `length` then counts
    // all of them and `lastQuotient` is the last one.
    std::vector<mpz_class> quotients;
    // The first step of the period (1-based), when the period closed.
    std::optional<std::int64_t> periodStart;
    // Whether x turned out rational (a denominator became 0 after the last quotient).
    bool rational = false;
    // Whether the next larger integer was pulled out (x = k1 - 1/(k2 - …)).
    bool variant = false;
    // The approximating fractions (numerator, denominator), the first first.
    std::vector<Fraction> fractions;
    // Set only when `quotients` holds the first quotients alone.
    std::optional<std::uint64_t> length = std::nullopt;
    mpz_class lastQuotient = 0;
    // The number expanded, when the run knows it; the LaTeX names it.
    std::optional<ExpandedNumber> number = std::nullopt;
    // Whether the nearest integer was pulled out: the later quotients carry
    // the sign of the numerator before them (x = 2 - 1/(3 - 1/3) is 2, -3, -3).
    bool nearest = false;

    std::uint64_t Length() const { return length ? *length : quotients.size(); }
    // The quotient of step i (1-based): a kept one, or the last.
    const mpz_class& QuotientOfStep(std::uint64_t i) const {
        return i <= quotients.size() ? quotients[i - 1] : lastQuotient;
    }
    // Whether the period closed within the expansion.
    bool HasPeriod() const {
        return periodStart && *periodStart >= 1 && static_cast<std::uint64_t>(*periodStart) <= Length();
    }
    // The quotient of step i (1-based) of the expansion continued periodically.
    const mpz_class& ContinuedQuotient(std::uint64_t i) const {
        const std::uint64_t n = Length();
        if (i > n && HasPeriod()) {
            const auto p = static_cast<std::uint64_t>(*periodStart);
            i = p + (i - p) % (n - p + 1);
        }
        return QuotientOfStep(i);
    }
};

}  // namespace tamsel
