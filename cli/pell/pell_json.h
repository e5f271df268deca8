// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "cli/pell/pell_fields.h"
#include "notation/pell_facts.h"

namespace tamsel {

// One JSON object on one line with the keys of `fields`: "line", "d",
// "periodLength", "pell" and "negativePell" ({"x": …, "y": …} or null),
// "unit" ({"x", "y", "norm"}: x + y sqrt(D)), "regulator" (a string of
// significant digits), and the same for the order of discriminant D
// ("periodLengthOrderD", "pellFour", "negativePellFour", "unitOrderD" with
// (x + y sqrt(D)) / 2, "regulatorOrderD"; null unless D = 1 (mod 4)).
void WritePellJson(std::ostream& out, const PellFacts& facts, const PellFields& fields, std::uint64_t line);

// {"line", "d", "n", "classes"} or, with `listing`, "solutions" instead of
// "classes": lists of {"x", "y"}.
void WriteNormJson(std::ostream& out, const mpz_class& d, const mpz_class& n, const std::vector<PellPair>& solutions,
                   bool listing, std::uint64_t line);

}  // namespace tamsel
