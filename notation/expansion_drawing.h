// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include <gmpxx.h>

#include "notation/drawing_surface.h"

namespace tamsel {

// The most steps a drawing shows, as many as a run in the window records.
inline constexpr int kMaxDrawnSteps = 100;

// Draws a whole expansion from its quotients, as a run draws it step by step:
// the area erased, " x  = ", the first min(n, 100) quotients with their bars
// and signs, and the period mark when the period (the quotients from step
// periodStart to the last one, 1-based) closes within the drawn steps.
void DrawExpansion(DrawingSurface& area, std::span<const mpz_class> quotients, std::optional<std::int32_t> periodStart,
                   bool variant);

}  // namespace tamsel
