// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmpxx.h>

namespace tamsel::bigint {

// Exact integer arithmetic on x = (a * sqrt(d) + b) / c for whole a, b, c
// and whole d >= 0, c != 0. Double arithmetic loses the integer part and
// the next denominator for large parameters, because a*a*d - (b - k*c)^2
// cancels; these functions give the true values.

// The sign (-1, 0, 1) of x.
int Sign(const mpz_class& a, const mpz_class& d, const mpz_class& b, const mpz_class& c);

// floor(x), and whether x is itself whole.
struct IntegerPart {
    mpz_class floor;
    bool whole = false;
};
IntegerPart Floor(const mpz_class& a, const mpz_class& d, const mpz_class& b, const mpz_class& c);

// The largest magnitude a whole double holds exactly: 2^53.
bool FitsDouble(const mpz_class& v);

// v as a double; throws RunFailure (BeyondTwoToThe53) when its magnitude
// exceeds 2^53.
double ToDouble(const mpz_class& v);

}  // namespace tamsel::bigint
