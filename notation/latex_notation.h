// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "notation/exported_expansion.h"

namespace tamsel {

inline constexpr int kDefaultLatexDepth = 6;
// The most levels and fractions --depth asks for.
inline constexpr int kMaxLatexDepth = 100;

struct LatexOptions {
    int depth = kDefaultLatexDepth;  // levels of the nested fraction, 1 to kMaxLatexDepth
    bool standalone = false;         // a complete document instead of a fragment
};

// The expansion as LaTeX (amsmath) that fits an article page's line: the
// nested fraction with \cfrac to `depth` levels (continuing a period),
// closed by \dotsb unless a rational x ends within them, in as many displays
// as it needs; the bracket notation with the period's quotients under bars
// (the variant's in double brackets [\![ ]\!]); the first `depth`
// approximating fractions. The number expanded, where known, names the
// first line. Numbers too long for a line are written in text that breaks
// between groups of digits. An expansion that broke off ends in \dotsb and
// \dotsc. Without any quotient the fragment is a comment that says so.
// Lines end in "\n".
std::string LatexNotation(const ExportedExpansion& expansion, const LatexOptions& options);

}  // namespace tamsel
