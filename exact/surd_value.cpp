// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/surd_value.h"

namespace tamsel::exact {

namespace {

mpz_class PowerOfTen(unsigned long k) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, k);
    return power;
}

// floor(|a + sqrt(e)| / m) for m > 0 and e not a square or 0. With
// r = floor(sqrt(e)): floor((a + sqrt(e)) / m) = floor((a + r) / m) when
// the sum is positive; otherwise |a + sqrt(e)| = -a - r - 1 + (r + 1 -
// sqrt(e)) with the last term in (0, 1), which the floor drops.
mpz_class FloorOfMagnitude(const mpz_class& a, const mpz_class& e, const mpz_class& m) {
    mpz_class result;
    if (sgn(e) == 0) {
        mpz_fdiv_q(result.get_mpz_t(), mpz_class(abs(a)).get_mpz_t(), m.get_mpz_t());
        return result;
    }
    mpz_class r;
    mpz_sqrt(r.get_mpz_t(), e.get_mpz_t());
    const bool positive = sgn(a) >= 0 || a * a < e;
    const mpz_class top = positive ? mpz_class(a + r) : mpz_class(-a - r - 1);
    mpz_fdiv_q(result.get_mpz_t(), top.get_mpz_t(), m.get_mpz_t());
    return result;
}

// The number of decimal digits of v > 0.
long DigitCount(const mpz_class& v) {
    long count = static_cast<long>(mpz_sizeinbase(v.get_mpz_t(), 10));
    if (v < PowerOfTen(static_cast<unsigned long>(count - 1))) --count;
    return count;
}

}  // namespace

SurdValue ValueOf(const StartValue& x) {
    if (const auto* rational = std::get_if<RationalStart>(&x)) return {rational->p, 0, 0, rational->q};
    const auto& quadratic = std::get<QuadraticStart>(x);
    return {quadratic.p, 1, quadratic.d, quadratic.q};
}

SurdValue DistanceFrom(const StartValue& x, const mpz_class& p, const mpz_class& q) {
    // (a + b sqrt(d)) / m - p / q = (q a - p m + q b sqrt(d)) / (q m).
    const SurdValue y = ValueOf(x);
    return {q * y.a - p * y.m, q * y.b, y.d, q * y.m};
}

int Sign(const SurdValue& y) {
    int top = sgn(y.a);
    if (sgn(y.b) != 0 && sgn(y.d) != 0) {
        const int root = sgn(y.b);
        if (top == 0 || top == root) {
            top = root;
        } else {
            // Opposite signs: the larger square wins.
            top = cmp(y.a * y.a, y.b * y.b * y.d) > 0 ? top : root;
        }
    }
    return top * sgn(y.m);
}

mpz_class FloorOfMagnitudeTimesTenTo(const SurdValue& y, long k) {
    // |y| = |s a + sqrt(b^2 d)| / |m| with s the sign of b.
    mpz_class a = sgn(y.b) < 0 ? mpz_class(-y.a) : y.a;
    mpz_class e = y.b * y.b * y.d;
    mpz_class m = abs(y.m);
    if (k >= 0) {
        const mpz_class power = PowerOfTen(static_cast<unsigned long>(k));
        a *= power;
        e *= power * power;
    } else {
        m *= PowerOfTen(static_cast<unsigned long>(-k));
    }
    return FloorOfMagnitude(a, e, m);
}

std::string ThreeDigitMagnitude(const SurdValue& y) {
    if (Sign(y) == 0) return "0";
    // A first guess of the scale from the sizes: |y| = |a^2 - b^2 d| /
    // (|m| |a - b sqrt(d)|) shows how far a cancellation reaches; the loop
    // below corrects it.
    long guess = 0;
    if (sgn(y.b) == 0 || sgn(y.d) == 0) {
        guess = static_cast<long>(mpz_sizeinbase(y.m.get_mpz_t(), 10)) -
                static_cast<long>(mpz_sizeinbase(y.a.get_mpz_t(), 10));
    } else {
        mpz_class root;
        mpz_sqrt(root.get_mpz_t(), y.d.get_mpz_t());
        const mpz_class spread = abs(y.m) * (abs(y.a) + abs(y.b) * (root + 1));
        const mpz_class square = abs(y.a * y.a - y.b * y.b * y.d);
        guess = static_cast<long>(mpz_sizeinbase(spread.get_mpz_t(), 10)) -
                static_cast<long>(mpz_sizeinbase(square.get_mpz_t(), 10));
    }
    // floor(|y| 10^k) with at least four digits.
    long k = guess + 4;
    mpz_class scaled = FloorOfMagnitudeTimesTenTo(y, k);
    while (scaled < 1000) {
        k += sgn(scaled) == 0 ? 8 : 4 - DigitCount(scaled) + 1;
        scaled = FloorOfMagnitudeTimesTenTo(y, k);
    }
    const long digits = DigitCount(scaled);
    long exponent = digits - 1 - k;
    // The first four digits; floor(floor(v) / 10^j) = floor(v / 10^j).
    const mpz_class four = scaled / PowerOfTen(static_cast<unsigned long>(digits - 4));
    unsigned long three = mpz_get_ui(mpz_class(four / 10).get_mpz_t());
    if (mpz_get_ui(mpz_class(four % 10).get_mpz_t()) >= 5) ++three;
    if (three == 1000) {
        three = 100;
        ++exponent;
    }
    const std::string text = std::to_string(three);
    return text.substr(0, 1) + "." + text.substr(1) + "e" + std::to_string(exponent);
}

std::string TruncatedDecimal(const SurdValue& y, std::uint64_t digits) {
    const mpz_class scaled = FloorOfMagnitudeTimesTenTo(y, static_cast<long>(digits));
    std::string text = scaled.get_str();
    if (text.size() <= digits) text.insert(0, digits + 1 - text.size(), '0');
    if (digits > 0) text.insert(text.size() - digits, ".");
    // The magnitude's floor is the truncation toward zero.
    if (sgn(scaled) != 0 && Sign(y) < 0) text.insert(0, "-");
    return text;
}

}  // namespace tamsel::exact
