// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <variant>

#include "exact/irrational_walk.h"
#include "exact/rational_walk.h"
#include "exact/start_value.h"
#include "exact/walk_summary.h"

namespace tamsel::exact {

// Expands x, handing every quotient (and, if asked, every x met) to the
// sink, until it ends or `maxSteps` quotients are out. Deterministic: a
// second walk gives the same quotients.
template <class Sink>
WalkSummary WalkExpansion(const StartValue& x, bool variant, std::uint64_t maxSteps, Sink& sink) {
    if (const auto* rational = std::get_if<RationalStart>(&x)) {
        return WalkRational(*rational, variant, maxSteps, sink);
    }
    return WalkIrrational(std::get<QuadraticStart>(x), variant, maxSteps, sink);
}

}  // namespace tamsel::exact
