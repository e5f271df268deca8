// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "notation/exported_expansion.h"

namespace tamsel::latex {

// The number expanded as the LaTeX names it: the radicand as given, the
// common factor of koeff, abs and nenner divided out, the denominator
// positive, and without root when koeff or wurzel is 0 (710/226 is 355/113).
struct NumberName {
    std::string math;           // for a display: \sqrt{7}, \frac{1 + \sqrt{5}}{2}
    double width;               // of `math`, in points
    std::string breakableMath;  // the same in breakable text: (1 + \sqrt{5}) / 2
};

NumberName NameOf(const ExpandedNumber& number);

}  // namespace tamsel::latex
