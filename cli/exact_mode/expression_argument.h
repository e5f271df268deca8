// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

#include "exact/exact_input.h"

namespace tamsel {

// Why a text was refused and where: 1 for its first character.
struct TextRefusal {
    std::string message;
    std::size_t column = 1;
    const char* code = "expression-syntax";  // the batch's word for the cause
};

// The reduced four numbers of an expression such as "(1+sqrt(5))/2".
std::variant<exact::ExactInput, TextRefusal> ReadExpressionText(std::string_view text);

// Writes "tamsel-cli: Spalte N: message", then the text and a caret under
// the column.
void WriteRefusal(std::ostream& err, std::string_view text, const TextRefusal& refusal);

// The expression of an argument; on a refusal writes it and gives no value.
std::optional<exact::ExactInput> ReadExpressionArgument(std::string_view text, std::ostream& err);

}  // namespace tamsel
