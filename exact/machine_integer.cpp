// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/machine_integer.h"

namespace tamsel::exact {

namespace {

__extension__ typedef unsigned __int128 UInt128;

static_assert(sizeof(mp_limb_t) == sizeof(std::uint64_t), "GMP limbs of 64 bits");

// The magnitude of v, which must be below 2^128.
UInt128 Magnitude(const mpz_class& v) {
    const std::size_t size = mpz_size(v.get_mpz_t());
    const UInt128 low = size > 0 ? mpz_getlimbn(v.get_mpz_t(), 0) : 0;
    const UInt128 high = size > 1 ? mpz_getlimbn(v.get_mpz_t(), 1) : 0;
    return (high << 64) | low;
}

}  // namespace

bool MagnitudeBelow(const mpz_class& v, unsigned bits) {
    return sgn(v) == 0 || mpz_sizeinbase(v.get_mpz_t(), 2) <= bits;
}

std::int64_t ToInt64(const mpz_class& v) { return static_cast<std::int64_t>(ToInt128(v)); }

Int128 ToInt128(const mpz_class& v) {
    const UInt128 magnitude = Magnitude(v);
    return sgn(v) < 0 ? static_cast<Int128>(-magnitude) : static_cast<Int128>(magnitude);
}

mpz_class FromInt128(Int128 v) {
    mpz_class result;
    AssignInt128(result, v);
    return result;
}

void AssignInt128(mpz_class& target, Int128 v) {
    if (FitsInt64(v)) {
        mpz_set_si(target.get_mpz_t(), static_cast<long>(v));
        return;
    }
    const UInt128 magnitude = v < 0 ? -static_cast<UInt128>(v) : static_cast<UInt128>(v);
    mpz_set_ui(target.get_mpz_t(), static_cast<unsigned long>(magnitude >> 64));
    mpz_mul_2exp(target.get_mpz_t(), target.get_mpz_t(), 64);
    mpz_add_ui(target.get_mpz_t(), target.get_mpz_t(), static_cast<unsigned long>(magnitude));
    if (v < 0) mpz_neg(target.get_mpz_t(), target.get_mpz_t());
}

}  // namespace tamsel::exact
