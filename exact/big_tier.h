// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The irrational walk in big integers: the same step as the machine tiers,
// for values of any size.

#include <gmpxx.h>

#include "exact/irrational_progress.h"
#include "exact/machine_integer.h"
#include "exact/machine_tier.h"

namespace tamsel::exact::detail {

struct BigState {
    mpz_class p;
    mpz_class q;
    mpz_class before;
};

template <bool kVariant>
bool IsReducedBig(const mpz_class& p, const mpz_class& q, const mpz_class& s) {
    if (sgn(q) <= 0) return false;
    if constexpr (kVariant) {
        return p > s && p - q <= s && q - p <= s;
    } else {
        return sgn(p) > 0 && p <= s && q + p > s && q - p <= s;
    }
}

// Whether the values fit in 128 bits with room to spare.
inline bool RoomyIn128(const BigState& x) {
    return MagnitudeBelow(x.p, 124) && MagnitudeBelow(x.q, 124) && MagnitudeBelow(x.before, 124);
}

// Walks in big integers until the run ends or, when `mayShrink`, the values
// fit in 128 bits with room to spare (Shrink). Hands every x met to the sink
// when it wants the states.
template <bool kVariant, class Sink>
TierExit RunBigTier(BigState& x, const mpz_class& s, IrrationalProgress& w, Sink& sink, bool mayShrink) {
    mpz_class m, k, kq, difference, change;
    BigState next;
    for (;;) {
        if constexpr (Sink::kWantsStates) sink.State(x.p, x.q);
        if (w.periodStart != 0) {
            if (w.Closes(x.p, x.q)) {
                w.closed = true;
                return TierExit::Done;
            }
        } else if (IsReducedBig<kVariant>(x.p, x.q, s)) {
            w.MarkPeriodStart(x.p, x.q);
        }
        if (w.steps == w.maxSteps) {
            w.limitReached = true;
            return TierExit::Done;
        }

        mpz_add(m.get_mpz_t(), x.p.get_mpz_t(), s.get_mpz_t());
        if (sgn(x.q) > 0) {
            mpz_fdiv_q(k.get_mpz_t(), m.get_mpz_t(), x.q.get_mpz_t());
        } else {
            // floor((p + sqrt(d)) / q) = -floor((p + s) / |q|) - 1 for q < 0.
            mpz_neg(kq.get_mpz_t(), x.q.get_mpz_t());
            mpz_fdiv_q(k.get_mpz_t(), m.get_mpz_t(), kq.get_mpz_t());
            mpz_neg(k.get_mpz_t(), k.get_mpz_t());
            mpz_sub_ui(k.get_mpz_t(), k.get_mpz_t(), 1);
        }
        if constexpr (kVariant) mpz_add_ui(k.get_mpz_t(), k.get_mpz_t(), 1);
        mpz_mul(kq.get_mpz_t(), k.get_mpz_t(), x.q.get_mpz_t());
        mpz_sub(next.p.get_mpz_t(), kq.get_mpz_t(), x.p.get_mpz_t());
        mpz_sub(difference.get_mpz_t(), x.p.get_mpz_t(), next.p.get_mpz_t());
        mpz_mul(change.get_mpz_t(), k.get_mpz_t(), difference.get_mpz_t());
        if constexpr (kVariant) {
            mpz_sub(next.q.get_mpz_t(), x.before.get_mpz_t(), change.get_mpz_t());
        } else {
            mpz_add(next.q.get_mpz_t(), x.before.get_mpz_t(), change.get_mpz_t());
        }

        if (mpz_fits_slong_p(k.get_mpz_t()) != 0) {
            sink.Quotient(static_cast<std::int64_t>(mpz_get_si(k.get_mpz_t())));
        } else {
            sink.Quotient(static_cast<const mpz_class&>(k));
        }
        // before := q, q := next q, p := next p, without copying digits.
        mpz_swap(x.before.get_mpz_t(), x.q.get_mpz_t());
        mpz_swap(x.q.get_mpz_t(), next.q.get_mpz_t());
        mpz_swap(x.p.get_mpz_t(), next.p.get_mpz_t());
        ++w.steps;
        if (mayShrink && RoomyIn128(x)) return TierExit::Shrink;
    }
}

}  // namespace tamsel::exact::detail
