// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

#include <gmpxx.h>

#include "exact/exact_input.h"

namespace tamsel::exact {

// The largest size, in bits, of a whole number in a computation on
// quadratic numbers; beyond it a result is refused as too large, so that an
// input such as 10^10^10 ends with a message instead of exhausting memory.
inline constexpr std::size_t kMostNumberBits = std::size_t{1} << 22;

// x = (koeff * sqrt(wurzel) + abs) / nenner, always reduced: nenner > 0,
// no common factor of koeff, abs and nenner, wurzel free of the square
// factors trial division by the primes below 2^20 and a square test of the
// rest can find (for every wurzel below 2^60 that is all of them), and a
// rational x written as 0 0 abs nenner.
class QuadraticNumber {
public:
    QuadraticNumber() : nenner_(1) {}
    static QuadraticNumber Rational(const mpz_class& p, const mpz_class& q);  // q != 0
    // Any koeff, wurzel >= 0, nenner != 0; square factors leave the root.
    static QuadraticNumber Make(const mpz_class& koeff, const mpz_class& wurzel, const mpz_class& abs,
                                const mpz_class& nenner);

    const mpz_class& Koeff() const { return koeff_; }
    const mpz_class& Wurzel() const { return wurzel_; }
    const mpz_class& Abs() const { return abs_; }
    const mpz_class& Nenner() const { return nenner_; }
    bool IsRational() const { return sgn(koeff_) == 0; }
    bool IsZero() const { return IsRational() && sgn(abs_) == 0; }
    int Sign() const;
    ExactInput ToInput() const { return {koeff_, wurzel_, abs_, nenner_}; }

    // As Make for a wurzel whose square factors are out already.
    static QuadraticNumber WithSplitRoot(mpz_class koeff, mpz_class wurzel, mpz_class abs, mpz_class nenner);

    friend bool operator==(const QuadraticNumber&, const QuadraticNumber&) = default;

private:
    mpz_class koeff_;
    mpz_class wurzel_;
    mpz_class abs_;
    mpz_class nenner_;
};

enum class ArithmeticFault { None, TwoRoots, DivisionByZero, TooLarge };

// The four rules and whole powers. Both operands must have the same root
// (or one of them none); sqrt(2) and sqrt(8) count as the same root, sqrt(2)
// and sqrt(3) do not (TwoRoots). On a fault `result` is left as it was.
ArithmeticFault Add(const QuadraticNumber& x, const QuadraticNumber& y, QuadraticNumber& result);
ArithmeticFault Subtract(const QuadraticNumber& x, const QuadraticNumber& y, QuadraticNumber& result);
ArithmeticFault Multiply(const QuadraticNumber& x, const QuadraticNumber& y, QuadraticNumber& result);
ArithmeticFault Divide(const QuadraticNumber& x, const QuadraticNumber& y, QuadraticNumber& result);
// x to the power `exponent` >= 0 (0^0 = 1).
ArithmeticFault Power(const QuadraticNumber& x, const mpz_class& exponent, QuadraticNumber& result);

// w = root^2 * part with the square factors that can be found (see above).
void SplitSquareFactors(const mpz_class& w, mpz_class& root, mpz_class& part);

}  // namespace tamsel::exact
