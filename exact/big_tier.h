// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arithmetic of the irrational walk in big integers: the operations of
// machine_tier.h for values of any size. They always succeed.

#include <cstdint>

#include <gmpxx.h>

#include "exact/machine_integer.h"
#include "exact/reduced_number.h"
#include "exact/tier_widths.h"

namespace tamsel::exact::detail {

inline bool Add(const mpz_class& a, const mpz_class& b, mpz_class& sum) {
    mpz_add(sum.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    return true;
}
inline bool Subtract(const mpz_class& a, const mpz_class& b, mpz_class& difference) {
    mpz_sub(difference.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    return true;
}
inline bool Multiply(const mpz_class& a, const mpz_class& b, mpz_class& product) {
    mpz_mul(product.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    return true;
}
inline bool Negate(const mpz_class& a, mpz_class& negative) {
    mpz_neg(negative.get_mpz_t(), a.get_mpz_t());
    return true;
}
inline bool AddOne(mpz_class& a) {
    mpz_add_ui(a.get_mpz_t(), a.get_mpz_t(), 1);
    return true;
}
inline bool SubtractOne(mpz_class& a) {
    mpz_sub_ui(a.get_mpz_t(), a.get_mpz_t(), 1);
    return true;
}
// floor(m / d) for d > 0.
inline bool FloorDividePositive(const mpz_class& m, const mpz_class& d, mpz_class& k) {
    mpz_fdiv_q(k.get_mpz_t(), m.get_mpz_t(), d.get_mpz_t());
    return true;
}

// Hands k to the sink, as a machine integer where it fits in 64 bits.
template <class Sink>
inline void PassQuotient(Sink& sink, const mpz_class& k) {
    if (mpz_fits_slong_p(k.get_mpz_t()) != 0) {
        sink.Quotient(static_cast<std::int64_t>(mpz_get_si(k.get_mpz_t())));
    } else {
        sink.Quotient(k);
    }
}

inline const mpz_class& ToBig(const mpz_class& v) { return v; }

// Whether v lies below 2^kRoomyIn128 in magnitude, so that the walk may go
// on in 128 bits.
inline bool RoomyInNarrower(const mpz_class& v) { return MagnitudeBelow(v, kRoomyIn128); }

}  // namespace tamsel::exact::detail
