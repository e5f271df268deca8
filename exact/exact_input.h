// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmpxx.h>

namespace tamsel::exact {

// x = (koeff * sqrt(wurzel) + abs) / nenner with four whole numbers of any
// size, as typed.
struct ExactInput {
    mpz_class koeff;
    mpz_class wurzel;
    mpz_class abs;
    mpz_class nenner;
};

enum class InputFault { None, ZeroNenner, NegativeWurzel };

// What makes x undefined, if anything. A negative x is fine.
InputFault FindInputFault(const ExactInput& input);

}  // namespace tamsel::exact
