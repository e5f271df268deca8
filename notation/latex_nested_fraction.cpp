// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/latex_nested_fraction.h"

#include "notation/latex_text.h"

namespace tamsel::latex {

namespace {

constexpr double kDotsWidth = 15;

class Writer {
public:
    Writer(const ExportedExpansion& e, std::size_t levels, bool endsExactly)
        : e_(e), levels_(levels), endsExactly_(endsExactly) {}

    std::string Write(LeftSide side) {
        std::string latex;
        for (std::size_t i = 1; i <= levels_;) {
            const double start = side.width + kEqualsWidth;
            if (start + Width(i) + Tail(i) > kLineBudget) {
                latex += BreakableLine(side.math + " = " + BreakableNumber(K(i)) + End(i, false));
                ++i;
            } else {
                std::size_t j = i;
                double width = start + Width(i);
                while (j < levels_ && width + kSignWidth + Width(j + 1) + Tail(j + 1) <= kLineBudget) {
                    width += kSignWidth + Width(++j);
                }
                latex += Display(side.math + " = " + Levels(i, j));
                i = j + 1;
            }
            side = {IndexedX(i), IndexedXWidth(i)};
        }
        return latex;
    }

private:
    // The quotient as the fraction shows it: in the nearest-integer expansion
    // a later quotient's sign stands before its fraction instead.
    mpz_class K(std::size_t i) const {
        const mpz_class& k = e_.ContinuedQuotient(i);
        return e_.nearest && i > 1 ? mpz_class(abs(k)) : k;
    }
    double Width(std::size_t i) const { return NumberWidth(K(i)); }
    std::string Sign(std::size_t i) const { return std::string(" ") + SignAfterLevel(e_, i) + " "; }

    // What follows the quotient of the display's last level.
    double Tail(std::size_t i) const {
        if (i < levels_) return kSignWidth + IndexedXWidth(i + 1);
        return endsExactly_ ? 0 : kSignWidth + kDotsWidth;
    }
    std::string End(std::size_t i, bool display) const {
        if (i < levels_) {
            return Sign(i) + (display ? "\\cfrac{1}{" + IndexedX(i + 1) + "}" : "1/" + IndexedX(i + 1));
        }
        return endsExactly_ ? "" : Sign(i) + "\\dotsb";
    }

    std::string Levels(std::size_t i, std::size_t j) const {
        std::string formula;
        for (std::size_t m = i; m < j; ++m) formula += K(m).get_str() + Sign(m) + "\\cfrac{1}{";
        formula += K(j).get_str() + End(j, true);
        return formula.append(j - i, '}');
    }

    const ExportedExpansion& e_;
    std::size_t levels_;
    bool endsExactly_;
};

}  // namespace

const char* SignAfterLevel(const ExportedExpansion& e, std::size_t level) {
    if (!e.nearest) return e.variant ? "-" : "+";
    // The sign of the next quotient; unknown after the last one walked.
    if (level >= e.Length() && !e.HasPeriod()) return "\\pm";
    return sgn(e.ContinuedQuotient(level + 1)) < 0 ? "-" : "+";
}

std::string NestedFractionLatex(const ExportedExpansion& e, std::size_t levels, bool endsExactly,
                                const LeftSide& start) {
    return Writer(e, levels, endsExactly).Write(start);
}

}  // namespace tamsel::latex
