// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tamsel::exact::detail {

// Whether x = (p + sqrt(d)) / q is reduced, from s = floor(sqrt(d)), in any
// of the walk's integer types (64 bits, 128 bits, mpz_class). No operation
// can overflow: each difference is of two numbers of the same sign.
template <bool kVariant, class T>
inline bool IsReduced(const T& p, const T& q, const T& s) {
    if (q <= 0) return false;
    if constexpr (kVariant) {
        // conjugate in (0, 1): p > sqrt(d) and p - q < sqrt(d); x > 1: q - p < sqrt(d).
        return p > s && p - q <= s && q - p <= s;
    } else {
        // conjugate in (-1, 0): 0 < p < sqrt(d) and q + p > sqrt(d); x > 1: q - p < sqrt(d).
        return p > 0 && p <= s && q > s - p && q - p <= s;
    }
}

}  // namespace tamsel::exact::detail
