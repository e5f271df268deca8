// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ostream>

#include <gmpxx.h>

namespace tamsel {

// Writes a whole number as JSON: a number while its magnitude is below 2^53
// (JSON's safe integers, which every reader holds exactly), a string of its
// digits from 2^53 on.
void WriteJsonInteger(std::ostream& out, std::int64_t v);
void WriteJsonInteger(std::ostream& out, const mpz_class& v);

}  // namespace tamsel
