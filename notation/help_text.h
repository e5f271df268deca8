// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "notation/drawing_surface.h"

namespace tamsel {

// The fifteen lines of the start-up help text; an empty line is a print
// without text.
extern const std::array<const char*, 15> kHelpTextLines;

// Prints the help text from the drawing area's top left corner, one line
// per print, each print ending its line.
void PrintHelpText(DrawingSurface& area);

}  // namespace tamsel
