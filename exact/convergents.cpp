// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/convergents.h"

namespace tamsel::exact {

// Whether the quotient of this sign takes p(w-2) away instead of adding it;
// the nearest-integer expansion multiplies by |k| then.
bool ConvergentSequence::Subtracts(int sign) {
    const bool first = first_;
    first_ = false;
    switch (algorithm_) {
        case ExpansionAlgorithm::Regular: return false;
        case ExpansionAlgorithm::Variant: return true;
        case ExpansionAlgorithm::Nearest: return !first && sign < 0;
    }
    return false;
}

void ConvergentSequence::Next(std::int64_t k) {
    if (k == INT64_MIN) {
        Next(mpz_class(static_cast<long>(k)));
        return;
    }
    const bool subtract = Subtracts(k < 0 ? -1 : 1);
    if (algorithm_ == ExpansionAlgorithm::Nearest && subtract) k = -k;
    if (k >= 0) {
        mpz_mul_ui(product_.get_mpz_t(), p_.get_mpz_t(), static_cast<unsigned long>(k));
        Advance(p_, pBefore_, product_, subtract);
        mpz_mul_ui(product_.get_mpz_t(), q_.get_mpz_t(), static_cast<unsigned long>(k));
        Advance(q_, qBefore_, product_, subtract);
        return;
    }
    mpz_mul_si(product_.get_mpz_t(), p_.get_mpz_t(), static_cast<long>(k));
    Advance(p_, pBefore_, product_, subtract);
    mpz_mul_si(product_.get_mpz_t(), q_.get_mpz_t(), static_cast<long>(k));
    Advance(q_, qBefore_, product_, subtract);
}

void ConvergentSequence::Next(const mpz_class& k) {
    const bool subtract = Subtracts(sgn(k));
    const bool magnitude = algorithm_ == ExpansionAlgorithm::Nearest && subtract;
    if (magnitude) mpz_neg(magnitude_.get_mpz_t(), k.get_mpz_t());
    const mpz_class& factor = magnitude ? magnitude_ : k;
    mpz_mul(product_.get_mpz_t(), p_.get_mpz_t(), factor.get_mpz_t());
    Advance(p_, pBefore_, product_, subtract);
    mpz_mul(product_.get_mpz_t(), q_.get_mpz_t(), factor.get_mpz_t());
    Advance(q_, qBefore_, product_, subtract);
}

// before := value, value := product +- before.
void ConvergentSequence::Advance(mpz_class& value, mpz_class& before, const mpz_class& product, bool subtract) {
    if (subtract) {
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
