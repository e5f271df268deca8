// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include <gmpxx.h>

namespace tamsel::latex {

// Widths in points at the article class's 10 pt type, estimated generously
// from digit counts. A line of an article page is 345 pt wide; what cannot
// break stays within kLineBudget.
inline constexpr double kLineBudget = 320;
inline constexpr double kDigitWidth = 5;
inline constexpr double kMinusWidth = 7.8;
// A binary sign with its spaces, and "=" with its spaces.
inline constexpr double kSignWidth = 13.4;
inline constexpr double kEqualsWidth = 13.9;
// The letter x, and how far a fraction bar reaches beyond its longer number.
inline constexpr double kXWidth = 5.7;
inline constexpr double kBarOverhang = 2.4;

// The width of the digits (and the sign) of v.
double NumberWidth(const mpz_class& v);
// Whether v may be written where the line cannot break.
bool FitsTheLine(const mpz_class& v);

// The digits of v in groups of three from the right, with a thin space and a
// break allowed between groups; each group under a bar when `overlined`.
// For math mode.
std::string BreakableNumber(const mpz_class& v, bool overlined = false);
// v as it fits: plain digits (under one bar when `overlined`) when it fits
// the line, else BreakableNumber.
std::string LatexNumber(const mpz_class& v, bool overlined = false);

// x with index i, "x_{i}", and its width.
std::string IndexedX(std::size_t i);
double IndexedXWidth(std::size_t i);

// Math that can break between its entries, as a left-aligned paragraph.
std::string BreakableLine(const std::string& math);
// Math that fits the line, as a display.
std::string Display(const std::string& math);

}  // namespace tamsel::latex
