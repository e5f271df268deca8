// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include <gmpxx.h>

#include "exact/exact_input.h"

namespace tamsel {

// A reduced x = (koeff * sqrt(wurzel) + abs) / nenner as a person writes
// it, the whole part first, then the root: "(1 + √5)/2", "2 - √3", "2√3",
// "-√3/2", "3/4", "-5". A rational x has koeff 0.
std::string QuadraticText(const exact::ExactInput& reduced);

// A complete quotient (p + sqrt(d)) / q as it stands: "(-3 + √20)/4",
// "(3 + √20)/(-4)"; with d = 0 the rational p/q: "7/3", "-2/1".
std::string SurdText(const mpz_class& p, const mpz_class& d, const mpz_class& q);

}  // namespace tamsel
