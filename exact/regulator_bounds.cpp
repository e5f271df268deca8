// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/regulator_bounds.h"

#include <bit>
#include <memory>

namespace tamsel::exact {

mpfr_prec_t WorkingBits(unsigned digits, std::uint64_t logBits, std::uint64_t operations) {
    // log2(10) < 3.33 bits per digit; the bits of the logarithm's size; a
    // bit for every doubling of the roundings, which widen the bounds by at
    // most one unit of the last place each; and a margin that makes a second
    // round rare. The bounds hold at any precision; this only spares rounds.
    const std::uint64_t opBits = 64 - std::countl_zero(operations | 1);
    return static_cast<mpfr_prec_t>(digits * 333ULL / 100 + logBits + opBits + 16);
}

Bounds::Bounds(mpfr_prec_t bits) {
    mpfr_init2(lo_, bits);
    mpfr_init2(hi_, bits);
}

Bounds::~Bounds() {
    mpfr_clear(lo_);
    mpfr_clear(hi_);
}

template <class Operation, class... Operand>
void Bounds::From(const Bounds& source, Operation operation, Operand... operand) {
    operation(lo_, source.lo_, operand..., MPFR_RNDD);
    operation(hi_, source.hi_, operand..., MPFR_RNDU);
}

void Bounds::Set(const mpz_class& v) {
    mpfr_set_z(lo_, v.get_mpz_t(), MPFR_RNDD);
    mpfr_set_z(hi_, v.get_mpz_t(), MPFR_RNDU);
}

void Bounds::Set(const Bounds& other) { From(other, mpfr_set); }

void Bounds::SetSum(const Bounds& other, std::int64_t v) { From(other, mpfr_add_si, static_cast<long>(v)); }

void Bounds::SetSum(const Bounds& other, const mpz_class& v) { From(other, mpfr_add_z, v.get_mpz_t()); }

void Bounds::SetSqrt(const mpz_class& v) {
    Set(v);
    From(*this, mpfr_sqrt);
}

void Bounds::Add(const Bounds& other) {
    mpfr_add(lo_, lo_, other.lo_, MPFR_RNDD);
    mpfr_add(hi_, hi_, other.hi_, MPFR_RNDU);
}

void Bounds::Add(const mpz_class& v) { From(*this, mpfr_add_z, v.get_mpz_t()); }

void Bounds::Add(std::int64_t v) { From(*this, mpfr_add_si, static_cast<long>(v)); }

void Bounds::Add(std::uint64_t v) { From(*this, mpfr_add_ui, static_cast<unsigned long>(v)); }

void Bounds::Multiply(const Bounds& other) {
    mpfr_mul(lo_, lo_, other.lo_, MPFR_RNDD);
    mpfr_mul(hi_, hi_, other.hi_, MPFR_RNDU);
}

void Bounds::Multiply(const mpz_class& v) { From(*this, mpfr_mul_z, v.get_mpz_t()); }

void Bounds::Multiply(std::uint64_t v) { From(*this, mpfr_mul_ui, static_cast<unsigned long>(v)); }

void Bounds::Divide(const Bounds& other) {
    mpfr_div(lo_, lo_, other.hi_, MPFR_RNDD);
    mpfr_div(hi_, hi_, other.lo_, MPFR_RNDU);
}

void Bounds::Divide(const mpz_class& v) { From(*this, mpfr_div_z, v.get_mpz_t()); }

void Bounds::Divide(std::int64_t v) { From(*this, mpfr_div_si, static_cast<long>(v)); }

void Bounds::Log() { From(*this, mpfr_log); }

long Bounds::Exponent() const { return mpfr_get_exp(hi_); }

std::optional<RoundedDecimal> Bounds::Rounded(unsigned digits) const {
    const auto text = [digits](mpfr_srcptr v, mpfr_exp_t& exponent) {
        std::unique_ptr<char, void (*)(char*)> s(mpfr_get_str(nullptr, &exponent, 10, digits, v, MPFR_RNDN),
                                                 mpfr_free_str);
        return std::string(s.get());
    };
    mpfr_exp_t loExponent = 0, hiExponent = 0;
    RoundedDecimal result;
    result.digits = text(lo_, loExponent);
    if (result.digits != text(hi_, hiExponent) || loExponent != hiExponent) return std::nullopt;
    result.exponent = loExponent;
    return result;
}

RoundedDecimal LogOfUnit(const mpz_class& x, const mpz_class& y, const mpz_class& d, unsigned long divisor,
                         unsigned digits) {
    const std::uint64_t logBits = 64 - std::countl_zero(std::uint64_t{mpz_sizeinbase(x.get_mpz_t(), 2)});
    for (mpfr_prec_t bits = WorkingBits(digits, logBits, 8);; bits *= 2) {
        Bounds unit(bits), part(bits);
        part.SetSqrt(d);
        part.Multiply(y);
        unit.Set(x);
        unit.Add(part);
        unit.Divide(static_cast<std::int64_t>(divisor));
        unit.Log();
        if (std::optional<RoundedDecimal> rounded = unit.Rounded(digits)) return *rounded;
    }
}

}  // namespace tamsel::exact
