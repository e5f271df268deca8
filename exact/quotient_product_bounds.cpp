// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/quotient_product_bounds.h"

namespace tamsel::exact {

QuotientProductBounds::QuotientProductBounds(const mpz_class& d, mpfr_prec_t bits)
    : root_(bits), product_(bits), block_(bits) {
    root_.SetSqrt(d);
    product_.Set(1);
}

void QuotientProductBounds::Close(std::uint64_t u, std::uint64_t v, std::int64_t p, std::int64_t q) {
    CloseRun(u, v, p, q);
}

template <class Int>
void QuotientProductBounds::CloseRun(std::uint64_t u, std::uint64_t v, const Int& p, const Int& q) {
    // product *= u (p + sqrt(D)) / q + v
    block_.SetSum(root_, p);
    block_.Divide(q);
    block_.Multiply(u);
    block_.Add(v);
    product_.Multiply(block_);
}

void QuotientProductBounds::Step(const mpz_class& k, const mpz_class& p, const mpz_class& q) {
    run_.Step(k, p, q, [this](std::uint64_t u, std::uint64_t v, const mpz_class& runP, const mpz_class& runQ) {
        CloseRun(u, v, runP, runQ);
    });
}

Bounds& QuotientProductBounds::Finish(std::int64_t p, std::int64_t q) {
    run_.Finish(p, q, [this](std::uint64_t u, std::uint64_t v, std::int64_t runP, std::int64_t runQ) {
        CloseRun(u, v, runP, runQ);
    });
    return product_;
}

Bounds& QuotientProductBounds::Finish(const mpz_class& p, const mpz_class& q) {
    run_.Finish(p, q, [this](std::uint64_t u, std::uint64_t v, const mpz_class& runP, const mpz_class& runQ) {
        CloseRun(u, v, runP, runQ);
    });
    return product_;
}

void QuotientProductBounds::Complete(Bounds& target, const mpz_class& p, const mpz_class& q) const {
    target.SetSum(root_, p);
    target.Divide(q);
}

}  // namespace tamsel::exact
