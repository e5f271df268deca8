// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tamsel::serif {

// The metrics of the drawing's serif face, Times New Roman, and of Liberation
// Serif, which has the same advance widths and vertical metrics, in font
// units. They let the drawing lay out texts without asking a font system.
inline constexpr int kUnitsPerEm = 2048;
inline constexpr int kAscender = 1825;  // above the baseline
inline constexpr int kDescender = 443;  // below the baseline
inline constexpr int kLineGap = 87;     // between one line's descent and the next one's ascent

// The advance width of one character: printable ASCII and Latin-1 from the
// table, any other character that of a digit.
int AdvanceUnits(char32_t c);

// The advance of a UTF-8 text at a size of pixelSize pixels per em, without
// kerning (the drawing's texts hold no kerned pair).
double TextAdvance(std::string_view utf8, double pixelSize);

// Ascent, descent and line height (ascent, descent and line gap) at
// pixelSize pixels per em.
double Ascent(double pixelSize);
double Descent(double pixelSize);
double LineHeight(double pixelSize);

}  // namespace tamsel::serif
