// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the readers of what a user types besides numbers: an expression and
// a continued fraction. Whatever the bytes, they must not crash; a refusal's
// column lies within the text or one past its end; an expression's value
// written as text and read again is the same value; and every continued
// fraction read gives a value or a refusal in each of the three algorithms.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "exact/expansion_line.h"
#include "exact/expansion_value.h"
#include "exact/expression_reader.h"
#include "notation/quadratic_text.h"

namespace {

std::size_t Characters(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

void CheckExpression(std::string_view text) {
    using namespace tamsel::exact;
    const auto read = ReadExpression(text);
    if (const auto* fault = std::get_if<ExpressionFault>(&read)) {
        if (fault->column < 1 || fault->column > Characters(text) + 1) std::abort();
        return;
    }
    const QuadraticNumber& x = std::get<QuadraticNumber>(read);
    const auto again = ReadExpression(tamsel::QuadraticText(x.ToInput()));
    if (!std::holds_alternative<QuadraticNumber>(again) || !(std::get<QuadraticNumber>(again) == x)) std::abort();
}

void CheckExpansionLine(std::string_view text) {
    using namespace tamsel::exact;
    const auto read = ReadExpansionLine(text);
    if (const auto* fault = std::get_if<LineFault>(&read)) {
        if (fault->column < 1 || fault->column > Characters(text) + 1) std::abort();
        return;
    }
    for (const ExpansionAlgorithm algorithm :
         {ExpansionAlgorithm::Regular, ExpansionAlgorithm::Variant, ExpansionAlgorithm::Nearest}) {
        ExpansionValue(std::get<WrittenExpansion>(read), algorithm);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckExpression(text);
    CheckExpansionLine(text);
    return 0;
}
