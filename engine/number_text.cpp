// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace tamsel {

namespace {

// Digits of a value that is known to be whole, without any sign.
std::string WholeDigits(double magnitude) {
    if (magnitude < 9223372036854775808.0) {
        return std::to_string(static_cast<std::uint64_t>(magnitude));
    }
    return mpz_class(magnitude).get_str();
}

std::string Unsigned(double v) {
    const double magnitude = std::fabs(v);
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return "inf";
    if (magnitude == std::trunc(magnitude)) return WholeDigits(magnitude);
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed);
    return std::string(buf, res.ptr);
}

}  // namespace

std::string NumberText(double v) { return (v < 0 ? "-" : " ") + Unsigned(v); }

std::string NumberText(const mpz_class& v) {
    if (sgn(v) < 0) return "-" + mpz_class(-v).get_str();
    return " " + v.get_str();
}

std::string PlainNumberText(double v) { return (v < 0 ? "-" : "") + Unsigned(v); }

}  // namespace tamsel
