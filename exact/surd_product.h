// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exact product of the complete quotients a_1 ... a_n of a walk,
// written (U + V sqrt(D)) / Q_n. Runs of steps come in 64-bit words (see
// QuotientRun) and are multiplied as a balanced tree (binary splitting: a
// stack of partial products merged like a binary counter), so that the big
// multiplications meet operands of equal size; multiplying them in one after
// the other would take quadratic time. Two adjacent products
// (U + V sqrt(D)) / Q and (U' + V' sqrt(D)) / Q' give
//     (UU' + DVV' + (UV' + U'V) sqrt(D)) / (Q Q'),
// whose numerator Q divides exactly, as the product of the complete
// quotients is again of the form (U'' + V'' sqrt(D)) / Q'; three
// multiplications per merge, where the 2x2 quotient matrices would take eight.

#include <cstdint>
#include <vector>

#include <gmpxx.h>

#include "exact/quotient_run.h"

namespace tamsel::exact {

// From this many bits on, a big multiplication of the product or of the
// unit runs beside another one on a second thread.
inline constexpr std::size_t kBitsForTwoThreads = std::size_t{1} << 20;

class SurdProduct {
public:
    explicit SurdProduct(const mpz_class& d, std::size_t bitsForTwoThreads = kBitsForTwoThreads)
        : d_(d), bitsForTwoThreads_(bitsForTwoThreads) {}

    // One step from the complete quotient (p + sqrt(D)) / q with quotient k.
    void Step(std::int64_t k, std::int64_t p, std::int64_t q);
    void Step(const mpz_class& k, const mpz_class& p, const mpz_class& q);

    // The product up to the current complete quotient (p + sqrt(D)) / q, as
    // u + v sqrt(D) = q * product. Ends the product.
    void Finish(const mpz_class& p, const mpz_class& q, mpz_class& u, mpz_class& v);

private:
    struct Part {
        mpz_class u, v, q;
        std::uint64_t weight = 1;
    };
    void Close(std::uint64_t runU, std::uint64_t runV, const mpz_class& p, const mpz_class& q);
    void Merge(Part& left, Part& right);

    mpz_class d_;
    std::size_t bitsForTwoThreads_;
    QuotientRun run_;
    std::vector<Part> stack_;
    mpz_class t1_, t2_, t3_;
};

}  // namespace tamsel::exact
