// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/step_arithmetic.h"

#include <gmpxx.h>

#include "engine/big_integer_arithmetic.h"
#include "engine/run_failure.h"

namespace tamsel {

namespace {

// x = (a * sqrt(d) + b) / c as exact integers.
struct ExactParameters {
    mpz_class a, d, b, c;
};

// With wurzel 0 the coefficient does not change x; it is carried along
// unbounded and left out of the arithmetic.
mpz_class Coefficient(double koeff, double wurzel) { return wurzel == 0 ? mpz_class(0) : mpz_class(koeff); }

ExactParameters Formed(const QuadIrrational& x) {
    if (x.wurzel < 0) throw RunFailure{FailureReason::NegativeRadicand};
    if (x.nenner == 0) throw RunFailure{FailureReason::ZeroDenominator};
    return {Coefficient(x.koeff, x.wurzel), mpz_class(x.wurzel), mpz_class(x.abs), mpz_class(x.nenner)};
}

}  // namespace

bool IsNegative(const QuadIrrational& x) {
    const ExactParameters p = Formed(x);
    return bigint::Sign(p.a, p.d, p.b, p.c) < 0;
}

double PullOutInteger(const ExpansionState& s, const VariantFlag& variant) {
    const ExactParameters p = Formed(s.Current());
    bigint::IntegerPart part = bigint::Floor(p.a, p.d, p.b, p.c);
    if (variant.VariantSelected() && !part.whole) part.floor += 1;
    return bigint::ToDouble(part.floor);
}

void AdvanceQuadIrrational(ExpansionState& s, double k, const VariantFlag& variant) {
    const mpz_class a = Coefficient(s.prevKoeff, s.prevWurzel);
    const mpz_class d(s.prevWurzel), b(s.prevAbs), c(s.prevNenner), whole(k);
    const mpz_class rest = b - whole * c;

    // 1 / (x - k) = c / (a sqrt(d) + rest), widened by the conjugate
    // a sqrt(d) - rest. With d = r^2 and a r = rest that conjugate is 0 while
    // x - k = 2 rest / c is not: then widen by a sqrt(d) + rest instead.
    mpz_class abs, nenner;
    mpz_class root;
    mpz_sqrt(root.get_mpz_t(), d.get_mpz_t());
    if (rest != 0 && root * root == d && a * root == rest) {
        abs = c * rest;
        nenner = (a * root + rest) * (a * root + rest);
    } else {
        abs = -c * rest;
        nenner = a * a * d - rest * rest;
    }
    if (variant.VariantSelected()) nenner = -nenner;

    // The coefficient beside a zero radicand is carried as the double
    // nearest the product; every other value must be held exactly.
    s.koeff = s.prevWurzel == 0 ? static_cast<double>(s.prevNenner) * s.prevKoeff : bigint::ToDouble(c * a);
    s.abs = bigint::ToDouble(abs);
    s.nenner = bigint::ToDouble(nenner);
}

}  // namespace tamsel
