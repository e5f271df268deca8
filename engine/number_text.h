// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <gmpxx.h>

namespace tamsel {

// The number an input box's text stands for. Blanks, tabs and line feeds are
// dropped wherever they stand; then an optional sign, digits, an optional
// full stop with more digits and an optional exponent (E or e, optional
// sign, digits) are read from the start, and the rest is ignored. A text
// that does not begin with a number reads as 0. A number beyond the double
// range gives no value.
std::optional<double> ReadInputNumber(std::string_view text);

// The text of a number in the run's outputs: a blank before a value that is
// not negative (negative zero included), a minus sign before a negative
// one. Whole values appear with all their digits; other values as the
// shortest decimal with a full stop that reads back to the same double.
std::string NumberText(double v);
std::string NumberText(const mpz_class& v);

// The text of a number written into an input box: like NumberText but
// without the leading blank.
std::string PlainNumberText(double v);

}  // namespace tamsel
