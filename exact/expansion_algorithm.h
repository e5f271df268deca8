// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tamsel::exact {

// The three algorithms: the floor, the ceiling (the variant) and the
// nearest integer at each step.
enum class ExpansionAlgorithm { Regular, Variant, Nearest };

}  // namespace tamsel::exact
