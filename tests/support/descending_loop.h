// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reference for the reductions, shared by their tests and benchmark.

#include <cmath>
#include <cstdint>

#include "engine/expansion_state.h"

namespace tamsel::test {

// The reductions as the usual algorithm words them: t runs down from the
// smallest magnitude to 1, and every t is tested against all values as they
// are at that moment. Each test converts its value to a 32-bit integer,
// rounding halves to the even neighbour; a value outside the range fails.
// The tests do not stop early: all values are converted in every iteration.
struct LoopOverflow {};

inline std::int32_t LiteralToInt32(double v) {
    double r = std::floor(v);
    const double rest = v - r;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw LoopOverflow{};
    return static_cast<std::int32_t>(r);
}

inline bool LiteralDivides(std::int32_t t, double v) { return LiteralToInt32(v) % t == 0; }

inline void LiteralReduceByCommonDivisor(ExpansionState& s) {
    double m = std::fabs(s.koeff);
    if (std::fabs(s.abs) < m) m = std::fabs(s.abs);
    if (std::fabs(s.nenner) < m) m = std::fabs(s.nenner);
    for (std::int32_t t = LiteralToInt32(m); t >= 1; --t) {
        const bool k = LiteralDivides(t, s.koeff);
        const bool a = LiteralDivides(t, s.abs);
        const bool c = LiteralDivides(t, s.nenner);
        if (k & a & c) {
            s.koeff = s.koeff / t;
            s.abs = s.abs / t;
            s.nenner = s.nenner / t;
        }
    }
}

inline void LiteralReduceAbsNenner(ExpansionState& s) {
    if (s.abs < 0) {
        s.abs = std::fabs(s.abs);
        s.nenner = std::fabs(s.nenner);
    }
    double m = s.abs;
    if (s.nenner < m) m = s.nenner;
    for (std::int32_t t = LiteralToInt32(m); t >= 1; --t) {
        const bool a = LiteralDivides(t, s.abs);
        const bool c = LiteralDivides(t, s.nenner);
        if (a & c) {
            s.abs = s.abs / t;
            s.nenner = s.nenner / t;
        }
    }
}

}  // namespace tamsel::test
