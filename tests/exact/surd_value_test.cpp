// SPDX-License-Identifier: GPL-3.0-or-later
// Errors to three digits and truncated decimals, checked against the
// bounds they claim, in exact arithmetic.

#include <gtest/gtest.h>

#include <string>

#include "engine/big_integer_arithmetic.h"
#include "exact/surd_value.h"
#include "expand_for_test.h"

namespace tamsel::exact {
namespace {

mpz_class TenTo(unsigned long k) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, k);
    return power;
}

// The sign of c x - e / f for x = (k sqrt(w) + a) / n and f > 0.
int SignOf(const ExactInput& x, const mpz_class& c, const mpz_class& e, const mpz_class& f) {
    return bigint::Sign(c * f * x.koeff, x.wurzel, c * f * x.abs - e * x.nenner, x.nenner * f);
}

// "m.mme<E>" claims (m - 1/2) 10^(E-2) <= |x - p/q| < (m + 1/2) 10^(E-2).
void CheckError(const ExactInput& x, const mpz_class& p, const mpz_class& q) {
    const std::string text = ThreeDigitMagnitude(DistanceFrom(ToStartValue(x), p, q));
    SCOPED_TRACE(p.get_str() + "/" + q.get_str() + ": " + text);
    const int side = SignOf(x, q, p, 1);  // x - p/q
    if (text == "0") {
        EXPECT_EQ(side, 0);
        return;
    }
    ASSERT_EQ(text.substr(1, 1), ".");
    ASSERT_EQ(text.substr(4, 1), "e");
    const long m = std::stol(text.substr(0, 1) + text.substr(2, 2));
    const long exponent = std::stol(text.substr(5)) - 2;
    EXPECT_GE(m, 100);
    // Bounds (2m -+ 1) 10^exponent / 2 as e / f; side * (q x - p) / q against them.
    const mpz_class scale = exponent >= 0 ? TenTo(static_cast<unsigned long>(exponent)) : mpz_class(1);
    const mpz_class f = 2 * q * (exponent < 0 ? TenTo(static_cast<unsigned long>(-exponent)) : mpz_class(1));
    const mpz_class base = side * p * f / q;
    EXPECT_GE(SignOf(x, side * 1, base + (2 * m - 1) * scale * q, f), 0);
    EXPECT_LT(SignOf(x, side * 1, base + (2 * m + 1) * scale * q, f), 0);
}

TEST(SurdValue, ErrorsLieWithinTheirRounding) {
    const ExactInput sqrt2 = test::Input({"1", "2", "0", "1"});
    ConvergentSequence fractions(false);
    fractions.Next(1);
    for (int step = 2; step <= 700; ++step) {
        fractions.Next(2);
        if (step <= 30 || step % 97 == 0) CheckError(sqrt2, fractions.Numerator(), fractions.Denominator());
    }
    const struct {
        std::array<std::string, 4> x;
        long p, q;
        std::string text;
    } cases[] = {
        {{"1", "2", "0", "1"}, 3, 2, "8.58e-2"},
        {{"0", "0", "1", "3"}, 0, 1, "3.33e-1"},
        {{"0", "0", "2", "3"}, 0, 1, "6.67e-1"},
        {{"0", "0", "1999", "2000"}, 0, 1, "1.00e0"},  // 9.995e-1, half up
        {{"0", "0", "355", "113"}, 355, 113, "0"},
        {{"0", "0", "-22", "7"}, -3, 1, "1.43e-1"},
        {{"1", "10000000000000000000000000000000000000039", "0", "1"}, 0, 1, "1.00e20"},
        {{"-3", "7", "5", "-4"}, -1, 1, "1.73e0"},
    };
    for (const auto& c : cases) {
        const ExactInput x = test::Input(c.x);
        EXPECT_EQ(ThreeDigitMagnitude(DistanceFrom(ToStartValue(x), c.p, c.q)), c.text);
        CheckError(x, c.p, c.q);
    }
}

TEST(SurdValue, DecimalsAreTruncatedTowardZero) {
    const struct {
        std::array<std::string, 4> x;
        std::uint64_t digits;
        std::string text;
    } cases[] = {
        {{"1", "2", "0", "1"}, 30, "1.414213562373095048801688724209"},
        {{"-1", "2", "0", "1"}, 2, "-1.41"},
        {{"0", "0", "-1", "3"}, 0, "0"},
        {{"0", "0", "-1", "3"}, 3, "-0.333"},
        {{"0", "0", "1", "8"}, 5, "0.12500"},
        {{"0", "0", "7", "1"}, 0, "7"},
        {{"1", "5", "1", "-2"}, 4, "-1.6180"},
        {{"1", "3", "0", "1"}, 2000, ""},
        {{"7", "123456789", "-77777", "1234"}, 500, ""},
    };
    for (const auto& c : cases) {
        const ExactInput x = test::Input(c.x);
        const std::string text = TruncatedDecimal(ValueOf(ToStartValue(x)), c.digits);
        if (!c.text.empty()) {
            EXPECT_EQ(text, c.text);
        }
        // t / 10^N <= |x| < (t + 1) / 10^N with t the digits, and the sign of x.
        std::string digits = text;
        const bool negative = digits[0] == '-';
        if (negative) digits.erase(0, 1);
        if (c.digits > 0) {
            ASSERT_EQ(digits[digits.size() - c.digits - 1], '.');
            digits.erase(digits.size() - c.digits - 1, 1);
        }
        const mpz_class t(digits, 10);
        const int sign = negative ? -1 : (SignOf(x, 1, 0, 1) < 0 ? -1 : 1);
        EXPECT_GE(SignOf(x, sign, t, TenTo(c.digits)), 0) << c.x[1];
        EXPECT_LT(SignOf(x, sign, t + 1, TenTo(c.digits)), 0) << c.x[1];
    }
}

}  // namespace
}  // namespace tamsel::exact
