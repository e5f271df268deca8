// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ostream>

#include <gmpxx.h>

namespace tamsel {

// Writes a whole number as JSON: a number while its magnitude is at most
// 2^53 (where every reader holds it exactly), a string of its digits beyond.
void WriteJsonInteger(std::ostream& out, std::int64_t v);
void WriteJsonInteger(std::ostream& out, const mpz_class& v);

}  // namespace tamsel
