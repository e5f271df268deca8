// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <variant>

#include <gmpxx.h>

#include "exact/exact_input.h"

namespace tamsel::exact {

// A rational x = p / q in lowest terms with q > 0.
struct RationalStart {
    mpz_class p;
    mpz_class q;
};

// An irrational x = (p + sqrt(d)) / q with q dividing d - p^2, so that every
// step stays in whole numbers. d is not a square. sqrt(d) equals
// rootKoeff * sqrt(wurzel) for the typed wurzel.
struct QuadraticStart {
    mpz_class p;
    mpz_class q;
    mpz_class d;
    mpz_class rootFloor;  // floor(sqrt(d))
    mpz_class rootKoeff;
};

using StartValue = std::variant<RationalStart, QuadraticStart>;

// x of an input without fault in one of the two forms: rational when koeff
// or wurzel is 0 or wurzel is a square, irrational otherwise.
StartValue ToStartValue(const ExactInput& input);

// The denominator before the first step, as the step formulas of the
// algorithm need it: (d - p^2) / q, or its negative for the variant.
mpz_class DenominatorBeforeStart(const QuadraticStart& x, bool variant);

}  // namespace tamsel::exact
