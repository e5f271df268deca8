// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/pell_text.h"

namespace tamsel {

namespace {

constexpr const char* kMinus = "−";  // U+2212
constexpr std::size_t kShownEnds = 20;

// "√13", "ℤ[√13]", "ℤ[(1 + √13)/2]"
std::string Root(const mpz_class& d, bool full) { return "√" + PellNumberText(d, full); }

std::string OrderName(const mpz_class& d, bool half, bool full) {
    return half ? "ℤ[(1 + " + Root(d, full) + ")/2]" : "ℤ[" + Root(d, full) + "]";
}

// "18 + 5·√13", "(3 + √13)/2"
std::string UnitText(const mpz_class& d, const PellPair& unit, bool half, bool full) {
    const std::string root = unit.y == 1 ? Root(d, full) : PellNumberText(unit.y, full) + "·" + Root(d, full);
    const std::string sum = PellNumberText(unit.x, full) + " + " + root;
    return half ? "(" + sum + ")/2" : sum;
}

std::string NormText(int norm) { return norm < 0 ? std::string(kMinus) + "1" : "1"; }

std::string SolutionText(const PellPair& s, bool full) {
    return "x = " + PellNumberText(s.x, full) + ", y = " + PellNumberText(s.y, full);
}

// `ringOfIntegers`: whether the order is the ring of integers when D is
// square-free (Z[sqrt(D)] for D = 2, 3 mod 4, the other order for D = 1).
void WriteUnitFacts(std::ostream& out, const mpz_class& d, const UnitFacts& facts, bool half, bool withNegative,
                    bool ringOfIntegers, bool full) {
    const mpz_class one = half ? 4 : 1;
    if (facts.periodLength && facts.showPeriodLength) {
        out << (half ? "(1 + " + Root(d, full) + ")/2" : Root(d, full)) << ": Periodenlänge " << *facts.periodLength
            << "\n";
    }
    if (facts.positive) out << EquationText(d, one, full) << ": " << SolutionText(*facts.positive, full) << "\n";
    if (facts.negative) {
        out << EquationText(d, -one, full) << ": " << SolutionText(*facts.negative, full) << "\n";
    } else if (withNegative && facts.norm > 0) {
        out << EquationText(d, -one, full) << ": keine Lösung";
        if (facts.periodLength) out << ", die Periodenlänge " << *facts.periodLength << " ist gerade";
        out << "\n";
    }
    const std::string order = OrderName(d, half, full);
    if (facts.unit) {
        const mpz_class discriminant = half ? d : 4 * d;
        out << "Grundeinheit von " << order << " (Diskriminante " << PellNumberText(discriminant, full)
            << "): " << UnitText(d, *facts.unit, half, full) << ", Norm " << NormText(facts.norm) << "\n";
    }
    if (facts.regulator) out << "Regulator von " << order << ": " << DecimalText(*facts.regulator, ',') << "\n";
    if (ringOfIntegers && (facts.unit || facts.regulator)) {
        out << order << " ist der Ganzheitsring von ℚ(" << Root(d, full) << "), wenn " << PellNumberText(d, full)
            << " quadratfrei ist\n";
    }
}

}  // namespace

std::string PellNumberText(const mpz_class& v, bool full) {
    std::string digits = mpz_class(abs(v)).get_str();
    const std::string sign = sgn(v) < 0 ? kMinus : "";
    if (full || digits.size() <= kLongestShownNumber) return sign + digits;
    return sign + digits.substr(0, kShownEnds) + "…" + digits.substr(digits.size() - kShownEnds) + " (" +
           std::to_string(digits.size()) + " Stellen)";
}

std::string DecimalText(const SignificantDigits& value, char point) {
    const std::string& digits = value.digits;
    const long count = static_cast<long>(digits.size());
    if (value.exponent > count) {
        std::string text = digits.substr(0, 1);
        if (count > 1) text += point + digits.substr(1);
        return text + "e" + std::to_string(value.exponent - 1);
    }
    if (value.exponent <= 0) return "0" + std::string(1, point) + std::string(-value.exponent, '0') + digits;
    std::string text = digits.substr(0, value.exponent);
    if (value.exponent < count) text += point + digits.substr(value.exponent);
    return text;
}

std::string EquationText(const mpz_class& d, const mpz_class& n, bool full) {
    return "x² " + std::string(kMinus) + " " + PellNumberText(d, full) + "·y² = " + PellNumberText(n, full);
}

void WritePellText(std::ostream& out, const PellFacts& facts, bool full) {
    const bool oneModFour = mpz_fdiv_ui(facts.d.get_mpz_t(), 4) == 1;
    WriteUnitFacts(out, facts.d, facts.root, false, facts.withNegativePell, !oneModFour, full);
    if (facts.half) WriteUnitFacts(out, facts.d, *facts.half, true, facts.withNegativePellFour, true, full);
}

void WriteNormText(std::ostream& out, const mpz_class& d, const mpz_class& n, const std::vector<PellPair>& solutions,
                   bool listing, const PellPair& unit, bool full) {
    const std::string equation = EquationText(d, n, full);
    if (solutions.empty()) {
        out << equation << ": keine Lösung\n";
        return;
    }
    for (std::size_t i = 0; i < solutions.size(); ++i) {
        out << equation << (listing ? ", Lösung " : ", Klasse ") << i + 1 << ": " << SolutionText(solutions[i], full)
            << "\n";
    }
    if (!listing) {
        out << "Jede Lösung ist ± eine davon mal (" << UnitText(d, unit, false, full) << ")^k, k ganz\n";
    }
}

}  // namespace tamsel
