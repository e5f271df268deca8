// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "cli/pell/pell_fields.h"
#include "notation/pell_facts.h"

namespace tamsel {

// One JSON object on one line with the keys of `fields`: "line", "d",
// "periodLength", "pell" and "negativePell" ({"x": …, "y": …} or null),
// "unit" ({"x", "y", "norm"}: x + y sqrt(D)), "regulator" (a string of
// significant digits), and the same for the order of discriminant D
// ("periodLengthOrderD", "pellFour", "negativePellFour", "unitOrderD" with
// (x + y sqrt(D)) / 2, "regulatorOrderD"; null unless D = 1 (mod 4)). With
// `file`, the object starts with "file": its name.
void WritePellJson(std::ostream& out, const PellFacts& facts, const PellFields& fields, std::uint64_t line,
                   const std::string* file = nullptr);

// {"line", "d", "n", "classes"} or, with `listing`, "solutions" instead of
// "classes": lists of {"x", "y"}; "line" only for a line above 0, and
// "file" first with `file`.
void WriteNormJson(std::ostream& out, const mpz_class& d, const mpz_class& n, const std::vector<PellPair>& solutions,
                   bool listing, std::uint64_t line, const std::string* file = nullptr);

}  // namespace tamsel
