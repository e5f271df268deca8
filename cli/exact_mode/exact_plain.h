// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ostream>

#include "cli/exact_mode/approximation_request.h"
#include "exact/exact_expansion.h"

namespace tamsel {

// How many quotients a run keeps at most; a longer period is walked again
// for its second listing, and fractions beyond them walk again too.
inline constexpr std::uint64_t kKeptQuotients = std::uint64_t{1} << 20;

// Runs the expansion and writes it as text: the bracket line in the window's
// form while the quotients are found, the period length, `convergents`
// approximating fractions p/q (with their errors when asked for), the
// sections of `approximations` and, with `trace`, the parameters of every x met
// (with `surdTrace` instead each complete quotient as a number).
void WriteExactPlain(std::ostream& out, const exact::ExactExpansion& expansion, std::uint64_t convergents, bool trace,
                     const ApproximationRequest& approximations = {}, bool surdTrace = false);

}  // namespace tamsel
