// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include <gmpxx.h>

namespace tamsel {

// The most digits after the point that --digits writes.
inline constexpr std::uint64_t kMostDigits = 1'000'000;

// What the exact mode shows besides the expansion: the best fractions of
// the regular expansion (whatever the algorithm), errors, decimal digits,
// and the nearest-integer expansion in place of the others.
struct ApproximationRequest {
    std::optional<mpz_class> best;        // --best Q: denominators up to Q
    bool semiconvergents = false;         // --semiconvergents
    bool errors = false;                  // --errors: |x - p/q| of every fraction listed
    std::optional<std::uint64_t> digits;  // --digits N
    bool nearest = false;                 // --nearest
};

}  // namespace tamsel
