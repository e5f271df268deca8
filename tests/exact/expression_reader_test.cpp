// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "exact/expression_reader.h"

namespace tamsel::exact {
namespace {

// The four numbers of a reduced x as "KOEFF WURZEL ABS NENNER".
std::string Four(const QuadraticNumber& x) {
    return x.Koeff().get_str() + " " + x.Wurzel().get_str() + " " + x.Abs().get_str() + " " + x.Nenner().get_str();
}

TEST(ReadExpression, WrittenFormsGiveTheirReducedNumbers) {
    const struct {
        const char* text;
        const char* four;
    } cases[] = {
        {"(1+sqrt(5))/2", "1 5 1 2"},
        {"-(1+sqrt(5))/2", "-1 5 -1 2"},
        {"1/(2+sqrt(3))", "-1 3 2 1"},
        {"-1/(2+sqrt(3))", "1 3 -2 1"},
        {"sqrt(12)", "2 3 0 1"},
        {"-sqrt(12)", "-2 3 0 1"},
        {"(sqrt(8)+2)/(sqrt(2))", "1 2 2 1"},
        {"sqrt(3/4)", "1 3 0 2"},
        {"-sqrt(3/4)", "-1 3 0 2"},
        {"sqrt(sqrt(16))", "0 0 2 1"},
        {"3/4", "0 0 3 4"},
        {"-3/4", "0 0 -3 4"},
        {"3/-4", "0 0 -3 4"},
        {"10^12+39", "0 0 1000000000039 1"},
        {"(1+sqrt(2))^5", "29 2 41 1"},
        {"(1-sqrt(2))^5", "-29 2 41 1"},
        {"2√3", "2 3 0 1"},
        {"2*sqrt(3)", "2 3 0 1"},
        {"-2√3", "-2 3 0 1"},
        {"√√16", "0 0 2 1"},
        {"√3/2", "1 3 0 2"},
        {"(1+√5)(1-√5)", "0 0 -4 1"},
        {"2^3^2", "0 0 512 1"},
        {"-2^2", "0 0 -4 1"},
        {"0^0", "0 0 1 1"},
        {"(-1)^(10^30+1)", "0 0 -1 1"},
        {"sqrt(0)+sqrt(2)", "1 2 0 1"},
        {"sqrt(2)*sqrt(8)", "0 0 4 1"},
        {"sqrt(2)/sqrt(18)", "0 0 1 3"},
        {"sqrt(6)/sqrt(24)+sqrt(2)", "2 2 1 2"},
        {"sqrt(1000003^2*7)", "1000003 7 0 1"},
        {"sqrt(1000003^2*1000033)", "1000003 1000033 0 1"},
        {"sqrt(2000003^2*7)", "2000003 7 0 1"},
        {"sqrt(2^100*3*5^7)", "140737488355328000 15 0 1"},
        {" ( 1 +\tsqrt ( 5 ) ) / 2 ", "1 5 1 2"},
        {"x = (1 + √5)/2", "1 5 1 2"},
        {"1 − 2·√3 × 2", "-4 3 1 1"},
        {"(123456789012345678901234567890 + sqrt(2)) / 98765432109876543210",
         "1 2 123456789012345678901234567890 98765432109876543210"},
        {"-(123456789012345678901234567890 + sqrt(2)) / 98765432109876543210",
         "-1 2 -123456789012345678901234567890 98765432109876543210"},
        {"(6 + 4√2) / 10", "2 2 3 5"},
    };
    for (const auto& c : cases) {
        const auto read = ReadExpression(c.text);
        ASSERT_TRUE(std::holds_alternative<QuadraticNumber>(read)) << c.text;
        EXPECT_EQ(Four(std::get<QuadraticNumber>(read)), c.four) << c.text;
    }
}

TEST(ReadExpression, RefusalsNameTheProblemAndItsColumn) {
    using P = ExpressionProblem;
    const struct {
        std::string text;
        ExpressionProblem problem;
        std::size_t column;
    } cases[] = {
        {"", P::Empty, 1},
        {"  \t", P::Empty, 4},
        {"2 $ 3", P::UnexpectedCharacter, 3},
        {"cbrt(8)", P::UnknownName, 1},
        {"sqrt 2", P::UnexpectedCharacter, 6},
        {"1+", P::OperandMissing, 3},
        {"(1+2))", P::UnexpectedCharacter, 6},
        {"2 3", P::ExtraText, 3},
        {"√ 2 + )", P::OperandMissing, 7},
        {"(1+sqrt(5)/2", P::ClosingMissing, 13},
        {"1/0", P::DivisionByZero, 3},
        {"1/(sqrt(2)-sqrt(2))", P::DivisionByZero, 4},
        {"sqrt(2)+sqrt(3)", P::TwoRoots, 9},
        {"sqrt(2)*sqrt(3)", P::TwoRoots, 9},
        {"√2·√3", P::TwoRoots, 4},
        {"sqrt(sqrt(2))", P::IrrationalRadicand, 6},
        {"2^(1/3)", P::BadExponent, 4},
        {"2^-1", P::BadExponent, 3},
        {"2^sqrt(4)^sqrt(2)", P::BadExponent, 11},
        {"sqrt(-4)", P::NegativeRadicand, 6},
        {"√(1-2)", P::NegativeRadicand, 3},
        {"10^10^10", P::TooLarge, 3},
        {"(1+√2)^(2^40)", P::TooLarge, 7},
        {"(10^1000000)^5", P::TooLarge, 13},
        {std::string(300, '(') + "1", P::TooDeep, 257},
    };
    for (const auto& c : cases) {
        const auto read = ReadExpression(c.text);
        ASSERT_TRUE(std::holds_alternative<ExpressionFault>(read)) << c.text;
        const ExpressionFault& fault = std::get<ExpressionFault>(read);
        EXPECT_EQ(fault.problem, c.problem) << c.text;
        EXPECT_EQ(fault.column, c.column) << c.text;
    }
}

TEST(ReadExpression, TwoRootsNamesBoth) {
    const auto read = ReadExpression("1 + sqrt(12) - sqrt(27/4)*sqrt(5)");
    ASSERT_TRUE(std::holds_alternative<ExpressionFault>(read));
    const ExpressionFault& fault = std::get<ExpressionFault>(read);
    EXPECT_EQ(fault.firstRoot, 3);
    EXPECT_EQ(fault.secondRoot, 5);
}

}  // namespace
}  // namespace tamsel::exact
