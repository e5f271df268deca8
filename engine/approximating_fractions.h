// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/expansion_host.h"
#include "engine/expansion_state.h"
#include "engine/fraction.h"

namespace tamsel {

// When the period was found before step 20, continues the quotients
// periodically up to step 20 and sets n to 20. Returns whether it did.
bool ExtendQuotientsPeriodically(ExpansionState& s, std::optional<std::int32_t> periodStart);

// The w-th approximating fraction, the continued fraction cut off after
// quotient(w), evaluated backwards from quotient(w) to quotient(1), exactly.
Fraction ApproximatingFraction(const ExpansionState& s, int w, const VariantFlag& variant);

// The approximating fractions at the end of a run, the first one first.
// `recorded` is the number of steps whose quotient the run recorded; only
// those are listed (after a periodic extension, all n).
std::vector<Fraction> ListApproximatingFractions(ExpansionState& s, std::optional<std::int32_t> periodStart,
                                                 int recorded, const VariantFlag& variant);

}  // namespace tamsel
