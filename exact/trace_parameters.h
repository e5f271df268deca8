// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmpxx.h>

#include "exact/exact_expansion.h"

namespace tamsel::exact {

// An x met during the expansion in the window's form
// (koeff * sqrt(wurzel) + abs) / nenner, with wurzel the typed radicand and
// koeff, abs, nenner divided by their greatest common divisor.
struct TraceParameters {
    mpz_class koeff;
    mpz_class wurzel;
    mpz_class abs;
    mpz_class nenner;
};

// The parameters of the x that a walk reports as State(abs, nenner):
// (abs + sqrt(d)) / nenner for an irrational x, abs / nenner for a rational
// one (koeff 0 then).
void MakeTraceParameters(const ExactExpansion& expansion, const mpz_class& abs, const mpz_class& nenner,
                         TraceParameters& out);

}  // namespace tamsel::exact
