// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arithmetic of the irrational walk in machine integers (64 or 128
// bits). Every operation is checked and returns false, when its result
// would not fit, so that the walk hands the step over to a wider tier.
// They are forced inline: the step is the hot loop of the exact mode, and
// left to itself the compiler calls the 128-bit ones.
// big_tier.h has the same operations for GMP; tier_walk.h the one step
// written with them.

#include <cstdint>
#include <limits>
#include <type_traits>

#include <gmpxx.h>

#include "exact/machine_integer.h"
#include "exact/reduced_number.h"
#include "exact/tier_widths.h"

namespace tamsel::exact::detail {

template <class T>
inline constexpr bool kIsMachine = std::is_same_v<T, std::int64_t> || std::is_same_v<T, Int128>;

template <class T, class = std::enable_if_t<kIsMachine<T>>>
[[gnu::always_inline]] inline bool Add(T a, T b, T& sum) {
    return !__builtin_add_overflow(a, b, &sum);
}
template <class T, class = std::enable_if_t<kIsMachine<T>>>
[[gnu::always_inline]] inline bool Subtract(T a, T b, T& difference) {
    return !__builtin_sub_overflow(a, b, &difference);
}
template <class T, class = std::enable_if_t<kIsMachine<T>>>
[[gnu::always_inline]] inline bool Multiply(T a, T b, T& product) {
    return !__builtin_mul_overflow(a, b, &product);
}
template <class T, class = std::enable_if_t<kIsMachine<T>>>
[[gnu::always_inline]] inline bool Negate(T a, T& negative) {
    if (a == std::numeric_limits<T>::min()) return false;
    negative = -a;
    return true;
}
template <class T, class = std::enable_if_t<kIsMachine<T>>>
[[gnu::always_inline]] inline bool AddOne(T& a) {
    return !__builtin_add_overflow(a, 1, &a);
}
template <class T, class = std::enable_if_t<kIsMachine<T>>>
[[gnu::always_inline]] inline bool SubtractOne(T& a) {
    return !__builtin_sub_overflow(a, 1, &a);
}

// floor(m / d) for d > 0. Most quotients are small, so a few subtractions
// come before the division.
template <class T, class = std::enable_if_t<kIsMachine<T>>>
[[gnu::always_inline]] inline bool FloorDividePositive(T m, T d, T& k) {
    if (m >= 0) {
        T rest = m;
        for (T j = 0; j < 6; ++j) {
            if (rest < d) {
                k = j;
                return true;
            }
            rest -= d;
        }
        k = m / d;
        return true;
    }
    k = m / d;
    if (k * d != m) --k;
    return true;
}

// Hands k to the sink, as a machine integer where it fits in 64 bits.
template <class Sink>
inline void PassQuotient(Sink& sink, std::int64_t k) {
    sink.Quotient(k);
}
template <class Sink>
inline void PassQuotient(Sink& sink, Int128 k) {
    if (FitsInt64(k)) {
        sink.Quotient(static_cast<std::int64_t>(k));
    } else {
        sink.Quotient(FromInt128(k));
    }
}

inline mpz_class ToBig(Int128 v) { return FromInt128(v); }

// Whether v lies below 2^kRoomyIn64 in magnitude, so that the walk may go
// on in 64 bits.
inline bool RoomyInNarrower(Int128 v) {
    constexpr Int128 kLimit = Int128{1} << kRoomyIn64;
    return v < kLimit && v > -kLimit;
}

}  // namespace tamsel::exact::detail
