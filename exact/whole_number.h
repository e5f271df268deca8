// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include <gmpxx.h>

namespace tamsel::exact {

// A whole number of any size: blanks (space, TAB, CR, LF) around it, an
// optional sign, then one or more decimal digits. Anything else, a blank
// inside the number included, gives no value.
std::optional<mpz_class> ReadWholeNumber(std::string_view text);

// Whether d is the square of a whole number; `root` is then that number, and
// floor(sqrt(d)) for any other d >= 0.
bool IsSquare(const mpz_class& d, mpz_class& root);

}  // namespace tamsel::exact
