// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/latex_number_name.h"

#include <algorithm>

#include "notation/latex_text.h"

namespace tamsel::latex {

namespace {

// The root sign around the radicand.
constexpr double kRootWidth = 8.4;

struct Parts {
    mpz_class koeff, wurzel, abs, nenner;
    bool HasRoot() const { return koeff != 0 && wurzel != 0; }
};

Parts Reduced(const ExpandedNumber& number) {
    Parts p{number.koeff, number.wurzel, number.abs, number.nenner};
    if (!p.HasRoot()) p.koeff = 0;
    mpz_class divisor;
    mpz_gcd(divisor.get_mpz_t(), p.koeff.get_mpz_t(), p.abs.get_mpz_t());
    mpz_gcd(divisor.get_mpz_t(), divisor.get_mpz_t(), p.nenner.get_mpz_t());
    if (p.nenner < 0) divisor = -divisor;
    if (divisor != 0) {
        p.koeff /= divisor;
        p.abs /= divisor;
        p.nenner /= divisor;
    }
    return p;
}

// The numerator, written by `number`, and its width.
template <typename NumberWriter>
std::pair<std::string, double> Numerator(const Parts& p, NumberWriter number, bool breakable) {
    if (!p.HasRoot()) return {number(p.abs), NumberWidth(p.abs)};
    // The root term without the coefficient's sign, which the sum shows.
    std::string root = abs(p.koeff) == 1 ? "" : number(mpz_class(abs(p.koeff)));
    double width = abs(p.koeff) == 1 ? 0 : NumberWidth(abs(p.koeff));
    // In breakable text a long radicand becomes a power, which can break.
    const bool rootFits = !breakable || kRootWidth + NumberWidth(p.wurzel) <= kLineBudget / 2;
    root += rootFits ? "\\sqrt{" + number(p.wurzel) + "}" : "(" + number(p.wurzel) + ")^{1/2}";
    width += kRootWidth + NumberWidth(p.wurzel);
    const std::string sign = p.koeff < 0 ? " - " : " + ";
    // A positive absolute term goes first, as in (1 + √5)/2 and (3 - √5)/2.
    if (p.abs > 0) return {number(p.abs) + sign + root, NumberWidth(p.abs) + kSignWidth + width};
    std::string text = (p.koeff < 0 ? "-" : "") + root;
    width += p.koeff < 0 ? kMinusWidth : 0;
    if (p.abs < 0) {
        text += " - " + number(mpz_class(-p.abs));
        width += kSignWidth + NumberWidth(-p.abs);
    }
    return {text, width};
}

}  // namespace

NumberName NameOf(const ExpandedNumber& number) {
    const Parts p = Reduced(number);
    const auto plain = [](const mpz_class& v) { return v.get_str(); };
    const auto breakable = [](const mpz_class& v) { return BreakableNumber(v); };
    auto [math, width] = Numerator(p, plain, false);
    std::string breakableMath = Numerator(p, breakable, true).first;
    if (p.nenner != 1) {
        const bool negativeRational = !p.HasRoot() && p.abs < 0;
        const std::string numerator = negativeRational ? mpz_class(-p.abs).get_str() : math;
        math = (negativeRational ? "-\\frac{" : "\\frac{") + numerator + "}{" + p.nenner.get_str() + "}";
        width = std::max(width, NumberWidth(p.nenner)) + kBarOverhang;
        const std::string over = " / " + BreakableNumber(p.nenner);
        breakableMath = p.HasRoot() ? "(" + breakableMath + ")" + over : breakableMath + over;
    }
    return {math, width, breakableMath};
}

}  // namespace tamsel::latex
