// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>
#include <variant>

#include <gmpxx.h>

#include "exact/quadratic_number.h"

namespace tamsel::exact {

// Why an expression gives no quadratic number.
enum class ExpressionProblem {
    Empty,                // nothing but blanks
    UnexpectedCharacter,  // a character that belongs nowhere
    UnknownName,          // a word other than sqrt
    OperandMissing,       // a number, "(" or a root was expected
    ClosingMissing,       // ")" was expected
    ExtraText,            // the expression is complete, yet text follows
    DivisionByZero,
    TwoRoots,            // two different square roots
    IrrationalRadicand,  // the root of a number that is not rational
    NegativeRadicand,
    BadExponent,  // an exponent that is not a whole number >= 0
    TooLarge,     // a number beyond kMostNumberBits
    TooDeep,      // parentheses, signs or roots nested beyond kDeepestNesting
};

// How deep parentheses, signs and roots may nest: far beyond any written
// expression, well within the stack.
inline constexpr int kDeepestNesting = 512;

struct ExpressionFault {
    ExpressionProblem problem = ExpressionProblem::Empty;
    // Where the problem starts: 1 for the first character (a UTF-8
    // character counts once); one past the end when the text ends early.
    std::size_t column = 1;
    // With TwoRoots: the radicands of the two roots met.
    mpz_class firstRoot;
    mpz_class secondRoot;
};

// Reads an expression such as "(1 + sqrt(5))/2", "1/(2+√3)", "2√3" or
// "10^12+39": whole numbers of any size, + - * /, ^ with a whole exponent
// >= 0, parentheses, unary signs, sqrt(...) and √ of a rational number, a
// factor written before a root or a parenthesis, blanks anywhere, and an
// "x =" in front as the program writes its answer. Every intermediate value
// must have one square root common to the whole expression.
std::variant<QuadraticNumber, ExpressionFault> ReadExpression(std::string_view text);

}  // namespace tamsel::exact
