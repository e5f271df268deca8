// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "engine/fraction.h"
#include "notation/text_holder.h"

namespace tamsel {

// The list of approximating fractions: per fraction the numerator's number
// text and CR LF, "/" with the denominator's number text and CR LF, and an
// empty line; the first fraction at the top.
std::string FractionListText(const std::vector<Fraction>& fractions);

// Replaces the box's text by the list.
void ShowFractionList(TextHolder& box, const std::vector<Fraction>& fractions);

}  // namespace tamsel
