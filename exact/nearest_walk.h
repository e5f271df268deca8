// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The nearest-integer expansion x = a0 + e1/(a1 + e2/(a2 + ...)) with
// e = +-1: each quotient is the integer nearest to x, ties going down
// (a = ceil(x - 1/2)), and the rest x - a in [-1/2, 1/2) goes on as
// e / x' with x' >= 2, so every later a is at least 2. The quotients are
// handed on signed, each later one with the sign of the numerator before
// it: 13/8 gives 2, -3, -3 for 2 - 1/(3 - 1/3).
//
// An irrational x = (p + sqrt(d)) / q stays in that form (q dividing
// d - p^2) and its expansion becomes periodic; the period is found exactly,
// by Brent's cycle search on the states (p, q), in constant memory.

#include <cstdint>
#include <functional>

#include <gmpxx.h>

#include "exact/start_value.h"
#include "exact/walk_summary.h"

namespace tamsel::exact {

using SignedQuotientFn = std::function<void(const mpz_class& signedQuotient)>;
// (abs, nenner) of every x met, before its quotient, as QuotientSink::State.
using StateFn = std::function<void(const mpz_class& abs, const mpz_class& nenner)>;

// Expands x until it ends (rational), its period closes or `maxSteps`
// quotients are out. A periodic run hands over the quotients before the
// period and the period once, as the other walks do.
WalkSummary WalkNearestWith(const StartValue& x, std::uint64_t maxSteps, const SignedQuotientFn& quotient,
                            const StateFn& state);

template <class Sink>
WalkSummary WalkNearest(const StartValue& x, std::uint64_t maxSteps, Sink& sink) {
    const SignedQuotientFn quotient = [&sink](const mpz_class& k) {
        if (mpz_fits_slong_p(k.get_mpz_t()) != 0) {
            sink.Quotient(static_cast<std::int64_t>(mpz_get_si(k.get_mpz_t())));
        } else {
            sink.Quotient(k);
        }
    };
    if constexpr (Sink::kWantsStates) {
        return WalkNearestWith(x, maxSteps, quotient,
                               [&sink](const mpz_class& abs, const mpz_class& nenner) { sink.State(abs, nenner); });
    } else {
        return WalkNearestWith(x, maxSteps, quotient, nullptr);
    }
}

}  // namespace tamsel::exact
