// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The expansion of an irrational x = (p + sqrt(d)) / q.
//
// With s = floor(sqrt(d)) the quotient is floor((p + s) / q) for q > 0 and
// -floor((p + s) / |q|) - 1 for q < 0 (sqrt(d) is irrational, so x is never
// whole); the variant takes one more. Then p' = k q - p, and the usual
// algorithm has q' = (d - p'^2) / q, the variant q' = (p'^2 - d) / q. Both
// follow without a division from the q before: with q q_before = d - p^2
// (usual) and p + p' = k q,
//     q' = q_before + k (p - p')    (usual),
//     q' = q_before - k (p - p')    (variant, where q q_before = p^2 - d).
// The walk computes in the narrowest integers that hold the step: 64 bits,
// 128 bits or GMP, moving down again when the values shrink, as they do
// after the first steps (p and q then stay below 2 sqrt(d)).

#include <cstdint>

#include "exact/start_value.h"
#include "exact/tier_walk.h"
#include "exact/tier_widths.h"
#include "exact/walk_summary.h"

namespace tamsel::exact {

namespace detail {

enum class Tier { Bits64, Bits128, Big };

using BigState = TierState<mpz_class>;

inline bool Roomy(const BigState& x, unsigned bits) {
    return MagnitudeBelow(x.p, bits) && MagnitudeBelow(x.q, bits) && MagnitudeBelow(x.before, bits);
}

template <class T>
TierState<T> ToMachine(const BigState& x) {
    return {static_cast<T>(ToInt128(x.p)), static_cast<T>(ToInt128(x.q)), static_cast<T>(ToInt128(x.before))};
}

template <class T>
void FromMachine(const TierState<T>& x, BigState& big) {
    AssignInt128(big.p, x.p);
    AssignInt128(big.q, x.q);
    AssignInt128(big.before, x.before);
}

// Walks in the narrowest tier that holds the values.
template <bool kVariant, class Sink>
void RunNarrowestTiers(BigState& x, const mpz_class& s, IrrationalProgress& w, Sink& sink) {
    const bool sIn64 = MagnitudeBelow(s, kRoomyIn64);
    const bool sIn128 = MagnitudeBelow(s, kRoomyIn128);
    const auto narrowest = [&] {
        if (sIn64 && Roomy(x, kRoomyIn64)) return Tier::Bits64;
        if (sIn128 && Roomy(x, kRoomyIn128)) return Tier::Bits128;
        return Tier::Big;
    };
    Tier tier = narrowest();
    for (;;) {
        TierExit exit = TierExit::Done;
        if (tier == Tier::Bits64) {
            TierState<std::int64_t> machine = ToMachine<std::int64_t>(x);
            exit = RunTier<kVariant>(machine, static_cast<std::int64_t>(ToInt128(s)), w, sink, false);
            FromMachine(machine, x);
            // A step that does not fit in 64 bits is taken in 128 bits.
            tier = sIn128 ? Tier::Bits128 : Tier::Big;
        } else if (tier == Tier::Bits128) {
            TierState<Int128> machine = ToMachine<Int128>(x);
            exit = RunTier<kVariant>(machine, ToInt128(s), w, sink, sIn64);
            FromMachine(machine, x);
            tier = exit == TierExit::Shrink ? Tier::Bits64 : Tier::Big;
        } else {
            exit = RunTier<kVariant>(x, s, w, sink, sIn128);
            tier = narrowest();
        }
        if (exit == TierExit::Done) return;
    }
}

// A sink that wants the states sees them in big integers throughout.
template <bool kVariant, class Sink>
void RunTiers(BigState& x, const mpz_class& s, IrrationalProgress& w, Sink& sink) {
    if constexpr (Sink::kWantsStates) {
        RunTier<kVariant>(x, s, w, sink, false);
    } else {
        RunNarrowestTiers<kVariant>(x, s, w, sink);
    }
}

}  // namespace detail

// Expands x until its period closes or `maxSteps` quotients are out.
template <class Sink>
WalkSummary WalkIrrational(const QuadraticStart& start, bool variant, std::uint64_t maxSteps, Sink& sink) {
    detail::IrrationalProgress w;
    w.maxSteps = maxSteps;
    detail::BigState x{start.p, start.q, DenominatorBeforeStart(start, variant)};
    if (variant) {
        detail::RunTiers<true>(x, start.rootFloor, w, sink);
    } else {
        detail::RunTiers<false>(x, start.rootFloor, w, sink);
    }

    WalkSummary summary;
    summary.steps = w.steps;
    if (w.closed) {
        summary.end = WalkEnd::Period;
        summary.periodStart = w.periodStart;
        summary.periodLength = w.steps - w.periodStart + 1;
    } else {
        summary.end = WalkEnd::StepLimit;
    }
    return summary;
}

}  // namespace tamsel::exact
