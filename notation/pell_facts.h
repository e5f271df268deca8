// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What is known about x^2 - D y^2 = +-1 and the units of the orders of
// sqrt(D), as the texts show it. A fact not asked for stays empty.

#include <cstdint>
#include <optional>
#include <string>

#include <gmpxx.h>

namespace tamsel {

// A number rounded to significant digits: 0.digits * 10^exponent.
struct SignificantDigits {
    std::string digits;
    long exponent = 0;
};

struct PellPair {
    mpz_class x, y;
};

// A fundamental unit: x + y sqrt(D), or (x + y sqrt(D)) / 2 in the order of
// discriminant D.
struct UnitFacts {
    std::optional<std::uint64_t> periodLength;
    bool showPeriodLength = true;  // on a line of its own; otherwise only as a reason
    int norm = 0;                  // 0: not known
    std::optional<PellPair> unit;
    std::optional<PellPair> positive;  // of x^2 - D y^2 = 1 (4 for the other order)
    std::optional<PellPair> negative;  // of x^2 - D y^2 = -1 (-4), when it has one
    std::optional<SignificantDigits> regulator;
};

struct PellFacts {
    mpz_class d;
    UnitFacts root;                 // Z[sqrt(D)]; its period is that of sqrt(D)
    std::optional<UnitFacts> half;  // Z[(1 + sqrt(D)) / 2], for D = 1 (mod 4)
    // Whether to say that x^2 - D y^2 = -1, and -4, has no solution, when so.
    bool withNegativePell = true;
    bool withNegativePellFour = true;
};

}  // namespace tamsel
