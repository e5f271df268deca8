// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

#include "notation/exported_expansion.h"

namespace tamsel::latex {

// The sign between the quotient of step `level` and the fraction under it:
// "+" for the regular expansion, "-" for the variant.
const char* SignAfterLevel(const ExportedExpansion& e, std::size_t level);

// What the nested fraction starts from: the number's name, or x.
struct LeftSide {
    std::string math;
    double width;  // in points
};

// The nested fraction to `levels` levels (continuing a period), closed by
// \dotsb unless it `endsExactly`. It is written with \cfrac in displays that
// fit the line: where the next level would not fit, a display ends in the
// complete quotient x_i and the next one goes on with x_i = …. A quotient
// too long for any display is written in breakable text, x_i = k_i + 1/x_{i+1}.
std::string NestedFractionLatex(const ExportedExpansion& e, std::size_t levels, bool endsExactly,
                                const LeftSide& start);

}  // namespace tamsel::latex
