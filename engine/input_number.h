// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <variant>

#include "engine/run_failure.h"

namespace tamsel {

// How an input box's text is read. Blanks, tabs and line feeds are dropped
// wherever they stand; then an optional sign, digits, an optional full stop
// with more digits and an optional exponent (E or e, optional sign, digits)
// are read from the start, and the rest is ignored. A text that does not
// begin with a number reads as 0.

// The number the text stands for; no value beyond the double range.
std::optional<double> ReadInputNumber(std::string_view text);

// Whether the whole text (blanks aside) is the number that is read, so that
// nothing of it is ignored.
bool IsWhollyANumber(std::string_view text);

// The number a run takes from an input box: only a whole number that a
// double holds exactly ("3.0", "1e3" and "1e22" are such numbers, "0.5"
// and "9007199254740993" are not). Otherwise the reason it is refused.
std::variant<double, FailureReason> ReadWholeInput(std::string_view text);

}  // namespace tamsel
