// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/quadratic_number.h"
#include "exact/whole_number.h"

#include <cstdint>
#include <vector>

namespace tamsel::exact {

namespace {

constexpr unsigned kTrialBound = 1u << 20;

const std::vector<unsigned>& SmallPrimes() {
    static const std::vector<unsigned> primes = [] {
        std::vector<char> composite(kTrialBound, 0);
        std::vector<unsigned> found;
        for (std::uint64_t n = 2; n < kTrialBound; ++n) {
            if (composite[n] != 0) continue;
            found.push_back(static_cast<unsigned>(n));
            for (std::uint64_t m = n * n; m < kTrialBound; m += n) composite[m] = 1;
        }
        return found;
    }();
    return primes;
}

mpz_class ProductOf(const std::vector<unsigned>& primes, std::size_t first, std::size_t last) {
    if (last - first == 1) return primes[first];
    const std::size_t middle = first + (last - first) / 2;
    return ProductOf(primes, first, middle) * ProductOf(primes, middle, last);
}

// The product of the primes below the trial bound (made as a balanced tree):
// one gcd with it tells which of them divide a number, however long.
const mpz_class& PrimeProduct() {
    static const mpz_class product = ProductOf(SmallPrimes(), 0, SmallPrimes().size());
    return product;
}

bool Fits(const mpz_class& n) { return mpz_sizeinbase(n.get_mpz_t(), 2) <= kMostNumberBits; }

bool AllFit(const QuadraticNumber& x) {
    return Fits(x.Koeff()) && Fits(x.Wurzel()) && Fits(x.Abs()) && Fits(x.Nenner());
}

std::size_t Bits(const QuadraticNumber& x) {
    std::size_t most = 0;
    for (const mpz_class* n : {&x.Koeff(), &x.Wurzel(), &x.Abs(), &x.Nenner()}) {
        const std::size_t bits = mpz_sizeinbase(n->get_mpz_t(), 2);
        if (bits > most) most = bits;
    }
    return most;
}

// y written over the root of x, when the two roots agree: sqrt(w2) =
// t sqrt(w1) / w1 with t^2 = w1 w2. False for two different roots.
bool OverCommonRoot(const QuadraticNumber& x, QuadraticNumber& y) {
    if (x.IsRational() || y.IsRational() || x.Wurzel() == y.Wurzel()) return true;
    const mpz_class product = x.Wurzel() * y.Wurzel();
    mpz_class t;
    if (!IsSquare(product, t)) return false;
    y = QuadraticNumber::WithSplitRoot(y.Koeff() * t, x.Wurzel(), y.Abs() * x.Wurzel(), y.Nenner() * x.Wurzel());
    return true;
}

const mpz_class& RootOf(const QuadraticNumber& x, const QuadraticNumber& y) {
    return x.IsRational() ? y.Wurzel() : x.Wurzel();
}

ArithmeticFault Checked(const QuadraticNumber& value, QuadraticNumber& result) {
    if (!AllFit(value)) return ArithmeticFault::TooLarge;
    result = value;
    return ArithmeticFault::None;
}

ArithmeticFault AddSigned(const QuadraticNumber& x, QuadraticNumber y, int sign, QuadraticNumber& result) {
    if (!OverCommonRoot(x, y)) return ArithmeticFault::TwoRoots;
    const mpz_class& w = RootOf(x, y);
    const mpz_class n = x.Nenner() * y.Nenner();
    const mpz_class k = x.Koeff() * y.Nenner() + sign * y.Koeff() * x.Nenner();
    const mpz_class a = x.Abs() * y.Nenner() + sign * y.Abs() * x.Nenner();
    return Checked(QuadraticNumber::WithSplitRoot(k, w, a, n), result);
}

}  // namespace

void SplitSquareFactors(const mpz_class& w, mpz_class& root, mpz_class& part) {
    root = 1;
    part = 1;
    if (sgn(w) == 0) {
        part = 0;
        return;
    }
    mpz_class rest = w;
    mpz_class divisors;
    mpz_gcd(divisors.get_mpz_t(), rest.get_mpz_t(), PrimeProduct().get_mpz_t());
    for (const unsigned prime : SmallPrimes()) {
        if (divisors == 1) break;
        if (mpz_divisible_ui_p(divisors.get_mpz_t(), prime) == 0) continue;
        mpz_divexact_ui(divisors.get_mpz_t(), divisors.get_mpz_t(), prime);
        unsigned times = 0;
        while (mpz_divisible_ui_p(rest.get_mpz_t(), prime) != 0) {
            mpz_divexact_ui(rest.get_mpz_t(), rest.get_mpz_t(), prime);
            ++times;
        }
        for (unsigned i = 0; i + 1 < times; i += 2) root *= prime;
        if (times % 2 == 1) part *= prime;
    }
    // What is left has no prime factor below the bound: a square, or a
    // number without square factor we could find.
    if (mpz_class r; IsSquare(rest, r)) {
        root *= r;
    } else {
        part *= rest;
    }
}

QuadraticNumber QuadraticNumber::Rational(const mpz_class& p, const mpz_class& q) { return WithSplitRoot(0, 0, p, q); }

QuadraticNumber QuadraticNumber::Make(const mpz_class& koeff, const mpz_class& wurzel, const mpz_class& abs,
                                      const mpz_class& nenner) {
    if (sgn(koeff) == 0 || sgn(wurzel) == 0) return Rational(abs, nenner);
    mpz_class root, part;
    SplitSquareFactors(wurzel, root, part);
    return WithSplitRoot(koeff * root, part, abs, nenner);
}

QuadraticNumber QuadraticNumber::WithSplitRoot(mpz_class koeff, mpz_class wurzel, mpz_class abs, mpz_class nenner) {
    if (wurzel == 1) {
        abs += koeff;
        koeff = 0;
    }
    if (sgn(koeff) == 0) wurzel = 0;
    if (sgn(nenner) < 0) {
        koeff = -koeff;
        abs = -abs;
        nenner = -nenner;
    }
    mpz_class g;
    mpz_gcd(g.get_mpz_t(), koeff.get_mpz_t(), abs.get_mpz_t());
    mpz_gcd(g.get_mpz_t(), g.get_mpz_t(), nenner.get_mpz_t());
    if (g > 1) {
        mpz_divexact(koeff.get_mpz_t(), koeff.get_mpz_t(), g.get_mpz_t());
        mpz_divexact(abs.get_mpz_t(), abs.get_mpz_t(), g.get_mpz_t());
        mpz_divexact(nenner.get_mpz_t(), nenner.get_mpz_t(), g.get_mpz_t());
    }
    QuadraticNumber x;
    x.koeff_ = std::move(koeff);
    x.wurzel_ = std::move(wurzel);
    x.abs_ = std::move(abs);
    x.nenner_ = std::move(nenner);
    return x;
}

int QuadraticNumber::Sign() const {
    // The sign of k sqrt(w) + a: compare k^2 w with a^2 when the signs differ.
    const int k = sgn(koeff_);
    const int a = sgn(abs_);
    if (k == 0 || a == 0 || k == a) return k != 0 ? k : a;
    const mpz_class rootSquare = koeff_ * koeff_ * wurzel_;
    const mpz_class wholeSquare = abs_ * abs_;
    return rootSquare > wholeSquare ? k : a;
}

ArithmeticFault Add(const QuadraticNumber& x, const QuadraticNumber& y, QuadraticNumber& result) {
    return AddSigned(x, y, 1, result);
}

ArithmeticFault Subtract(const QuadraticNumber& x, const QuadraticNumber& y, QuadraticNumber& result) {
    return AddSigned(x, y, -1, result);
}

ArithmeticFault Multiply(const QuadraticNumber& x, const QuadraticNumber& yGiven, QuadraticNumber& result) {
    QuadraticNumber y = yGiven;
    if (!OverCommonRoot(x, y)) return ArithmeticFault::TwoRoots;
    if (Bits(x) + Bits(y) > kMostNumberBits) return ArithmeticFault::TooLarge;
    const mpz_class& w = RootOf(x, y);
    // (k1 r + a1)(k2 r + a2) = (k1 a2 + k2 a1) r + k1 k2 w + a1 a2 with r = sqrt(w).
    const mpz_class k = x.Koeff() * y.Abs() + y.Koeff() * x.Abs();
    const mpz_class a = x.Koeff() * y.Koeff() * w + x.Abs() * y.Abs();
    return Checked(QuadraticNumber::WithSplitRoot(k, w, a, x.Nenner() * y.Nenner()), result);
}

ArithmeticFault Divide(const QuadraticNumber& x, const QuadraticNumber& y, QuadraticNumber& result) {
    if (y.IsZero()) return ArithmeticFault::DivisionByZero;
    QuadraticNumber common = y;
    if (!OverCommonRoot(x, common)) return ArithmeticFault::TwoRoots;
    // 1 / ((k r + a) / n) = n (a - k r) / (a^2 - k^2 w); the root is irrational,
    // so the denominator is not 0.
    const mpz_class& k = common.Koeff();
    const mpz_class& a = common.Abs();
    const mpz_class norm = a * a - k * k * common.Wurzel();
    if (!Fits(norm)) return ArithmeticFault::TooLarge;
    const QuadraticNumber inverse =
        QuadraticNumber::WithSplitRoot(-k * common.Nenner(), common.Wurzel(), a * common.Nenner(), norm);
    return Multiply(x, inverse, result);
}

ArithmeticFault Power(const QuadraticNumber& x, const mpz_class& exponent, QuadraticNumber& result) {
    if (sgn(exponent) == 0) {
        result = QuadraticNumber::Rational(1, 1);
        return ArithmeticFault::None;
    }
    // 0, 1 and -1 stay small for every exponent.
    if (x.IsRational() && x.Nenner() == 1 && abs(x.Abs()) <= 1) {
        const bool odd = mpz_odd_p(exponent.get_mpz_t()) != 0;
        result = QuadraticNumber::Rational(sgn(x.Abs()) < 0 && !odd ? mpz_class(1) : x.Abs(), 1);
        return ArithmeticFault::None;
    }
    // Every other x grows by at least a bit every second power.
    if (mpz_sizeinbase(exponent.get_mpz_t(), 2) > 40) return ArithmeticFault::TooLarge;
    std::uint64_t e = 0;
    mpz_export(&e, nullptr, -1, sizeof e, 0, 0, exponent.get_mpz_t());
    QuadraticNumber power = QuadraticNumber::Rational(1, 1);
    QuadraticNumber square = x;
    for (;;) {
        if ((e & 1) != 0) {
            const ArithmeticFault fault = Multiply(power, square, power);
            if (fault != ArithmeticFault::None) return fault;
        }
        e >>= 1;
        if (e == 0) break;
        const ArithmeticFault fault = Multiply(square, square, square);
        if (fault != ArithmeticFault::None) return fault;
    }
    result = power;
    return ArithmeticFault::None;
}

}  // namespace tamsel::exact
