// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "notation/drawing_style.h"
#include "notation/drawing_surface.h"

namespace tamsel {

struct SvgColours {
    Rgb ink;
    Rgb background;
};

// Black on white, for printing.
inline constexpr SvgColours kPrintColours{{0, 0, 0}, {255, 255, 255}};
// The window's colours.
inline constexpr SvgColours kWindowColours{kDrawingInk, kDrawingBackground};

// The window's drawing area on a screen of 1024 × 768 pixels.
inline constexpr int kDefaultPictureWidth = 840;
inline constexpr int kDefaultPictureHeight = 507;

// A drawing area that writes SVG: an area of width × height pixels in the
// drawing area's units, texts in the serif face at the drawing's type size
// and one-pixel lines. The picture
// keeps the area's size unless something drawn reaches beyond its right or
// bottom edge; it then grows there, so that nothing drawn is cut off.
class SvgSurface : public DrawingSurface {
public:
    SvgSurface(int width, int height, SvgColours colours);

    void Erase() override;
    DrawPoint Position() const override { return position_; }
    void SetPosition(DrawPoint p) override { position_ = p; }
    void Print(const std::string& text, PrintEnd end) override;
    void DrawLine(DrawPoint from, DrawPoint to) override;

    int PictureWidth() const;
    int PictureHeight() const;
    // The complete SVG document (UTF-8, lines ending in "\n").
    std::string Document() const;

private:
    double PixelsAcross(float x) const;
    double PixelsDown(float y) const;
    void Reach(double right, double bottom);

    int width_;
    int height_;
    SvgColours colours_;
    DrawPoint position_;
    std::vector<std::string> lines_;
    std::vector<std::string> texts_;
    // How far right and down the drawing reaches, in pixels.
    double right_ = 0;
    double bottom_ = 0;
};

}  // namespace tamsel
