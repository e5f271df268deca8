// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <gmpxx.h>

#include "engine/fraction.h"

namespace tamsel {

// An expansion as the exports take it, whichever run produced it.
struct ExportedExpansion {
    // k1, k2, … in the order found; a periodic expansion ends with the last
    // quotient of its period.
    std::vector<mpz_class> quotients;
    // The first step of the period (1-based), when the period closed.
    std::optional<std::int64_t> periodStart;
    // Whether x turned out rational (a denominator became 0 after the last quotient).
    bool rational = false;
    // Whether the next larger integer was pulled out (x = k1 - 1/(k2 - …)).
    bool variant = false;
    // The approximating fractions (numerator, denominator), the first first.
    std::vector<Fraction> fractions;
};

}  // namespace tamsel
