// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The continued fraction of x = (P + sqrt(D)) / Q, where Q divides D - P^2,
// as the number theory on the period needs it: the complete quotients
// (P_i + sqrt(D)) / Q_i one after the other, in 64-bit integers when every
// value is known to fit, in GMP otherwise.
//
// The quotient is floor((P + s) / Q) for Q > 0 and -floor((P + s) / |Q|) - 1
// for Q < 0, with s = floor(sqrt(D)); then P' = a Q - P and
// Q' = Q_before + a (P - P'), which is (D - P'^2) / Q without the division.

#include <cstdint>

#include <gmpxx.h>

namespace tamsel::exact {

// floor(m / d) for d > 0. Most quotients are small, so a few subtractions
// come before the division.
inline std::int64_t FloorOfPositive(std::int64_t m, std::int64_t d) {
    if (m >= 0) {
        std::int64_t rest = m;
        for (std::int64_t k = 0; k < 4; ++k) {
            if (rest < d) return k;
            rest -= d;
        }
        return m / d;
    }
    std::int64_t k = m / d;
    if (k * d != m) --k;
    return k;
}

inline void SurdQuotient(std::int64_t& a, std::int64_t p, std::int64_t q, std::int64_t s) {
    a = q > 0 ? FloorOfPositive(p + s, q) : -FloorOfPositive(p + s, -q) - 1;
}

inline void SurdQuotient(mpz_class& a, const mpz_class& p, const mpz_class& q, const mpz_class& s) {
    a = p + s;
    if (sgn(q) > 0) {
        mpz_fdiv_q(a.get_mpz_t(), a.get_mpz_t(), q.get_mpz_t());
    } else {
        mpz_fdiv_q(a.get_mpz_t(), a.get_mpz_t(), mpz_class(-q).get_mpz_t());
        a = -a - 1;
    }
}

// Whether (P + sqrt(D)) / Q is reduced: greater than 1, its conjugate in
// (-1, 0). In whole numbers: Q > 0, 0 < P <= s and s - P < Q <= s + P.
template <class Int>
bool IsReducedSurd(const Int& p, const Int& q, const Int& s) {
    return q > 0 && p > 0 && p <= s && q > s - p && q <= s + p;
}

// Whether the walk of sqrt(D) may use 64-bit integers: then P < 2^31,
// |Q| <= 2 sqrt(D) + 1 and every product of the step stays below 2^63.
inline bool FitsMachineWalk(const mpz_class& d) { return mpz_sizeinbase(d.get_mpz_t(), 2) <= 60; }

template <class Int>
class SurdWalk {
public:
    // x = (p + sqrt(d)) / q; `s` is floor(sqrt(d)) and q divides d - p^2.
    SurdWalk(const Int& d, const Int& s, const Int& p, const Int& q) : s_(s), p_(p), q_(q), before_((d - p * p) / q) {}

    const Int& P() const { return p_; }
    const Int& Q() const { return q_; }
    const Int& Root() const { return s_; }

    // Takes one step and returns its quotient.
    const Int& Step() {
        SurdQuotient(a_, p_, q_, s_);
        next_ = a_ * q_ - p_;
        change_ = p_ - next_;
        change_ *= a_;
        before_ += change_;
        // before := q, q := next q, p := next p.
        std::swap(before_, q_);
        std::swap(next_, p_);
        return a_;
    }

private:
    Int s_, p_, q_, before_;
    Int a_{}, next_{}, change_{};
};

}  // namespace tamsel::exact
