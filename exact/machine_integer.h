// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The machine integers of the fast paths and their conversions to and from
// GMP. Values move between the tiers only through these functions.

#include <cstdint>

#include <gmpxx.h>

namespace tamsel::exact {

__extension__ typedef __int128 Int128;

// Whether |v| < 2^bits.
bool MagnitudeBelow(const mpz_class& v, unsigned bits);

// v as a machine integer; v must fit.
std::int64_t ToInt64(const mpz_class& v);
Int128 ToInt128(const mpz_class& v);

mpz_class FromInt128(Int128 v);
void AssignInt128(mpz_class& target, Int128 v);

// Whether an Int128 lies in the range of a signed 64-bit integer.
inline bool FitsInt64(Int128 v) { return v >= INT64_MIN && v <= INT64_MAX; }

}  // namespace tamsel::exact
