// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/big_integer_arithmetic.h"

#include "engine/run_failure.h"

namespace tamsel::bigint {

namespace {

// The sign of a * sqrt(d) + b.
int NumeratorSign(const mpz_class& a, const mpz_class& d, const mpz_class& b) {
    const int rootSign = sgn(d) == 0 ? 0 : sgn(a);
    const int absSign = sgn(b);
    if (rootSign == 0) return absSign;
    if (absSign == 0 || absSign == rootSign) return rootSign;
    // Opposite signs: the larger square wins.
    const mpz_class root2 = a * a * d;
    const mpz_class abs2 = b * b;
    const int cmpResult = cmp(root2, abs2);
    if (cmpResult == 0) return 0;
    return cmpResult > 0 ? rootSign : absSign;
}

}  // namespace

int Sign(const mpz_class& a, const mpz_class& d, const mpz_class& b, const mpz_class& c) {
    return NumeratorSign(a, d, b) * sgn(c);
}

IntegerPart Floor(const mpz_class& a0, const mpz_class& d, const mpz_class& b0, const mpz_class& c0) {
    // With a positive denominator, floor((y + b) / c) = floor((floor(y) + b) / c).
    const bool flip = sgn(c0) < 0;
    const mpz_class a = flip ? mpz_class(-a0) : a0;
    const mpz_class b = flip ? mpz_class(-b0) : b0;
    const mpz_class c = flip ? mpz_class(-c0) : c0;

    // floor(a * sqrt(d)) from the integer square root of a^2 d.
    const mpz_class square = a * a * d;
    mpz_class root;
    mpz_sqrt(root.get_mpz_t(), square.get_mpz_t());
    const bool rootWhole = root * root == square;
    mpz_class rootFloor;
    if (sgn(a) >= 0) {
        rootFloor = root;
    } else {
        rootFloor = rootWhole ? mpz_class(-root) : mpz_class(-root - 1);
    }

    const mpz_class numerator = rootFloor + b;
    IntegerPart part;
    mpz_fdiv_q(part.floor.get_mpz_t(), numerator.get_mpz_t(), c.get_mpz_t());
    part.whole = rootWhole && mpz_divisible_p(numerator.get_mpz_t(), c.get_mpz_t()) != 0;
    return part;
}

bool FitsDouble(const mpz_class& v) {
    static const mpz_class limit = mpz_class(1) << 53;
    return mpz_cmpabs(v.get_mpz_t(), limit.get_mpz_t()) <= 0;
}

double ToDouble(const mpz_class& v) {
    if (!FitsDouble(v)) throw RunFailure{FailureReason::BeyondTwoToThe53};
    return v.get_d();
}

}  // namespace tamsel::bigint
