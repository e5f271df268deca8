// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include <gmpxx.h>

namespace tamsel {

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
