// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/quotient_list.h"

namespace tamsel::exact {

void QuotientList::Append(std::int64_t k) {
    if (slots_.size() >= limit_) return;
    if (k >= kSmallest) {
        slots_.push_back(k);
        return;
    }
    Append(mpz_class(static_cast<long>(k)));
}

void QuotientList::Append(const mpz_class& k) {
    if (slots_.size() >= limit_) return;
    if (mpz_fits_slong_p(k.get_mpz_t()) != 0 && mpz_get_si(k.get_mpz_t()) >= kSmallest) {
        slots_.push_back(mpz_get_si(k.get_mpz_t()));
        return;
    }
    slots_.push_back(kBigMark + static_cast<std::int64_t>(big_.size()));
    big_.push_back(k);
}

std::size_t QuotientList::BytesHeld() const {
    std::size_t bytes = slots_.capacity() * sizeof(std::int64_t) + big_.capacity() * sizeof(mpz_class);
    for (const mpz_class& k : big_) bytes += mpz_size(k.get_mpz_t()) * sizeof(mp_limb_t);
    return bytes;
}

}  // namespace tamsel::exact
