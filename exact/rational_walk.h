// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The expansion of a rational x = p / q (q > 0) by Euclid: the usual
// algorithm takes k = floor(p / q) and goes on with q / (p - k q), the
// variant takes k = ceil(p / q) and goes on with q / (k q - p). Both end when
// the new denominator is 0. The remainders shrink, so once the two numbers
// fit in 64 bits the walk goes on there.

#include <cstdint>

#include <gmpxx.h>

#include "exact/machine_integer.h"
#include "exact/start_value.h"
#include "exact/tier_widths.h"
#include "exact/walk_summary.h"

namespace tamsel::exact {

namespace detail {

// The quotient and the new denominator (always 0 <= rest < q).
inline void EuclidStep(std::int64_t p, std::int64_t q, bool variant, std::int64_t& k, std::int64_t& rest) {
    k = p / q;
    rest = p % q;  // the sign of p
    if (variant) {
        if (rest > 0) {
            k += 1;
            rest = q - rest;
        } else {
            rest = -rest;
        }
    } else if (rest < 0) {
        k -= 1;
        rest += q;
    }
}

}  // namespace detail

template <class Sink>
WalkSummary WalkRational(const RationalStart& start, bool variant, std::uint64_t maxSteps, Sink& sink) {
    WalkSummary summary;
    mpz_class p = start.p, q = start.q, k, rest;
    for (;;) {
        if constexpr (!Sink::kWantsStates) {
            if (MagnitudeBelow(p, detail::kEuclidIn64) && MagnitudeBelow(q, detail::kEuclidIn64)) break;
        }
        if constexpr (Sink::kWantsStates) sink.State(p, q);
        if (summary.steps == maxSteps) {
            summary.end = WalkEnd::StepLimit;
            return summary;
        }
        if (variant) {
            mpz_cdiv_qr(k.get_mpz_t(), rest.get_mpz_t(), p.get_mpz_t(), q.get_mpz_t());
            mpz_neg(rest.get_mpz_t(), rest.get_mpz_t());
        } else {
            mpz_fdiv_qr(k.get_mpz_t(), rest.get_mpz_t(), p.get_mpz_t(), q.get_mpz_t());
        }
        if (mpz_fits_slong_p(k.get_mpz_t()) != 0) {
            sink.Quotient(static_cast<std::int64_t>(mpz_get_si(k.get_mpz_t())));
        } else {
            sink.Quotient(static_cast<const mpz_class&>(k));
        }
        ++summary.steps;
        mpz_swap(p.get_mpz_t(), q.get_mpz_t());
        mpz_swap(q.get_mpz_t(), rest.get_mpz_t());
        if (sgn(q) == 0) {
            summary.end = WalkEnd::Rational;
            return summary;
        }
    }

    std::int64_t mp = ToInt64(p), mq = ToInt64(q), mk = 0, mrest = 0;
    for (;;) {
        if (summary.steps == maxSteps) {
            summary.end = WalkEnd::StepLimit;
            return summary;
        }
        detail::EuclidStep(mp, mq, variant, mk, mrest);
        sink.Quotient(mk);
        ++summary.steps;
        mp = mq;
        mq = mrest;
        if (mq == 0) {
            summary.end = WalkEnd::Rational;
            return summary;
        }
    }
}

}  // namespace tamsel::exact
