// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One tier of the irrational walk: the step of irrational_walk.h in one
// integer type, 64 bits, 128 bits or GMP, written once with the operations
// of machine_tier.h and big_tier.h. In machine integers a step whose values
// would not fit is not taken, and the walk hands over to a wider tier,
// which takes the same step again.

#include <cstdint>
#include <type_traits>
#include <utility>

#include <gmpxx.h>

#include "exact/big_tier.h"
#include "exact/irrational_progress.h"
#include "exact/machine_tier.h"
#include "exact/reduced_number.h"

namespace tamsel::exact::detail {

enum class TierExit { Done, Overflow, Shrink };

// x = (p + sqrt(d)) / q; `before` is the q of the previous step (see
// IrrationalWalk).
template <class T>
struct TierState {
    T p;
    T q;
    T before;
};

// The intermediate values of a step, kept between steps so that the big
// tier does not allocate them anew.
template <class T>
struct StepScratch {
    T m, product, difference, change;
};

// One step from x: the quotient k and the next p and q in `next`. Returns
// false when a value would not fit in T; x is unchanged then.
template <bool kVariant, class T>
[[gnu::always_inline]] inline bool TakeStep(const TierState<T>& x, const T& s, StepScratch<T>& w, T& k,
                                            TierState<T>& next) {
    if (!Add(x.p, s, w.m)) return false;
    if (x.q > 0) {
        FloorDividePositive(w.m, x.q, k);
    } else {
        // x < 0 in this form: floor((p + sqrt(d)) / q) = -floor((p + s) / |q|) - 1.
        if (!Negate(x.q, w.product)) return false;
        FloorDividePositive(w.m, w.product, k);
        if (!Negate(k, k) || !SubtractOne(k)) return false;
    }
    if constexpr (kVariant) {
        if (!AddOne(k)) return false;
    }
    if (!Multiply(k, x.q, w.product) || !Subtract(w.product, x.p, next.p)) return false;
    if (!Subtract(x.p, next.p, w.difference) || !Multiply(k, w.difference, w.change)) return false;
    if constexpr (kVariant) {
        return Subtract(x.before, w.change, next.q);
    } else {
        return Add(x.before, w.change, next.q);
    }
}

// Whether the next narrower tier can take x over with room to spare; never
// for 64 bits.
template <class T>
inline bool NarrowerTakesOver(const TierState<T>& x) {
    if constexpr (std::is_same_v<T, std::int64_t>) {
        (void)x;
        return false;
    } else {
        return RoomyInNarrower(x.p) && RoomyInNarrower(x.q) && RoomyInNarrower(x.before);
    }
}

// Walks in T until the run ends, a step does not fit (Overflow) or, when
// `mayShrink`, the values have become small enough for the narrower tier
// (Shrink). A sink that wants the states is only walked in big integers.
template <bool kVariant, class T, class Sink>
TierExit RunTier(TierState<T>& state, const T& s, IrrationalProgress& w, Sink& sink, bool mayShrink) {
    static_assert(!Sink::kWantsStates || std::is_same_v<T, mpz_class>, "states only in big integers");
    TierState<T> x = std::move(state);
    TierState<T> next;
    StepScratch<T> scratch;
    T k;
    TierExit exit = TierExit::Done;
    for (;;) {
        if constexpr (Sink::kWantsStates) sink.State(x.p, x.q);
        if (w.periodStart != 0) {
            if (w.Closes(x.p, x.q)) {
                w.closed = true;
                break;
            }
        } else if (IsReduced<kVariant>(x.p, x.q, s)) {
            w.MarkPeriodStart(ToBig(x.p), ToBig(x.q));
        }
        if (w.steps == w.maxSteps) {
            w.limitReached = true;
            break;
        }
        if (!TakeStep<kVariant>(x, s, scratch, k, next)) {
            exit = TierExit::Overflow;
            break;
        }
        PassQuotient(sink, k);
        if constexpr (kIsMachine<T>) {
            x = {next.p, next.q, x.q};
        } else {
            // before := q, q := next q, p := next p, without copying digits.
            mpz_swap(x.before.get_mpz_t(), x.q.get_mpz_t());
            mpz_swap(x.q.get_mpz_t(), next.q.get_mpz_t());
            mpz_swap(x.p.get_mpz_t(), next.p.get_mpz_t());
        }
        ++w.steps;
        if (mayShrink && NarrowerTakesOver(x)) {
            exit = TierExit::Shrink;
            break;
        }
    }
    state = std::move(x);
    return exit;
}

}  // namespace tamsel::exact::detail
