// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_mode/expression_argument.h"

#include "cli/command_line/messages.h"
#include "exact/expression_reader.h"
#include "notation/input_faults.h"

namespace tamsel {

std::variant<exact::ExactInput, TextRefusal> ReadExpressionText(std::string_view text) {
    const std::variant<exact::QuadraticNumber, exact::ExpressionFault> read = exact::ReadExpression(text);
    if (const auto* fault = std::get_if<exact::ExpressionFault>(&read)) {
        return TextRefusal{ExpressionFaultText(*fault), fault->column};
    }
    return std::get<exact::QuadraticNumber>(read).ToInput();
}

void WriteRefusal(std::ostream& err, std::string_view text, const TextRefusal& refusal) {
    err << "tamsel-cli: Spalte " << refusal.column << ": " << refusal.message << "\n"
        << CaretLines(text, refusal.column);
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
