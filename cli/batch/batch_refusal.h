// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace tamsel {

// Why the batch refused a line, as a stable English word for programs:
// "field-count" (not four words), "not-a-number" (a word is not a whole
// number in decimal digits), "non-whole-input" (a number with a fraction),
// "negative-radicand" (WURZEL < 0) or "zero-denominator" (NENNER = 0). The
// words the window mode also knows mean the same there.
inline constexpr const char* kFieldCountRefusal = "field-count";

// The word for four number texts that the batch does not take.
const char* RefusalOfNumbers(const std::array<std::string_view, 4>& texts);

}  // namespace tamsel
