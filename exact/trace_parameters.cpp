// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/trace_parameters.h"

namespace tamsel::exact {

void MakeTraceParameters(const ExactExpansion& expansion, const mpz_class& abs, const mpz_class& nenner,
                         TraceParameters& out) {
    out.wurzel = expansion.Input().wurzel;
    if (expansion.IsRational()) {
        out.koeff = 0;
    } else {
        out.koeff = std::get<QuadraticStart>(expansion.Start()).rootKoeff;
    }
    mpz_class divisor;
    mpz_gcd(divisor.get_mpz_t(), out.koeff.get_mpz_t(), abs.get_mpz_t());
    mpz_gcd(divisor.get_mpz_t(), divisor.get_mpz_t(), nenner.get_mpz_t());
    if (divisor > 1) {
        mpz_divexact(out.koeff.get_mpz_t(), out.koeff.get_mpz_t(), divisor.get_mpz_t());
        mpz_divexact(out.abs.get_mpz_t(), abs.get_mpz_t(), divisor.get_mpz_t());
        mpz_divexact(out.nenner.get_mpz_t(), nenner.get_mpz_t(), divisor.get_mpz_t());
    } else {
        out.abs = abs;
        out.nenner = nenner;
    }
}

}  // namespace tamsel::exact
