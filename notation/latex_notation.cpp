// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/latex_notation.h"

#include <algorithm>
#include <vector>

#include "notation/latex_nested_fraction.h"
#include "notation/latex_number_name.h"
#include "notation/latex_text.h"

namespace tamsel {

namespace {

using namespace latex;

// A longer bracket notation shows its first 999 quotients, \dotsc and its last.
constexpr std::size_t kMaxBracketQuotients = 1000;

// The brackets around the bracket notation: the variant's are doubled, so
// that its line does not read as the regular expansion of another number.
std::string OpeningBracket(const ExportedExpansion& e) { return e.variant ? "[\\![" : "["; }
std::string ClosingBracket(const ExportedExpansion& e) { return e.variant ? "]\\!]" : "]"; }

std::string BracketNotation(const ExportedExpansion& e, const std::string& side) {
    const std::size_t n = e.Length();
    // The items written, each with the step it stands for; \dotsc stands for
    // the steps left out of a long expansion.
    struct Item {
        const mpz_class* quotient;  // none for \dotsc
        std::size_t firstStep;
    };
    std::vector<Item> items;
    for (std::size_t i = 1; i <= n; ++i) {
        if (n > kMaxBracketQuotients && i == kMaxBracketQuotients) {
            items.push_back({nullptr, i});
            i = n - 1;
            continue;
        }
        items.push_back({&e.QuotientOfStep(i), i});
    }
    const bool periodic = e.HasPeriod();
    std::size_t overlineFrom = items.size();
    if (periodic) {
        const auto p = static_cast<std::size_t>(*e.periodStart);
        while (overlineFrom > 0 && items[overlineFrom - 1].firstStep >= p) --overlineFrom;
        if (overlineFrom < items.size() && items[overlineFrom].firstStep > p) --overlineFrom;
    }
    std::string formula = side + " = " + OpeningBracket(e);
    for (std::size_t j = 0; j < items.size(); ++j) {
        if (j == 1) formula += ";\\allowbreak\n  ";
        if (j > 1) formula += ",\\allowbreak\n  ";
        const bool overlined = periodic && j >= overlineFrom;
        if (items[j].quotient) {
            formula += LatexNumber(*items[j].quotient, overlined);
        } else {
            formula += overlined ? "\\overline{\\dotsc}" : "\\dotsc";
        }
    }
    if (!periodic && !e.rational)
        formula += items.size() == 1 ? ";\\allowbreak\n  \\dotsc" : ",\\allowbreak\n  \\dotsc";
    return formula + ClosingBracket(e);
}

std::string FractionText(const Fraction& f) {
    const bool negative = sgn(f.numerator) * sgn(f.denominator) < 0;
    const mpz_class numerator = abs(f.numerator), denominator = abs(f.denominator);
    const std::string sign = negative ? "-" : "";
    if (std::max(NumberWidth(numerator), NumberWidth(denominator)) + kBarOverhang <= kLineBudget) {
        return sign + "\\frac{" + numerator.get_str() + "}{" + denominator.get_str() + "}";
    }
    return sign + BreakableNumber(numerator) + " / " + BreakableNumber(denominator);
}

std::string ApproximatingFractions(const ExportedExpansion& e, int depth) {
    const std::size_t count = std::min<std::size_t>(depth, e.fractions.size());
    std::string formula;
    for (std::size_t w = 0; w < count; ++w) {
        if (w > 0) formula += ",\\allowbreak\\quad\n  ";
        formula += FractionText(e.fractions[w]);
    }
    const bool allShown = e.rational && !e.HasPeriod() && count >= e.Length();
    if (!allShown) formula += ",\\allowbreak\\quad\n  \\dotsc";
    return formula;
}

}  // namespace

std::string LatexNotation(const ExportedExpansion& expansion, const LatexOptions& options) {
    const int depth = std::clamp(options.depth, 1, kMaxLatexDepth);
    std::string body = "% Kettenbruch aus Tamsel; braucht \\usepackage{amsmath}\n";
    if (expansion.quotients.empty()) {
        body += "% Die Entwicklung brach vor dem ersten Quotienten ab.\n";
    } else {
        // The number's name starts the nested fraction where it leaves room
        // for it; a longer name gets a line of its own, x = ….
        LeftSide side{"x", kXWidth};
        if (expansion.number) {
            const NumberName name = NameOf(*expansion.number);
            if (name.width <= kLineBudget / 2) {
                side = {name.math, name.width};
            } else {
                body += BreakableLine("x = " + name.breakableMath);
            }
        }
        const std::size_t n = expansion.Length();
        const std::size_t levels =
            expansion.HasPeriod() ? static_cast<std::size_t>(depth) : std::min<std::size_t>(depth, n);
        const bool endsExactly = expansion.rational && !expansion.HasPeriod() && levels == n;
        body += NestedFractionLatex(expansion, levels, endsExactly, side);
        body += BreakableLine(BracketNotation(expansion, side.math));
        if (!expansion.fractions.empty()) body += BreakableLine(ApproximatingFractions(expansion, depth));
    }
    if (!options.standalone) return body;
    return "\\documentclass{article}\n\\usepackage{amsmath}\n\\begin{document}\n" + body + "\\end{document}\n";
}

}  // namespace tamsel
