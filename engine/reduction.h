// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "engine/expansion_state.h"

namespace tamsel {

// Divides koeff, abs and nenner of the current quadratic irrational by the
// greatest common divisor of their rounded values, unless the smallest of
// the three magnitudes rounds to 0. Signs stay; wurzel is not touched.
// Throws RunFailure when a value it has to test lies outside the 32-bit
// range.
void ReduceByCommonDivisor(ExpansionState& s);

// For a quadratic irrational without root part: makes abs and nenner
// non-negative when abs is negative, then divides both by their greatest
// common divisor (when the smaller of the two rounds to at least 1).
void ReduceAbsNenner(ExpansionState& s);

// The smallest step i from 1 to n whose recorded koeff, abs and nenner equal
// the arguments; 0 when there is none.
std::int32_t FindEarlierStep(const ExpansionState& s, double koeff, double abs, std::int32_t nenner);

}  // namespace tamsel
