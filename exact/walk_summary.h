// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tamsel::exact {

// How an expansion ended: a rational x when a denominator became 0, an
// irrational one when its period closed, or either at the step limit.
enum class WalkEnd { Rational, Period, StepLimit };

struct WalkSummary {
    WalkEnd end = WalkEnd::Rational;
    // The number of quotients pulled out.
    std::uint64_t steps = 0;
    // The first step of the period and its length; 0 unless end is Period.
    std::uint64_t periodStart = 0;
    std::uint64_t periodLength = 0;
};

// The longest run a caller may ask for.
inline constexpr std::uint64_t kMostSteps = 1'000'000'000;

}  // namespace tamsel::exact
