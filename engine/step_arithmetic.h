// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/expansion_host.h"
#include "engine/expansion_state.h"
#include "engine/quad_irrational.h"

namespace tamsel {

// Checks the parameters just read: throws RunFailure for a negative
// radicand, a denominator 0 or an overflow; returns whether x < 0.
bool IsNegative(const QuadIrrational& x);

// The integer pulled out of the current quadratic irrational: its floor, or
// with the variant its ceiling. Throws RunFailure when x cannot be formed.
double PullOutInteger(const ExpansionState& s, const VariantFlag& check1);

// The next quadratic irrational from the parameters at the start of the
// step and the pulled-out k: 1 / (x - k), or with the variant 1 / (k - x).
void AdvanceQuadIrrational(ExpansionState& s, double k, const VariantFlag& check1);

}  // namespace tamsel
