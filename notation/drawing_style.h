// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tamsel {

// The look of the drawing area, the same in the window and in its SVG
// pictures.

// The area's own units: (0, 0) at the top left, (kDrawingUnitsAcross,
// kDrawingUnitsDown) at the bottom right, whatever its size in pixels.
inline constexpr double kDrawingUnitsAcross = 100;
inline constexpr double kDrawingUnitsDown = 60;

struct Rgb {
    unsigned char r = 0;
    unsigned char g = 0;
    unsigned char b = 0;
};

// Light yellow on navy.
inline constexpr Rgb kDrawingInk{255, 255, 192};
inline constexpr Rgb kDrawingBackground{0, 0, 64};

// The type size of the texts drawn, in the serif face: 14.25 pt, which is
// 19 pixels at 96 pixels per inch.
inline constexpr double kDrawingFontPoints = 14.25;
inline constexpr double kDrawingFontPixels = kDrawingFontPoints * 96 / 72;

}  // namespace tamsel
