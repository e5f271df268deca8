// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ostream>

#include <gmpxx.h>

#include "cli/exact_mode/block_writer.h"

namespace tamsel {

// Writes a whole number as JSON: a number while its magnitude is below 2^53
// (JSON's safe integers, which every reader holds exactly), a string of its
// digits from 2^53 on.
void WriteJsonInteger(std::ostream& out, std::int64_t v);
void WriteJsonInteger(std::ostream& out, const mpz_class& v);
inline void WriteJsonInteger(BlockWriter& out, std::int64_t v) {
    // From 2^53 on (either sign) a double may round a neighbour onto the number.
    constexpr std::int64_t kFirstUnsafe = std::int64_t{1} << 53;
    const bool quoted = v >= kFirstUnsafe || v <= -kFirstUnsafe;
    if (quoted) out.Char('"');
    out.Integer(v);
    if (quoted) out.Char('"');
}
void WriteJsonInteger(BlockWriter& out, const mpz_class& v);

}  // namespace tamsel
