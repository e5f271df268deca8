// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "notation/exported_expansion.h"

namespace tamsel {

inline constexpr int kDefaultLatexDepth = 6;
// Deeper fractions exceed what TeX can nest.
inline constexpr int kMaxLatexDepth = 100;

struct LatexOptions {
    int depth = kDefaultLatexDepth;  // levels of the nested fraction, 1 to kMaxLatexDepth
    bool standalone = false;         // a complete document instead of a fragment
};

// The expansion as LaTeX (amsmath), in three displays: the nested fraction
// with \cfrac to `depth` levels (continuing a period), closed by \dotsb
// unless a rational x ends within them; the bracket notation with the period
// under \overline; the first `depth` approximating fractions. An expansion
// that broke off ends in \dotsb and \dotsc. Without any quotient the fragment
// is a comment that says so. Lines end in "\n".
std::string LatexNotation(const ExportedExpansion& expansion, const LatexOptions& options);

}  // namespace tamsel
