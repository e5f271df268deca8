// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json/json_integer.h"

#include <charconv>
#include <string>

namespace tamsel {

namespace {

constexpr std::int64_t kExactInDouble = std::int64_t{1} << 53;

}  // namespace

void WriteJsonInteger(std::ostream& out, std::int64_t v) {
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, v).ptr;
    const bool quoted = v > kExactInDouble || v < -kExactInDouble;
    if (quoted) out.put('"');
    out.write(digits, end - digits);
    if (quoted) out.put('"');
}

void WriteJsonInteger(std::ostream& out, const mpz_class& v) {
    if (mpz_fits_slong_p(v.get_mpz_t()) != 0) {
        WriteJsonInteger(out, static_cast<std::int64_t>(mpz_get_si(v.get_mpz_t())));
        return;
    }
    std::string digits(mpz_sizeinbase(v.get_mpz_t(), 10) + 2, '\0');
    mpz_get_str(digits.data(), 10, v.get_mpz_t());
    digits.resize(digits.find('\0'));
    out.put('"');
    out << digits;
    out.put('"');
}

}  // namespace tamsel
