// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <gmpxx.h>

#include "engine/expansion_host.h"
#include "notation/drawing_surface.h"

namespace tamsel {

// The expansion drawn as a staircase of fraction bars: " x  = " and the first
// quotient on row 3, each further quotient one column (5) to the right and
// one row (3) lower under a bar, "  + 1" or "  - 1" behind the one before.

// Erases the area; the drawing position returns to (0, 0).
void ClearDrawing(DrawingSurface& area);
// Prints " x  = " at the left edge of row 3.
void DrawFractionHead(DrawingSurface& area);
// Draws step n with quotient k: for n > 1 the bar and the sign behind the
// previous quotient (the variant switch is read when the sign is drawn), then
// the quotient at (5n, 3n).
void DrawStep(DrawingSurface& area, int n, const mpz_class& k, const VariantFlag& variant);
// Draws the slanting period line from below the quotient of step p to two
// rows below where the last quotient's print ended, and "Periode" there.
void DrawPeriodMark(DrawingSurface& area, std::int32_t p);

}  // namespace tamsel
