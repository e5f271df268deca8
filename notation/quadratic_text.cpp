// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/quadratic_text.h"

namespace tamsel {

namespace {

const char* const kRoot = "√";

std::string Text(const mpz_class& n) { return n.get_str(); }

}  // namespace

std::string QuadraticText(const exact::ExactInput& x) {
    const bool whole = x.nenner == 1;
    if (sgn(x.koeff) == 0) return whole ? Text(x.abs) : Text(x.abs) + "/" + Text(x.nenner);

    const mpz_class size = abs(x.koeff);
    const std::string root = (size == 1 ? std::string() : Text(size)) + kRoot + Text(x.wurzel);
    std::string sum;
    if (sgn(x.abs) == 0) {
        sum = (sgn(x.koeff) < 0 ? "-" : "") + root;
        return whole ? sum : sum + "/" + Text(x.nenner);
    }
    sum = Text(x.abs) + (sgn(x.koeff) < 0 ? " - " : " + ") + root;
    return whole ? sum : "(" + sum + ")/" + Text(x.nenner);
}

std::string SurdText(const mpz_class& p, const mpz_class& d, const mpz_class& q) {
    const std::string below = sgn(q) < 0 ? "(" + Text(q) + ")" : Text(q);
    if (sgn(d) == 0) return Text(p) + "/" + below;
    return "(" + Text(p) + " + " + kRoot + Text(d) + ")/" + below;
}

}  // namespace tamsel
