// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/reduction.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/int32_conversion.h"

namespace tamsel {

// Both reductions divide by the largest whole t from the smallest magnitude
// down to 1 that divides all rounded values. That t is the greatest common
// divisor of the rounded values: it divides the rounded smallest value, so
// it never exceeds the starting point. After the division the rounded
// values are the exact quotients, whose only common divisor is 1, so no
// further division happens. Euclid finds it in logarithmic time.

void ReduceByCommonDivisor(ExpansionState& s) {
    double m = std::fabs(s.koeff);
    if (std::fabs(s.abs) < m) m = std::fabs(s.abs);
    if (std::fabs(s.nenner) < m) m = std::fabs(s.nenner);
    if (ToInt32(m) < 1) return;

    const std::int64_t k = ToInt32(s.koeff);
    const std::int64_t a = ToInt32(s.abs);
    const std::int64_t c = ToInt32(s.nenner);
    const double t = static_cast<double>(std::gcd(std::gcd(k, a), c));
    s.koeff = s.koeff / t;
    s.abs = s.abs / t;
    s.nenner = s.nenner / t;
}

void ReduceAbsNenner(ExpansionState& s) {
    if (s.abs < 0) {
        s.abs = std::fabs(s.abs);
        s.nenner = std::fabs(s.nenner);
    }
    double m = s.abs;
    if (s.nenner < m) m = s.nenner;
    if (ToInt32(m) < 1) return;

    const std::int64_t a = ToInt32(s.abs);
    const std::int64_t c = ToInt32(s.nenner);
    const double t = static_cast<double>(std::gcd(a, c));
    s.abs = s.abs / t;
    s.nenner = s.nenner / t;
}

std::int32_t FindEarlierStep(const ExpansionState& s, double koeff, double abs, std::int32_t nenner) {
    const int last = std::min<int>(s.n, kLastRecordableStep);
    for (int i = 1; i <= last; ++i) {
        if (s.koeffHistory[i] == koeff && s.absHistory[i] == abs && s.nennerHistory[i] == nenner) {
            return i;
        }
    }
    return 0;
}

}  // namespace tamsel
