// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "exact/exact_expansion.h"
#include "notation/exported_expansion.h"

namespace tamsel {

// An exact run as the exports take it: its first quotients (as many as a
// drawing or a LaTeX fragment shows), its length and last quotient, how it
// ended, and its first `fractions` approximating fractions.
ExportedExpansion ExportOfExactRun(const exact::ExactExpansion& expansion, std::uint64_t fractions);

}  // namespace tamsel
