// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_mode/expression_argument.h"

#include "cli/command_line/messages.h"
#include "exact/expression_reader.h"
#include "notation/input_faults.h"

namespace tamsel {

namespace {

// The batch's stable word for why an expression is refused.
const char* RefusalCode(exact::ExpressionProblem problem) {
    switch (problem) {
        case exact::ExpressionProblem::DivisionByZero: return "division-by-zero";
        case exact::ExpressionProblem::TwoRoots: return "two-roots";
        case exact::ExpressionProblem::IrrationalRadicand: return "irrational-radicand";
        case exact::ExpressionProblem::NegativeRadicand: return "negative-radicand";
        case exact::ExpressionProblem::BadExponent: return "bad-exponent";
        case exact::ExpressionProblem::TooLarge:
        case exact::ExpressionProblem::TooDeep: return "too-large";
        default: return "expression-syntax";
    }
}

}  // namespace

std::variant<exact::ExactInput, TextRefusal> ReadExpressionText(std::string_view text) {
    const std::variant<exact::QuadraticNumber, exact::ExpressionFault> read = exact::ReadExpression(text);
    if (const auto* fault = std::get_if<exact::ExpressionFault>(&read)) {
        return TextRefusal{ExpressionFaultText(*fault), fault->column, RefusalCode(fault->problem)};
    }
    return std::get<exact::QuadraticNumber>(read).ToInput();
}

void WriteRefusal(std::ostream& err, std::string_view text, const TextRefusal& refusal) {
    SayTo(err, "Spalte " + std::to_string(refusal.column) + ": " + refusal.message);
    err << CaretLines(text, refusal.column);
}

std::optional<exact::ExactInput> ReadExpressionArgument(std::string_view text, std::ostream& err) {
    std::variant<exact::ExactInput, TextRefusal> read = ReadExpressionText(text);
    if (const auto* refusal = std::get_if<TextRefusal>(&read)) {
        WriteRefusal(err, text, *refusal);
        return std::nullopt;
    }
    return std::get<exact::ExactInput>(std::move(read));
}

}  // namespace tamsel
