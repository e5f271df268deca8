// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The product of the complete quotients a_1 ... a_n of a walk as bounds (see
// regulator_bounds.h), without the big integers of the exact product: the
// runs of steps of QuotientRun are each taken once in MPFR. So a period of
// millions of steps costs a few ten thousand roundings, and its logarithm
// (the regulator) comes without the unit.

#include <cstdint>

#include <gmpxx.h>

#include "exact/quotient_run.h"
#include "exact/regulator_bounds.h"

namespace tamsel::exact {

class QuotientProductBounds {
public:
    QuotientProductBounds(const mpz_class& d, mpfr_prec_t bits);

    // One step from the complete quotient (p + sqrt(D)) / q, q > 0, with its
    // quotient k.
    void Step(std::int64_t k, std::int64_t p, std::int64_t q) {
        run_.Step(k, p, q, [this](std::uint64_t u, std::uint64_t v, std::int64_t runP, std::int64_t runQ) {
            Close(u, v, runP, runQ);
        });
    }
    void Step(const mpz_class& k, const mpz_class& p, const mpz_class& q);

    // The product up to the current complete quotient (p + sqrt(D)) / q.
    // Ends the product.
    Bounds& Finish(std::int64_t p, std::int64_t q);
    Bounds& Finish(const mpz_class& p, const mpz_class& q);

    // The complete quotient (p + sqrt(D)) / q as bounds.
    void Complete(Bounds& target, const mpz_class& p, const mpz_class& q) const;

private:
    void Close(std::uint64_t u, std::uint64_t v, std::int64_t p, std::int64_t q);
    template <class Int>
    void CloseRun(std::uint64_t u, std::uint64_t v, const Int& p, const Int& q);

    QuotientRun run_;
    Bounds root_, product_, block_;
};

}  // namespace tamsel::exact
