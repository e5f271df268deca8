// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/number_text.h"

#include <locale.h>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace tamsel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// strtod in the "C" locale, whatever the program's locale says.
double ParseCDouble(const std::string& s) {
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    return strtod_l(s.c_str(), nullptr, cLocale);
}

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

std::optional<double> ReadInputNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
    }

    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            i = j;
        }
    }
    const double v = ParseCDouble(s.substr(0, i));
    if (std::isinf(v)) return std::nullopt;
    return v;
}

std::string NumberText(double v) { return (v < 0 ? "-" : " ") + Unsigned(v); }

std::string NumberText(const mpz_class& v) {
    if (sgn(v) < 0) return "-" + mpz_class(-v).get_str();
    return " " + v.get_str();
}

std::string PlainNumberText(double v) { return (v < 0 ? "-" : "") + Unsigned(v); }

}  // namespace tamsel
