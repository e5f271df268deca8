// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <variant>

#include "exact/expansion_algorithm.h"
#include "exact/expansion_line.h"
#include "exact/quadratic_number.h"

namespace tamsel::exact {

// The nearest-integer expansion is written with signed quotients: in
// [2; -3, -3] each later quotient carries the sign of the numerator before
// it, 2 - 1/(3 - 1/3).

// Why a list is not one the algorithm gives.
enum class ExpansionProblem {
    QuotientTooSmall,  // a later quotient below 1 (regular) or |2| (variant, nearest)
    EndsInOne,         // regular: a finite list ending in 1 after its first quotient
    PeriodOfTwos,      // variant: a period of 2s only, which converges to a rational
    TwoBeforeMinus,    // nearest: a 2 followed by a minus sign
    EndsInMinusTwo,    // nearest: a finite list ending in -2 (ties go down)
    NegativeStart,     // nearest: a purely periodic list starting below 0
    TooLarge,          // the value has numbers beyond kMostNumberBits
};

struct ExpansionFault {
    ExpansionProblem problem = ExpansionProblem::QuotientTooSmall;
    std::size_t column = 1;  // of the quotient where the problem shows
};

// The exact value of a continued fraction, after checking that the
// algorithm gives this very list: a rational for a finite one, the
// quadratic fixed point of the period carried through the quotients
// before it otherwise.
std::variant<QuadraticNumber, ExpansionFault> ExpansionValue(const WrittenExpansion& written,
                                                             ExpansionAlgorithm algorithm);

}  // namespace tamsel::exact
