// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/step_arithmetic.h"

#include <cmath>

#include "engine/big_integer_arithmetic.h"
#include "engine/run_failure.h"

namespace tamsel {

namespace {

bool AllWhole(const QuadIrrational& x) {
    return bigint::IsWhole(x.koeff) && bigint::IsWhole(x.wurzel) && bigint::IsWhole(x.abs) && bigint::IsWhole(x.nenner);
}

// x in double precision, in the order root, times koeff, plus abs, divided
// by nenner; a negative radicand, a zero denominator or an overflow fail.
double EvaluateX(const QuadIrrational& x) {
    if (x.wurzel < 0 || std::isnan(x.wurzel)) throw RunFailure{};
    const double product = std::sqrt(x.wurzel) * x.koeff;
    const double sum = product + x.abs;
    if (x.nenner == 0) throw RunFailure{};
    const double value = sum / x.nenner;
    if (!std::isfinite(product) || !std::isfinite(sum) || !std::isfinite(value)) throw RunFailure{};
    return value;
}

void CheckFormable(const QuadIrrational& x) {
    if (x.wurzel < 0 || x.nenner == 0) throw RunFailure{};
}

double CheckedResult(double v) {
    if (!std::isfinite(v)) throw RunFailure{};
    return v;
}

}  // namespace

bool IsNegative(const QuadIrrational& x) {
    if (!AllWhole(x)) return EvaluateX(x) < 0;
    CheckFormable(x);
    return bigint::Sign(mpz_class(x.koeff), mpz_class(x.wurzel), mpz_class(x.abs), mpz_class(x.nenner)) < 0;
}

double PullOutInteger(const ExpansionState& s, const VariantFlag& check1) {
    const QuadIrrational x = s.Current();
    if (!AllWhole(x)) {
        double k = std::floor(EvaluateX(x));
        if (check1.VariantSelected() && k != EvaluateX(x)) k = k + 1;
        return k;
    }
    CheckFormable(x);
    bigint::IntegerPart part =
        bigint::Floor(mpz_class(x.koeff), mpz_class(x.wurzel), mpz_class(x.abs), mpz_class(x.nenner));
    if (check1.VariantSelected() && !part.whole) part.floor += 1;
    return bigint::ToDouble(part.floor);
}

void AdvanceQuadIrrational(ExpansionState& s, double k, const VariantFlag& check1) {
    const double a = s.prevKoeff;
    const double d = s.prevWurzel;
    const double b = s.prevAbs;
    const double c = s.prevNenner;

    if (bigint::IsWhole(a) && bigint::IsWhole(d) && bigint::IsWhole(b) && bigint::IsWhole(k)) {
        const mpz_class ea(a), ed(d), eb(b), ec(s.prevNenner), ek(k);
        const mpz_class rest = eb - ek * ec;
        mpz_class nenner = ea * ea * ed - rest * rest;
        if (check1.VariantSelected()) nenner = -nenner;
        const mpz_class koeff = ec * ea;
        const mpz_class abs = -ec * rest;
        s.koeff = bigint::ToDouble(koeff);
        s.abs = bigint::ToDouble(abs);
        s.nenner = bigint::ToDouble(nenner);
        return;
    }

    const double rest = b - k * c;
    s.koeff = CheckedResult(c * a);
    s.abs = CheckedResult((-c) * rest);
    s.nenner = CheckedResult((a * a) * d - rest * rest);
    if (check1.VariantSelected()) s.nenner = -s.nenner;
}

}  // namespace tamsel
