// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/latex_text.h"

namespace tamsel::latex {

namespace {

constexpr std::size_t kGroup = 3;
// A source line holds at most this many groups; TeX reads lines of limited length.
constexpr std::size_t kGroupsPerSourceLine = 24;
// An index digit at script size, and the space before the index.
constexpr double kIndexDigitWidth = 3.5;
constexpr double kIndexShift = 2;

std::string Overlined(const std::string& text, bool overlined) { return overlined ? "\\overline{" + text + "}" : text; }

}  // namespace

double NumberWidth(const mpz_class& v) {
    const std::string digits = mpz_class(abs(v)).get_str();
    return static_cast<double>(digits.size()) * kDigitWidth + (v < 0 ? kMinusWidth : 0);
}

bool FitsTheLine(const mpz_class& v) { return NumberWidth(v) <= kLineBudget; }

std::string BreakableNumber(const mpz_class& v, bool overlined) {
    const std::string digits = mpz_class(abs(v)).get_str();
    std::string text = v < 0 ? "-" : "";
    std::size_t end = digits.size() % kGroup == 0 ? kGroup : digits.size() % kGroup;
    text += Overlined(digits.substr(0, end), overlined);
    for (std::size_t group = 1; end < digits.size(); end += kGroup, ++group) {
        text += group % kGroupsPerSourceLine == 0 ? "\\,\\allowbreak\n  " : "\\,\\allowbreak ";
        text += Overlined(digits.substr(end, kGroup), overlined);
    }
    return text;
}

std::string LatexNumber(const mpz_class& v, bool overlined) {
    return FitsTheLine(v) ? Overlined(v.get_str(), overlined) : BreakableNumber(v, overlined);
}

std::string IndexedX(std::size_t i) { return "x_{" + std::to_string(i) + "}"; }

double IndexedXWidth(std::size_t i) {
    return kXWidth + kIndexShift + kIndexDigitWidth * static_cast<double>(std::to_string(i).size());
}

std::string BreakableLine(const std::string& math) {
    return "\\begin{flushleft}\n  $" + math + "$\n\\end{flushleft}\n";
}

std::string Display(const std::string& math) { return "\\[\n  " + math + "\n\\]\n"; }

}  // namespace tamsel::latex
