// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/convergents.h"

namespace tamsel::exact {

void ConvergentSequence::Next(std::int64_t k) {
    if (k >= 0) {
        mpz_mul_ui(product_.get_mpz_t(), p_.get_mpz_t(), static_cast<unsigned long>(k));
        Advance(p_, pBefore_, product_);
        mpz_mul_ui(product_.get_mpz_t(), q_.get_mpz_t(), static_cast<unsigned long>(k));
        Advance(q_, qBefore_, product_);
        return;
    }
    mpz_mul_si(product_.get_mpz_t(), p_.get_mpz_t(), static_cast<long>(k));
    Advance(p_, pBefore_, product_);
    mpz_mul_si(product_.get_mpz_t(), q_.get_mpz_t(), static_cast<long>(k));
    Advance(q_, qBefore_, product_);
}

void ConvergentSequence::Next(const mpz_class& k) {
    mpz_mul(product_.get_mpz_t(), p_.get_mpz_t(), k.get_mpz_t());
    Advance(p_, pBefore_, product_);
    mpz_mul(product_.get_mpz_t(), q_.get_mpz_t(), k.get_mpz_t());
    Advance(q_, qBefore_, product_);
}

// before := value, value := product +- before.
void ConvergentSequence::Advance(mpz_class& value, mpz_class& before, const mpz_class& product) {
    if (variant_) {
        mpz_sub(scratch_.get_mpz_t(), product.get_mpz_t(), before.get_mpz_t());
    } else {
        mpz_add(scratch_.get_mpz_t(), product.get_mpz_t(), before.get_mpz_t());
    }
    mpz_swap(before.get_mpz_t(), value.get_mpz_t());
    mpz_swap(value.get_mpz_t(), scratch_.get_mpz_t());
}

std::uint64_t ConvergentCount(const WalkSummary& summary, std::uint64_t wanted) {
    if (summary.end == WalkEnd::Period) return wanted;
    return wanted < summary.steps ? wanted : summary.steps;
}

}  // namespace tamsel::exact
