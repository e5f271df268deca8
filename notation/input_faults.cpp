// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/input_faults.h"

namespace tamsel {

namespace {

constexpr std::size_t kLongestRadicand = 20;

std::string Radicand(const mpz_class& w) {
    std::string digits = w.get_str();
    if (digits.size() > kLongestRadicand) digits = digits.substr(0, kLongestRadicand) + "…";
    return "√" + digits;
}

bool Starts(unsigned char c) { return (c & 0xC0) != 0x80; }

}  // namespace

std::string ExpressionFaultText(const exact::ExpressionFault& fault) {
    using exact::ExpressionProblem;
    switch (fault.problem) {
        case ExpressionProblem::Empty: return "der Ausdruck ist leer";
        case ExpressionProblem::UnexpectedCharacter: return "unerwartetes Zeichen";
        case ExpressionProblem::UnknownName: return "unbekannter Name; bekannt ist nur sqrt(…)";
        case ExpressionProblem::OperandMissing: return "hier fehlt eine Zahl, eine Klammer oder eine Wurzel";
        case ExpressionProblem::ClosingMissing: return "hier fehlt eine schließende Klammer";
        case ExpressionProblem::ExtraText: return "der Ausdruck ist hier schon zu Ende; fehlt ein Rechenzeichen?";
        case ExpressionProblem::DivisionByZero: return "Division durch null";
        case ExpressionProblem::TwoRoots:
            return "zwei verschiedene Quadratwurzeln, " + Radicand(fault.firstRoot) + " und " +
                   Radicand(fault.secondRoot) +
                   ": jeder Zwischenwert muss die Form (k·√w + a)/n mit derselben Wurzel haben, auch wo das "
                   "Ergebnis wieder von dieser Form wäre";
        case ExpressionProblem::IrrationalRadicand:
            return "Wurzel aus einer irrationalen Zahl; unter der Wurzel muss eine rationale Zahl stehen";
        case ExpressionProblem::NegativeRadicand: return "negative Zahl unter der Wurzel";
        case ExpressionProblem::BadExponent: return "der Exponent muss eine ganze Zahl ≥ 0 sein";
        case ExpressionProblem::TooDeep:
            return "zu tief verschachtelt: zu viele Klammern, Vorzeichen oder Wurzeln ineinander";
        case ExpressionProblem::TooLarge:
            return "eine Zahl wird hier zu groß (mehr als " + std::to_string(exact::kMostNumberBits) + " Binärstellen)";
    }
    return {};
}

std::string LineFaultText(const exact::LineFault& fault) {
    using exact::LineProblem;
    switch (fault.problem) {
        case LineProblem::NoList:
            return "erwartet wird ein Kettenbruch in eckigen Klammern, etwa [2; (1, 1, 1, 4)] oder "
                   "x = [ 2; 1, 1, 1, 4   Periode 1 1 1 4 ]";
        case LineProblem::NumberMissing: return "hier fehlt eine ganze Zahl";
        case LineProblem::UnexpectedCharacter: return "unerwartetes Zeichen";
        case LineProblem::BracketMissing: return "hier fehlt die schließende eckige Klammer „]“";
        case LineProblem::ParenthesisMissing: return "hier fehlt die schließende Klammer „)“ der Periode";
        case LineProblem::ExtraText: return "nach der schließenden Klammer „]“ steht noch etwas";
        case LineProblem::Cut:
            return "der Kettenbruch ist an einer Schrittgrenze abgeschnitten („…“ oder ein Trennzeichen vor "
                   "„]“); sein Wert ist unbekannt";
        case LineProblem::EmptyPeriod: return "die Periode ist leer";
        case LineProblem::PeriodNotRepeated:
            return "die Zahlen nach „Periode“ müssen die letzten Zahlen der Liste wiederholen";
    }
    return {};
}

std::string ExpansionFaultText(const exact::ExpansionFault& fault, exact::ExpansionAlgorithm algorithm) {
    using exact::ExpansionProblem;
    switch (fault.problem) {
        case ExpansionProblem::QuotientTooSmall:
            switch (algorithm) {
                case exact::ExpansionAlgorithm::Regular:
                    return "im üblichen Algorithmus ist jede Zahl nach der ersten ≥ 1";
                case exact::ExpansionAlgorithm::Variant: return "in der Variante ist jede Zahl nach der ersten ≥ 2";
                case exact::ExpansionAlgorithm::Nearest:
                    return "zur nächsten ganzen Zahl ist jede Zahl nach der ersten dem Betrag nach ≥ 2";
            }
            break;
        case ExpansionProblem::EndsInOne:
            return "im üblichen Algorithmus endet eine endliche Liste nach der ersten Zahl nicht auf 1 "
                   "(aus [… a, 1] wird [… a+1])";
        case ExpansionProblem::PeriodOfTwos:
            return "eine Periode nur aus 2 gibt es in der Variante nicht: sie strebt gegen eine rationale Zahl";
        case ExpansionProblem::TwoBeforeMinus: return "zur nächsten ganzen Zahl folgt auf eine 2 kein Minuszeichen";
        case ExpansionProblem::EndsInMinusTwo:
            return "zur nächsten ganzen Zahl endet eine endliche Liste nach der ersten Zahl nicht auf -2 "
                   "(bei Gleichstand wird abgerundet: aus [a; -2] wird [a-1; 2])";
        case ExpansionProblem::NegativeStart:
            return "eine rein periodische Entwicklung zur nächsten ganzen Zahl beginnt mit einer positiven Zahl";
        case ExpansionProblem::TooLarge:
            return "der Wert hat Zahlen mit mehr als " + std::to_string(exact::kMostNumberBits) + " Binärstellen";
    }
    return {};
}

std::string CaretLines(std::string_view text, std::size_t column) {
    std::string shown = "  ";
    std::string caret = "  ";
    std::size_t at = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const bool control = c < 0x20 || c == 0x7F;
        shown += control ? ' ' : static_cast<char>(c);
        if (!Starts(c)) continue;
        if (at < column) caret += c == '\t' ? '\t' : ' ';
        ++at;
    }
    // A TAB shown as a blank would move the caret; keep TABs in both lines.
    for (std::size_t i = 0, j = 2; i < text.size(); ++i, ++j) {
        if (text[i] == '\t') shown[j] = '\t';
    }
    return shown + "\n" + caret + "^\n";
}

}  // namespace tamsel
