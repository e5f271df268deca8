// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/start_value.h"
#include "exact/whole_number.h"

namespace tamsel::exact {

namespace {

RationalStart Rational(mpz_class p, mpz_class q) {
    if (sgn(q) < 0) {
        p = -p;
        q = -q;
    }
    mpz_class g;
    mpz_gcd(g.get_mpz_t(), p.get_mpz_t(), q.get_mpz_t());
    if (g > 1) {
        mpz_divexact(p.get_mpz_t(), p.get_mpz_t(), g.get_mpz_t());
        mpz_divexact(q.get_mpz_t(), q.get_mpz_t(), g.get_mpz_t());
    }
    return {p, q};
}

}  // namespace

StartValue ToStartValue(const ExactInput& input) {
    const mpz_class& a = input.koeff;
    const mpz_class& w = input.wurzel;
    mpz_class root;
    if (sgn(a) == 0 || sgn(w) == 0 || IsSquare(w, root)) {
        return Rational(a * root + input.abs, input.nenner);
    }

    // (a sqrt(w) + b) / c = (sign(a) b + sqrt(a^2 w)) / (sign(a) c).
    const bool negativeKoeff = sgn(a) < 0;
    QuadraticStart x;
    x.p = negativeKoeff ? mpz_class(-input.abs) : input.abs;
    x.q = negativeKoeff ? mpz_class(-input.nenner) : input.nenner;
    x.rootKoeff = abs(a);
    x.d = a * a * w;
    const mpz_class rest = x.d - x.p * x.p;
    if (mpz_divisible_p(rest.get_mpz_t(), x.q.get_mpz_t()) == 0) {
        // Multiply numerator and denominator by |q|: then q^2 divides d - p^2.
        const mpz_class scale = abs(x.q);
        x.p *= scale;
        x.q *= scale;
        x.d *= scale * scale;
        x.rootKoeff *= scale;
    }
    mpz_sqrt(x.rootFloor.get_mpz_t(), x.d.get_mpz_t());
    return x;
}

mpz_class DenominatorBeforeStart(const QuadraticStart& x, bool variant) {
    mpz_class before = x.d - x.p * x.p;
    mpz_divexact(before.get_mpz_t(), before.get_mpz_t(), x.q.get_mpz_t());
    if (variant) before = -before;
    return before;
}

}  // namespace tamsel::exact
