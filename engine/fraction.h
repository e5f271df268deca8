// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmpxx.h>

namespace tamsel {

// An approximating fraction, exact.
struct Fraction {
    mpz_class numerator;
    mpz_class denominator;
    friend bool operator==(const Fraction& a, const Fraction& b) {
        return a.numerator == b.numerator && a.denominator == b.denominator;
    }
};

}  // namespace tamsel
