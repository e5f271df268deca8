// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/input_number.h"

#include <gmpxx.h>
#include <locale.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace tamsel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The parts of the number at the start of a text, blanks dropped.
struct NumberScan {
    std::string compact;     // the text without blanks, tabs and line feeds
    std::size_t length = 0;  // characters of `compact` that belong to the number
    bool negative = false;   // a minus sign in front
    std::string digits;      // all mantissa digits, those after the full stop included
    std::size_t fractionDigits = 0;
    long long exponent = 0;  // saturated far beyond the double range
};

NumberScan Scan(std::string_view text) {
    NumberScan scan;
    scan.compact.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') scan.compact.push_back(c);
    }
    const std::string& s = scan.compact;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) scan.negative = s[i++] == '-';
    while (i < s.size() && IsDigit(s[i])) scan.digits.push_back(s[i++]);
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            scan.digits.push_back(s[i++]);
            ++scan.fractionDigits;
        }
    }
    if (scan.digits.empty()) return scan;  // no number: length stays 0
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
        if (j < s.size() && IsDigit(s[j])) {
            constexpr long long kSaturated = 1000000000;
            long long exponent = 0;
            while (j < s.size() && IsDigit(s[j])) {
                if (exponent < kSaturated) exponent = exponent * 10 + (s[j] - '0');
                ++j;
            }
            scan.exponent = negativeExponent ? -exponent : exponent;
            i = j;
        }
    }
    scan.length = i;
    return scan;
}

// strtod in the "C" locale, whatever the program's locale says.
double ParseCDouble(const std::string& s) {
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    return strtod_l(s.c_str(), nullptr, cLocale);
}

std::optional<double> ValueOf(const NumberScan& scan) {
    if (scan.length == 0) return 0.0;
    const double v = ParseCDouble(scan.compact.substr(0, scan.length));
    if (std::isinf(v)) return std::nullopt;
    return v;
}

}  // namespace

std::optional<double> ReadInputNumber(std::string_view text) { return ValueOf(Scan(text)); }

bool IsWhollyANumber(std::string_view text) {
    const NumberScan scan = Scan(text);
    return scan.length > 0 && scan.length == scan.compact.size();
}

std::variant<double, FailureReason> ReadWholeInput(std::string_view text) {
    const NumberScan scan = Scan(text);
    const std::optional<double> value = ValueOf(scan);
    if (!value) return FailureReason::UnreadableInput;

    // The typed value is digits * 10^(exponent - fractionDigits), exactly.
    std::string digits = scan.digits;
    long long exponent = scan.exponent - static_cast<long long>(scan.fractionDigits);
    const std::size_t firstDigit = digits.find_first_not_of('0');
    if (firstDigit == std::string::npos) return *value;  // zero
    digits.erase(0, firstDigit);
    while (exponent < 0 && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    if (exponent < 0) return FailureReason::NonWholeInput;

    // A finite double keeps the exponent small here: 10^400 is beyond its range.
    mpz_class whole(digits);
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    whole *= power;
    if (scan.negative) whole = -whole;
    if (mpz_class(*value) != whole) return FailureReason::InexactInput;
    return *value;
}

}  // namespace tamsel
