// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/whole_number.h"

#include <string>

namespace tamsel::exact {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<mpz_class> ReadWholeNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    for (const char c : text) {
        if (!IsDigit(c)) return std::nullopt;
    }
    mpz_class value;
    mpz_set_str(value.get_mpz_t(), std::string(text).c_str(), 10);
    if (negative) value = -value;
    return value;
}

bool IsSquare(const mpz_class& d, mpz_class& root) {
    if (sgn(d) >= 0) mpz_sqrt(root.get_mpz_t(), d.get_mpz_t());
    return mpz_perfect_square_p(d.get_mpz_t()) != 0;
}

}  // namespace tamsel::exact
