// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/int32_conversion.h"

#include <cmath>

#include "engine/run_failure.h"

namespace tamsel {

std::int32_t ToInt32(double v) {
    // The default rounding mode rounds halves to the even neighbour.
    const double r = std::nearbyint(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw RunFailure{FailureReason::Int32Overflow};
    return static_cast<std::int32_t>(r);
}

}  // namespace tamsel
