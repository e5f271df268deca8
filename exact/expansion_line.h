// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>
#include <variant>
#include <vector>

#include <gmpxx.h>

namespace tamsel::exact {

// A continued fraction as written: the quotients before the period and the
// period (empty for a finite list), each with the column of its text.
struct WrittenExpansion {
    std::vector<mpz_class> head;
    std::vector<mpz_class> period;
    std::vector<std::size_t> headColumns;
    std::vector<std::size_t> periodColumns;
};

enum class LineProblem {
    NoList,         // no "[" where the list should open
    NumberMissing,  // a whole number was expected
    UnexpectedCharacter,
    BracketMissing,      // the closing "]" is missing
    ParenthesisMissing,  // the ")" of the period is missing
    ExtraText,           // text after the closing "]"
    Cut,                 // ends in "…" or a separator: cut off at a step limit
    EmptyPeriod,
    PeriodNotRepeated,  // the numbers after "Periode" are not the end of the list
};

struct LineFault {
    LineProblem problem = LineProblem::NoList;
    std::size_t column = 1;  // 1 for the first character (UTF-8 characters count once)
};

// Reads a continued fraction in one of the forms:
//  - the program's own bracket line, "x = [ 2; 1, 1, 1, 4   Periode 1 1 1 4 ]",
//    where the period closes the list and is repeated after "Periode";
//  - the common form, "[2; (1, 1, 1, 4)]" or "[(1)]", the period in parentheses;
//  - a list without period, "[3; 7, 16]", for a rational number.
// "x =" in front is optional; quotients may carry a sign.
std::variant<WrittenExpansion, LineFault> ReadExpansionLine(std::string_view text);

}  // namespace tamsel::exact
