// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <gmpxx.h>

namespace tamsel::exact {

// What an expansion walk hands to its sink, step by step. A sink derives
// from this and hides what it needs:
//  - Quotient(k): the quotient of the next step, as a machine integer when it
//    fits, otherwise as a big one;
//  - State(abs, nenner): when kWantsStates is true, every x met, before its
//    quotient: (abs + sqrt(d)) / nenner for an irrational x in its whole-
//    number form, abs / nenner for a rational one. Asking for states keeps
//    the walk in big integers throughout.
struct QuotientSink {
    static constexpr bool kWantsStates = false;
    void Quotient(std::int64_t /*k*/) {}
    void Quotient(const mpz_class& /*k*/) {}
    void State(const mpz_class& /*abs*/, const mpz_class& /*nenner*/) {}
};

}  // namespace tamsel::exact
