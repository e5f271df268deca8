// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tamsel {

// A point of the drawing area in its own units (see drawing_style.h):
// (0, 0) top left, (100, 60) bottom right, y growing downwards.
struct DrawPoint {
    float x = 0;
    float y = 0;
    friend bool operator==(const DrawPoint&, const DrawPoint&) = default;
};

enum class PrintEnd {
    KeepRow,  // the drawing position moves to the end of the printed text
    EndLine,  // the drawing position moves to the left edge of the next text line
};

// The drawing area as the drawn notation and the help text see it: it keeps
// what is drawn, has one current drawing position, prints texts there and
// draws straight one-pixel lines.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    // Erases everything to the background; the drawing position becomes (0, 0).
    virtual void Erase() = 0;
    virtual DrawPoint Position() const = 0;
    virtual void SetPosition(DrawPoint p) = 0;
    // Prints text with its first character cell's top left at the drawing position.
    virtual void Print(const std::string& text, PrintEnd end) = 0;
    // Draws a line; the drawing position moves to its end point.
    virtual void DrawLine(DrawPoint from, DrawPoint to) = 0;
};

}  // namespace tamsel
