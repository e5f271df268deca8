// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/expansion_host.h"
#include "engine/expansion_state.h"
#include "engine/quad_irrational.h"

namespace tamsel {

// All three work exactly on the whole parameters of a run, whatever their
// size; a result that changes x must stay within 2^53, or the run fails.

// Checks the parameters just read: throws RunFailure for a negative
// radicand or a denominator 0; returns whether x < 0.
bool IsNegative(const QuadIrrational& x);

// The integer pulled out of the current quadratic irrational: its floor, or
// with the variant its ceiling.
double PullOutInteger(const ExpansionState& s, const VariantFlag& variant);

// The next quadratic irrational from the parameters at the start of the
// step and the pulled-out k: 1 / (x - k), or with the variant 1 / (k - x).
void AdvanceQuadIrrational(ExpansionState& s, double k, const VariantFlag& variant);

}  // namespace tamsel
