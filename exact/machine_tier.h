// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The irrational walk in machine integers (64 or 128 bits). Every operation
// is checked: a step whose values would not fit is not taken, and the walk
// hands over to a wider tier, which takes the same step again.

#include <cstdint>
#include <limits>
#include <type_traits>

#include <gmpxx.h>

#include "exact/irrational_progress.h"
#include "exact/machine_integer.h"

namespace tamsel::exact::detail {

enum class TierExit { Done, Overflow, Shrink };

// x = (p + sqrt(d)) / q; `before` is the q of the previous step (see
// IrrationalWalk).
template <class T>
struct MachineState {
    T p;
    T q;
    T before;
};

// floor(m / d) for d > 0. Most quotients are small, so a few subtractions
// come before the division.
template <class T>
inline T FloorDividePositive(T m, T d) {
    if (m >= 0) {
        T rest = m;
        for (T k = 0; k < 6; ++k) {
            if (rest < d) return k;
            rest -= d;
        }
        return m / d;
    }
    T k = m / d;
    if (k * d != m) --k;
    return k;
}

// Whether (p + sqrt(d)) / q is reduced; s = floor(sqrt(d)). Written so
// that no comparison can overflow.
template <bool kVariant, class T>
inline bool IsReducedMachine(T p, T q, T s) {
    if (q <= 0) return false;
    if constexpr (kVariant) {
        // conjugate in (0, 1): p > sqrt(d) and p - q < sqrt(d); x > 1: q - p < sqrt(d).
        return p > s && p - q <= s && q - p <= s;
    } else {
        // conjugate in (-1, 0): 0 < p < sqrt(d) and q + p > sqrt(d); x > 1: q - p < sqrt(d).
        return p > 0 && p <= s && q > s - p && q - p <= s;
    }
}

// One step from (p, q, before): the quotient k and the next p and q.
// Returns false, with nothing changed, when a value would not fit in T.
template <bool kVariant, class T>
inline bool MachineStep(const MachineState<T>& x, T s, T& k, MachineState<T>& next) {
    T m;
    if (__builtin_add_overflow(x.p, s, &m)) return false;
    if (x.q > 0) {
        k = FloorDividePositive(m, x.q);
    } else {
        // x < 0 in this form: floor((p + sqrt(d)) / q) = -floor((p + s) / |q|) - 1.
        if (x.q == std::numeric_limits<T>::min()) return false;
        const T floor = FloorDividePositive(m, static_cast<T>(-x.q));
        if (floor == std::numeric_limits<T>::min()) return false;
        k = -floor - 1;
    }
    if constexpr (kVariant) {
        if (__builtin_add_overflow(k, 1, &k)) return false;
    }
    T kq, difference, change;
    if (__builtin_mul_overflow(k, x.q, &kq)) return false;
    if (__builtin_sub_overflow(kq, x.p, &next.p)) return false;
    if (__builtin_sub_overflow(x.p, next.p, &difference)) return false;
    if (__builtin_mul_overflow(k, difference, &change)) return false;
    if constexpr (kVariant) {
        if (__builtin_sub_overflow(x.before, change, &next.q)) return false;
    } else {
        if (__builtin_add_overflow(x.before, change, &next.q)) return false;
    }
    next.before = x.q;
    return true;
}

// Hands k to the sink, as a machine integer where it fits in 64 bits.
template <class Sink, class T>
inline void PassQuotient(Sink& sink, T k, mpz_class& scratch) {
    if constexpr (std::is_same_v<T, std::int64_t>) {
        (void)scratch;
        sink.Quotient(k);
    } else {
        if (FitsInt64(k)) {
            sink.Quotient(static_cast<std::int64_t>(k));
        } else {
            AssignInt128(scratch, k);
            sink.Quotient(static_cast<const mpz_class&>(scratch));
        }
    }
}

// Whether the values are small enough to go on in 64 bits with room to
// spare (so that the walk does not switch back and forth at every step).
inline bool RoomyIn64(const MachineState<Int128>& x) {
    constexpr Int128 kLimit = Int128{1} << 60;
    return x.p < kLimit && x.p > -kLimit && x.q < kLimit && x.q > -kLimit && x.before < kLimit && x.before > -kLimit;
}

// Walks in T until the run ends, a step does not fit (Overflow) or, when
// `mayShrink`, the values have become small enough for 64 bits (Shrink).
template <bool kVariant, class T, class Sink>
TierExit RunMachineTier(MachineState<T>& state, T s, IrrationalProgress& w, Sink& sink, bool mayShrink) {
    MachineState<T> x = state;
    MachineState<T> next;
    mpz_class scratch;
    TierExit exit = TierExit::Done;
    for (;;) {
        if (w.periodStart != 0) {
            if (w.Closes(x.p, x.q)) {
                w.closed = true;
                break;
            }
        } else if (IsReducedMachine<kVariant>(x.p, x.q, s)) {
            w.MarkPeriodStart(FromInt128(x.p), FromInt128(x.q));
        }
        if (w.steps == w.maxSteps) {
            w.limitReached = true;
            break;
        }
        T k;
        if (!MachineStep<kVariant>(x, s, k, next)) {
            exit = TierExit::Overflow;
            break;
        }
        PassQuotient(sink, k, scratch);
        x = next;
        ++w.steps;
        if constexpr (!std::is_same_v<T, std::int64_t>) {
            if (mayShrink && RoomyIn64(x)) {
                exit = TierExit::Shrink;
                break;
            }
        }
    }
    state = x;
    return exit;
}

}  // namespace tamsel::exact::detail
