// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include <gmpxx.h>

#include "exact/start_value.h"

namespace tamsel::exact {

// y = (a + b sqrt(d)) / m with whole numbers, m != 0 and d >= 0; d is not a
// square unless b = 0. Every question about y is answered in whole numbers:
// floor(sqrt(...)) and comparisons of squares, never a rounded value.
struct SurdValue {
    mpz_class a;
    mpz_class b;
    mpz_class d;
    mpz_class m = 1;
};

// x itself, and x - p/q for q > 0.
SurdValue ValueOf(const StartValue& x);
SurdValue DistanceFrom(const StartValue& x, const mpz_class& p, const mpz_class& q);

// -1, 0 or 1.
int Sign(const SurdValue& y);

// floor(|y| 10^k), for k of either sign.
mpz_class FloorOfMagnitudeTimesTenTo(const SurdValue& y, long k);

// |y| rounded half up to three significant digits, as "3.64e-7" ("1.00e0"
// for one); "0" when y = 0.
std::string ThreeDigitMagnitude(const SurdValue& y);

// y truncated toward zero to `digits` digits after the point: "-1.414" for
// -sqrt(2) and 3. The sign only where the digits are not all zero.
std::string TruncatedDecimal(const SurdValue& y, std::uint64_t digits);

}  // namespace tamsel::exact
