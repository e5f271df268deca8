// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The widths, in bits of magnitude, at which the exact walks move between
// 64-bit integers, 128-bit integers and GMP. Every walk names its width
// here, with the reason for it.

namespace tamsel::exact::detail {

// A signed machine integer of 64 or 128 bits holds every magnitude below
// 2^63 or 2^127: the widest value that can be taken over as it is.
inline constexpr unsigned kHeldBy64 = 63;
inline constexpr unsigned kHeldBy128 = 127;

// The irrational walk checks every operation and widens on overflow, so a
// narrower tier is only a matter of speed. It moves down only when p, q
// and the q before have 3 bits to spare, so that the values can grow for a
// while before the next step fails: otherwise a walk at the border would
// switch back and forth at every step.
inline constexpr unsigned kTierMargin = 3;
inline constexpr unsigned kRoomyIn64 = kHeldBy64 - kTierMargin;    // 60
inline constexpr unsigned kRoomyIn128 = kHeldBy128 - kTierMargin;  // 124

// The rational walk's Euclid step in 64 bits is not checked: it forms the
// quotient plus or minus one and the remainder plus the divisor, which need
// one bit more than p and q.
inline constexpr unsigned kEuclidIn64 = kHeldBy64 - 1;  // 62

}  // namespace tamsel::exact::detail
