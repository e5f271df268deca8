// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tamsel {

// Converts v to a signed 32-bit integer, rounding to the nearest whole
// number with halves to the even neighbour. Throws RunFailure when the
// rounded value lies outside the 32-bit range (or v is not a number).
std::int32_t ToInt32(double v);

}  // namespace tamsel
