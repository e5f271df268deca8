// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <vector>

#include <gmpxx.h>

namespace tamsel::test {

// Quotients written as small numbers in a test's table.
inline std::vector<mpz_class> Quotients(std::initializer_list<long> values) {
    std::vector<mpz_class> quotients;
    for (const long v : values) quotients.emplace_back(v);
    return quotients;
}

}  // namespace tamsel::test
