// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/latex_notation.h"

#include <algorithm>
#include <vector>

namespace tamsel {

namespace {

// A longer bracket notation shows its first 99 quotients, \dotsc and its last.
constexpr std::size_t kMaxBracketQuotients = 100;

std::string Digits(const mpz_class& v) { return v.get_str(); }

// The quotient of step i (1-based) of the expansion continued periodically.
const mpz_class& QuotientOfStep(const ExportedExpansion& e, std::size_t i) {
    const std::size_t n = e.Length();
    if (i > n) {
        const auto p = static_cast<std::size_t>(*e.periodStart);
        i = p + (i - p) % (n - p + 1);
    }
    return e.QuotientOfStep(i);
}

bool HasPeriod(const ExportedExpansion& e) {
    return e.periodStart && *e.periodStart >= 1 && static_cast<std::size_t>(*e.periodStart) <= e.Length();
}

std::string Display(const std::string& formula) { return "\\[\n  " + formula + "\n\\]\n"; }

std::string NestedFraction(const ExportedExpansion& e, int depth) {
    const std::size_t n = e.Length();
    const std::size_t levels = HasPeriod(e) ? static_cast<std::size_t>(depth) : std::min<std::size_t>(depth, n);
    const bool endsExactly = e.rational && !HasPeriod(e) && levels == n;
    // The sign before the fraction that follows step i: in the nearest-integer
    // expansion that of the quotient of step i + 1, unknown after the last.
    const auto signAfter = [&](std::size_t i) -> std::string {
        if (!e.nearest) return e.variant ? " - " : " + ";
        if (i >= n && !HasPeriod(e)) return " \\pm ";
        return sgn(QuotientOfStep(e, i + 1)) < 0 ? " - " : " + ";
    };
    std::string formula = "x = ";
    for (std::size_t i = 1; i <= levels; ++i) {
        const mpz_class& k = QuotientOfStep(e, i);
        formula += Digits(e.nearest && i > 1 ? mpz_class(abs(k)) : k);
        if (i < levels) formula += signAfter(i) + "\\cfrac{1}{";
    }
    if (!endsExactly) formula += signAfter(levels) + "\\dotsb";
    formula.append(levels - 1, '}');
    return formula;
}

std::string BracketNotation(const ExportedExpansion& e) {
    const std::size_t n = e.Length();
    // The items written, each with the step it stands for; \dotsc stands for
    // the steps left out of a long expansion.
    struct Item {
        std::string text;
        std::size_t firstStep;
    };
    std::vector<Item> items;
    for (std::size_t i = 1; i <= n; ++i) {
        if (n > kMaxBracketQuotients && i == kMaxBracketQuotients) {
            items.push_back({"\\dotsc", i});
            i = n - 1;
            continue;
        }
        items.push_back({Digits(e.QuotientOfStep(i)), i});
    }
    const bool periodic = HasPeriod(e);
    std::size_t overlineFrom = items.size();
    if (periodic) {
        const auto p = static_cast<std::size_t>(*e.periodStart);
        while (overlineFrom > 0 && items[overlineFrom - 1].firstStep >= p) --overlineFrom;
        if (overlineFrom < items.size() && items[overlineFrom].firstStep > p) --overlineFrom;
    }
    std::string formula = "x = [";
    for (std::size_t j = 0; j < items.size(); ++j) {
        if (j == 1) formula += "; ";
        if (j > 1) formula += ", ";
        if (periodic && j == overlineFrom) formula += "\\overline{";
        formula += items[j].text;
    }
    if (periodic) formula += "}";
    if (!periodic && !e.rational) formula += items.size() == 1 ? "; \\dotsc" : ", \\dotsc";
    return formula + "]";
}

std::string FractionText(const Fraction& f) {
    const bool negative = sgn(f.numerator) * sgn(f.denominator) < 0;
    const mpz_class numerator = abs(f.numerator), denominator = abs(f.denominator);
    return std::string(negative ? "-" : "") + "\\frac{" + Digits(numerator) + "}{" + Digits(denominator) + "}";
}

std::string ApproximatingFractions(const ExportedExpansion& e, int depth) {
    const std::size_t count = std::min<std::size_t>(depth, e.fractions.size());
    std::string formula;
    for (std::size_t w = 0; w < count; ++w) {
        if (w > 0) formula += ",\\quad ";
        formula += FractionText(e.fractions[w]);
    }
    const bool allShown = e.rational && !HasPeriod(e) && count >= e.Length();
    if (!allShown) formula += ",\\quad \\dotsc";
    return formula;
}

}  // namespace

std::string LatexNotation(const ExportedExpansion& expansion, const LatexOptions& options) {
    const int depth = std::clamp(options.depth, 1, kMaxLatexDepth);
    std::string body = "% Kettenbruch aus Tamsel; braucht \\usepackage{amsmath}\n";
    if (expansion.quotients.empty()) {
        body += "% Die Entwicklung brach vor dem ersten Quotienten ab.\n";
    } else {
        body += Display(NestedFraction(expansion, depth));
        body += Display(BracketNotation(expansion));
        if (!expansion.fractions.empty()) body += Display(ApproximatingFractions(expansion, depth));
    }
    if (!options.standalone) return body;
    return "\\documentclass{article}\n\\usepackage{amsmath}\n\\begin{document}\n" + body + "\\end{document}\n";
}

}  // namespace tamsel
