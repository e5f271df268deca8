// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/serif_metrics.h"

#include <array>

#include "notation/utf8_text.h"

namespace tamsel::serif {

namespace {

// Advance widths in font units per em, read from the horizontal metrics of
// /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf (Debian
// 12, fonts-liberation 1:1.07.4) through its Unicode character map; the
// vertical metrics above are that font's horizontal header (ascender,
// descender, line gap) and its units per em from the font header.

// U+0020 to U+007E.
constexpr std::array<short, 95> kAscii{
    512,  682,  836,  1024, 1024, 1706, 1593, 369,  682,  682,  1024, 1155, 512,  682,  512,  569,   //
    1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 569,  569,  1155, 1155, 1155, 909,   //
    1886, 1479, 1366, 1366, 1479, 1251, 1139, 1479, 1479, 682,  797,  1479, 1251, 1821, 1479, 1479,  //
    1139, 1479, 1366, 1139, 1251, 1479, 1479, 1933, 1479, 1479, 1251, 682,  569,  682,  961,  1024,  //
    682,  909,  1024, 909,  1024, 909,  682,  1024, 1024, 569,  569,  1024, 569,  1593, 1024, 1024,  //
    1024, 1024, 682,  797,  569,  1024, 1024, 1479, 1024, 1024, 909,  983,  410,  983,  1108,
};

// U+00A0 to U+00FF.
constexpr std::array<short, 96> kLatin1{
    512,  682,  1024, 1024, 1024, 1024, 410,  1024, 682,  1556, 565,  1024, 1155, 682,  1556, 1024,  //
    819,  1124, 614,  614,  682,  1180, 928,  512,  682,  614,  635,  1024, 1536, 1536, 1536, 909,   //
    1479, 1479, 1479, 1479, 1479, 1479, 1821, 1366, 1251, 1251, 1251, 1251, 682,  682,  682,  682,   //
    1479, 1479, 1479, 1479, 1479, 1479, 1479, 1155, 1479, 1479, 1479, 1479, 1479, 1479, 1139, 1024,  //
    909,  909,  909,  909,  909,  909,  1366, 909,  909,  909,  909,  909,  569,  569,  569,  569,   //
    1024, 1024, 1024, 1024, 1024, 1024, 1024, 1124, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024,
};

constexpr int kDigitAdvance = 1024;

double Scaled(double units, double pixelSize) { return units * pixelSize / kUnitsPerEm; }

}  // namespace

int AdvanceUnits(char32_t c) {
    if (c >= 0x20 && c <= 0x7E) return kAscii[c - 0x20];
    if (c >= 0xA0 && c <= 0xFF) return kLatin1[c - 0xA0];
    return kDigitAdvance;
}

double TextAdvance(std::string_view utf8, double pixelSize) {
    double units = 0;
    for (const char32_t c : DecodeUtf8(utf8)) units += AdvanceUnits(c);
    return Scaled(units, pixelSize);
}

double Ascent(double pixelSize) { return Scaled(kAscender, pixelSize); }

double Descent(double pixelSize) { return Scaled(kDescender, pixelSize); }

double LineHeight(double pixelSize) { return Scaled(kAscender + kDescender + kLineGap, pixelSize); }

}  // namespace tamsel::serif
