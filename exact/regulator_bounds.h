// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Logarithms of units, correctly rounded to a number of significant decimal
// digits. Every value is carried as a pair of bounds, the lower one rounded
// down at every operation and the upper one rounded up (MPFR's directed
// rounding), so the true value always lies between them; when both bounds
// round to the same digits, those digits are the correctly rounded result,
// otherwise the caller computes again with more bits.

#include <cstdint>
#include <optional>
#include <string>

#include <gmpxx.h>
#include <mpfr.h>

namespace tamsel::exact {

// The value 0.digits * 10^exponent, digits without leading zero.
struct RoundedDecimal {
    std::string digits;
    long exponent = 0;
};

// The working precision for `digits` significant digits of a logarithm of
// about 2^logBits, with room for `operations` roundings.
mpfr_prec_t WorkingBits(unsigned digits, std::uint64_t logBits, std::uint64_t operations);

class Bounds {
public:
    explicit Bounds(mpfr_prec_t bits);
    ~Bounds();
    Bounds(const Bounds&) = delete;
    Bounds& operator=(const Bounds&) = delete;

    void Set(const mpz_class& v);
    void Set(const Bounds& other);
    // other + v
    void SetSum(const Bounds& other, std::int64_t v);
    void SetSum(const Bounds& other, const mpz_class& v);
    void SetSqrt(const mpz_class& v);
    void Add(const Bounds& other);
    void Add(const mpz_class& v);
    void Add(std::int64_t v);
    void Add(std::uint64_t v);
    void Multiply(const Bounds& other);
    void Multiply(const mpz_class& v);  // v >= 0
    void Multiply(std::uint64_t v);
    void Divide(const Bounds& other);  // both positive
    void Divide(const mpz_class& v);   // v > 0
    void Divide(std::int64_t v);       // v > 0
    void Log();

    // Both bounds rounded to `digits` significant digits, when they agree.
    std::optional<RoundedDecimal> Rounded(unsigned digits) const;
    // log2 of the upper bound, about.
    long Exponent() const;

private:
    // The lower bound of `source` through `operation` rounded down, its upper
    // bound rounded up: operation(bound, source bound, operand..., rounding).
    template <class Operation, class... Operand>
    void From(const Bounds& source, Operation operation, Operand... operand);

    mpfr_t lo_, hi_;
};

// log((x + y sqrt(d)) / divisor) for x, y > 0 (a unit greater than 1),
// correctly rounded to `digits` significant digits.
RoundedDecimal LogOfUnit(const mpz_class& x, const mpz_class& y, const mpz_class& d, unsigned long divisor,
                         unsigned digits);

}  // namespace tamsel::exact
