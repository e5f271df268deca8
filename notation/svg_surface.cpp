// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/svg_surface.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "notation/serif_metrics.h"
#include "notation/utf8_text.h"

namespace tamsel {

namespace {

// Where the picture grows, it keeps this much room behind the drawing, in
// the area's units.
constexpr double kGrowthMarginUnits = 2;
constexpr double kLineWidth = 1;

// A coordinate with at most three decimals and no trailing zeros.
std::string Number(double v) {
    const double rounded = std::round(v * 1000) / 1000;
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, rounded == 0 ? 0.0 : rounded, std::chars_format::fixed, 3);
    if (error != std::errc{}) return "0";
    std::string text(buffer, end);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string Hex(Rgb c) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text = "#";
    for (const unsigned char v : {c.r, c.g, c.b}) {
        text += kDigits[v >> 4];
        text += kDigits[v & 15];
    }
    return text;
}

// Characters that XML 1.0 does not allow become replacement characters.
bool AllowedInXml(char32_t c) {
    if (c < 0x20) return c == '\t' || c == '\n' || c == '\r';
    return !(c >= 0xD800 && c <= 0xDFFF) && c != 0xFFFE && c != 0xFFFF;
}

std::string EscapedXml(const std::u32string& text) {
    std::string escaped;
    for (const char32_t c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            default: AppendUtf8(escaped, AllowedInXml(c) ? c : kReplacementCharacter);
        }
    }
    return escaped;
}

bool Finite(DrawPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The side of the picture: the area's, or the drawing's reach and a margin
// where the drawing reaches further.
int Grown(int side, double reach, double margin) {
    constexpr double kLargest = 1e9;
    if (reach <= side) return side;
    return static_cast<int>(std::min(std::ceil(reach + margin), kLargest));
}

}  // namespace

SvgSurface::SvgSurface(int width, int height, SvgColours colours)
    : width_(std::max(width, 1)), height_(std::max(height, 1)), colours_(colours) {}

double SvgSurface::PixelsAcross(float x) const { return static_cast<double>(x) * width_ / kDrawingUnitsAcross; }

double SvgSurface::PixelsDown(float y) const { return static_cast<double>(y) * height_ / kDrawingUnitsDown; }

void SvgSurface::Reach(double right, double bottom) {
    right_ = std::max(right_, right);
    bottom_ = std::max(bottom_, bottom);
}

void SvgSurface::Erase() {
    lines_.clear();
    texts_.clear();
    right_ = 0;
    bottom_ = 0;
    position_ = {0, 0};
}

void SvgSurface::Print(const std::string& text, PrintEnd end) {
    const double advance = serif::TextAdvance(text, kDrawingFontPixels);
    if (Finite(position_)) {
        // Leading blanks become a shift of the text, so that no viewer can
        // drop them, and trailing ones are left out; blanks inside the text
        // are kept by xml:space.
        const std::size_t first = text.find_first_not_of(' ');
        if (first != std::string::npos) {
            const std::size_t inked = text.find_last_not_of(' ') + 1 - first;
            const double x = PixelsAcross(position_.x);
            const double top = PixelsDown(position_.y);
            const double shift = serif::TextAdvance(std::string_view(text).substr(0, first), kDrawingFontPixels);
            texts_.push_back("<text x=\"" + Number(x + shift) + "\" y=\"" +
                             Number(top + serif::Ascent(kDrawingFontPixels)) + "\" xml:space=\"preserve\">" +
                             EscapedXml(DecodeUtf8(std::string_view(text).substr(first, inked))) + "</text>");
            Reach(x + advance, top + serif::Ascent(kDrawingFontPixels) + serif::Descent(kDrawingFontPixels));
        }
    }
    if (end == PrintEnd::KeepRow) {
        position_.x += static_cast<float>(advance * kDrawingUnitsAcross / width_);
    } else {
        position_.x = 0;
        position_.y += static_cast<float>(serif::LineHeight(kDrawingFontPixels) * kDrawingUnitsDown / height_);
    }
}

void SvgSurface::DrawLine(DrawPoint from, DrawPoint to) {
    if (Finite(from) && Finite(to)) {
        const double x1 = PixelsAcross(from.x), y1 = PixelsDown(from.y);
        const double x2 = PixelsAcross(to.x), y2 = PixelsDown(to.y);
        lines_.push_back("<line x1=\"" + Number(x1) + "\" y1=\"" + Number(y1) + "\" x2=\"" + Number(x2) + "\" y2=\"" +
                         Number(y2) + "\"/>");
        Reach(std::max(x1, x2) + kLineWidth / 2, std::max(y1, y2) + kLineWidth / 2);
    }
    position_ = to;
}

int SvgSurface::PictureWidth() const {
    return Grown(width_, right_, kGrowthMarginUnits * width_ / kDrawingUnitsAcross);
}

int SvgSurface::PictureHeight() const {
    return Grown(height_, bottom_, kGrowthMarginUnits * height_ / kDrawingUnitsDown);
}

std::string SvgSurface::Document() const {
    const std::string w = std::to_string(PictureWidth());
    const std::string h = std::to_string(PictureHeight());
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" \"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
        w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
    svg +=
        "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"" + Hex(colours_.background) + "\"/>\n";
    if (!lines_.empty()) {
        svg += "<g stroke=\"" + Hex(colours_.ink) + "\" stroke-width=\"" + Number(kLineWidth) +
               "\" shape-rendering=\"crispEdges\">\n";
        for (const std::string& line : lines_) svg += line + "\n";
        svg += "</g>\n";
    }
    if (!texts_.empty()) {
        svg += "<g font-family=\"'Times New Roman', 'Liberation Serif', serif\" font-size=\"" +
               Number(kDrawingFontPixels) + "\" fill=\"" + Hex(colours_.ink) + "\">\n";
        for (const std::string& text : texts_) svg += text + "\n";
        svg += "</g>\n";
    }
    svg += "</svg>\n";
    return svg;
}

}  // namespace tamsel
