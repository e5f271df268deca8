// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs of steps of a walk gathered in 64-bit words. After the quotients
// k_j .. k_(n-1) of the complete quotients a_j .. a_(n-1),
//     a_(j+1) * ... * a_n = u a_n + v,
// where (u, v) is the lower row of their quotient matrices [[k, 1], [1, 0]]
// (from (u, v) = (0, 1), the empty product, each step makes it (u k + v, u)).
// When the next step would overflow the words, the run is closed: its
// product u a_n + v = (u P_n + v Q_n + u sqrt(D)) / Q_n goes to the caller,
// and a new run starts at a_n. So the products of millions of complete
// quotients are taken a few ten thousand runs at a time.

#include <cstdint>

#include <gmpxx.h>

namespace tamsel::exact {

class QuotientRun {
public:
    // One step from the complete quotient (p + sqrt(D)) / q with quotient k;
    // calls close(u, v, p, q) first when the run is full.
    template <class Int, class Close>
    void Step(const Int& k, const Int& p, const Int& q, Close&& close) {
        std::uint64_t next;
        if (u_ == 0) {
            // From the empty product one step gives (1, 0), whatever k is.
            next = 1;
        } else if (!Small(k, next) || __builtin_mul_overflow(u_, next, &next) ||
                   __builtin_add_overflow(next, v_, &next)) {
            close(u_, v_, p, q);
            next = 1;
            u_ = 0;
        }
        v_ = u_;
        u_ = next;
    }

    // Closes the last run at the complete quotient (p + sqrt(D)) / q.
    template <class Int, class Close>
    void Finish(const Int& p, const Int& q, Close&& close) {
        close(u_, v_, p, q);
        u_ = 0;
        v_ = 1;
    }

private:
    static bool Small(std::int64_t k, std::uint64_t& value) {
        value = static_cast<std::uint64_t>(k);
        return k >= 0;
    }
    static bool Small(const mpz_class& k, std::uint64_t& value) {
        if (sgn(k) < 0 || mpz_fits_ulong_p(k.get_mpz_t()) == 0) return false;
        value = mpz_get_ui(k.get_mpz_t());
        return true;
    }

    std::uint64_t u_ = 0, v_ = 1;
};

}  // namespace tamsel::exact
