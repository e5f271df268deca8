// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "exact/exact_expansion.h"
#include "exact/expansion_line.h"
#include "exact/expansion_value.h"

namespace tamsel::exact {
namespace {

// The quotients as "head | period", each list space-separated.
std::string Lists(const WrittenExpansion& w) {
    std::string text;
    for (const mpz_class& k : w.head) text += k.get_str() + " ";
    text += "|";
    for (const mpz_class& k : w.period) text += " " + k.get_str();
    return text;
}

TEST(ReadExpansionLine, ProgramAndCommonForms) {
    const struct {
        const char* text;
        const char* lists;
    } cases[] = {
        {"x = [ 2; 1, 1, 1, 4   Periode 1 1 1 4 ]", "2 | 1 1 1 4"},
        {"x = [ 1   Periode 1 ]", "| 1"},
        {"x = [-2; 1, 1, 2   Periode 2 ]\r\n", "-2 1 1 | 2"},
        {"x = [ 3; 7, 16 ]", "3 7 16 |"},
        {"x = [ 5 ]", "5 |"},
        {"[2; (1, 1, 1, 4)]", "2 | 1 1 1 4"},
        {"[(1)]", "| 1"},
        {"[0;1,(2)]", "0 1 | 2"},
        {"[2; -3, −3]", "2 -3 -3 |"},
        {"[ 123456789012345678901234567890 ; ( 7 ) ]", "123456789012345678901234567890 | 7"},
    };
    for (const auto& c : cases) {
        const auto read = ReadExpansionLine(c.text);
        ASSERT_TRUE(std::holds_alternative<WrittenExpansion>(read)) << c.text;
        EXPECT_EQ(Lists(std::get<WrittenExpansion>(read)), c.lists) << c.text;
    }
}

TEST(ReadExpansionLine, RefusalsNameTheProblemAndItsColumn) {
    using P = LineProblem;
    const struct {
        const char* text;
        LineProblem problem;
        std::size_t column;
    } cases[] = {
        {"2; 1, 2", P::NoList, 1},
        {"[]", P::NumberMissing, 2},
        {"[2; x]", P::NumberMissing, 5},
        {"[2; 1 2]", P::UnexpectedCharacter, 7},
        {"[2; 1, 2", P::BracketMissing, 9},
        {"[2; (1, 2]", P::UnexpectedCharacter, 10},
        {"[2; (1, 2", P::ParenthesisMissing, 10},
        {"[2; 1] 3", P::ExtraText, 8},
        {"x = [ 50; 1, 1, … ]", P::Cut, 17},
        {"[2; 1, ...]", P::Cut, 8},
        {"[2; 1, ]", P::Cut, 8},
        {"[2; ]", P::Cut, 5},
        {"[2; ()]", P::EmptyPeriod, 6},
        {"x = [ 2; 1   Periode ]", P::EmptyPeriod, 14},
        {"x = [ 2; 3, 1   Periode 2 1 ]", P::PeriodNotRepeated, 17},
        {"x = [ 2   Periode 2 2 ]", P::PeriodNotRepeated, 11},
    };
    for (const auto& c : cases) {
        const auto read = ReadExpansionLine(c.text);
        ASSERT_TRUE(std::holds_alternative<LineFault>(read)) << c.text;
        EXPECT_EQ(std::get<LineFault>(read).problem, c.problem) << c.text;
        EXPECT_EQ(std::get<LineFault>(read).column, c.column) << c.text;
    }
}

std::string Four(const QuadraticNumber& x) {
    return x.Koeff().get_str() + " " + x.Wurzel().get_str() + " " + x.Abs().get_str() + " " + x.Nenner().get_str();
}

TEST(ExpansionValue, ValuesOfEachAlgorithm) {
    using K = ExpansionAlgorithm;
    const struct {
        ExpansionAlgorithm algorithm;
        const char* text;
        const char* four;
    } cases[] = {
        {K::Regular, "[2; (1, 1, 1, 4)]", "1 7 0 1"},
        {K::Regular, "[(1)]", "1 5 1 2"},
        {K::Regular, "[1; (2, 2)]", "1 2 0 1"},
        {K::Regular, "[-2; 1, 1, (2)]", "-1 2 0 1"},
        {K::Regular, "[0; 3, 1, (2, 1)]", "-1 3 2 1"},
        {K::Regular, "[3; 7, 16]", "0 0 355 113"},
        {K::Regular, "[-4]", "0 0 -4 1"},
        {K::Regular, "[(1000000000000000000000)]",
         "1 250000000000000000000000000000000000000001 500000000000000000000 1"},
        {K::Variant, "[2; (3)]", "1 5 1 2"},
        {K::Variant, "[2; (2, 4)]", "1 2 0 1"},
        {K::Variant, "[1; 2]", "0 0 1 2"},
        {K::Nearest, "[2; -3, -3]", "0 0 13 8"},
        {K::Nearest, "[1; (2)]", "1 2 0 1"},
        {K::Nearest, "[2; (-4)]", "1 3 0 1"},
        {K::Nearest, "[2; (3, -3)]", "1 85 5 6"},
        {K::Nearest, "[(3)]", "1 13 3 2"},
        {K::Nearest, "[0; 2]", "0 0 1 2"},
        {K::Nearest, "[-1; -3, 2]", "0 0 -9 7"},
    };
    for (const auto& c : cases) {
        const auto written = ReadExpansionLine(c.text);
        ASSERT_TRUE(std::holds_alternative<WrittenExpansion>(written)) << c.text;
        const auto value = ExpansionValue(std::get<WrittenExpansion>(written), c.algorithm);
        ASSERT_TRUE(std::holds_alternative<QuadraticNumber>(value)) << c.text;
        EXPECT_EQ(Four(std::get<QuadraticNumber>(value)), c.four) << c.text;
    }
}

TEST(ExpansionValue, ListsTheAlgorithmCannotGive) {
    using K = ExpansionAlgorithm;
    using P = ExpansionProblem;
    const struct {
        ExpansionAlgorithm algorithm;
        const char* text;
        ExpansionProblem problem;
        std::size_t column;
    } cases[] = {
        {K::Regular, "[2; 0, 3]", P::QuotientTooSmall, 5}, {K::Regular, "[2; (1, -1)]", P::QuotientTooSmall, 9},
        {K::Regular, "[(0, 1)]", P::QuotientTooSmall, 3},  {K::Regular, "[0; 2, 1]", P::EndsInOne, 8},
        {K::Variant, "[2; 1, 3]", P::QuotientTooSmall, 5}, {K::Variant, "[2; 3, (2, 2)]", P::PeriodOfTwos, 9},
        {K::Nearest, "[2; 1, 3]", P::QuotientTooSmall, 5}, {K::Nearest, "[2; -1]", P::QuotientTooSmall, 5},
        {K::Nearest, "[1; 2, -3]", P::TwoBeforeMinus, 8},  {K::Nearest, "[1; (-2)]", P::TwoBeforeMinus, 6},
        {K::Nearest, "[1; 3, -2]", P::EndsInMinusTwo, 8},  {K::Nearest, "[(-3)]", P::NegativeStart, 3},
    };
    for (const auto& c : cases) {
        const auto written = ReadExpansionLine(c.text);
        ASSERT_TRUE(std::holds_alternative<WrittenExpansion>(written)) << c.text;
        const auto value = ExpansionValue(std::get<WrittenExpansion>(written), c.algorithm);
        ASSERT_TRUE(std::holds_alternative<ExpansionFault>(value)) << c.text;
        EXPECT_EQ(std::get<ExpansionFault>(value).problem, c.problem) << c.text;
        EXPECT_EQ(std::get<ExpansionFault>(value).column, c.column) << c.text;
    }
}

// Random lists the usual algorithm and the variant can give, of every sign
// and length, finite and periodic: the value, expanded again, must give the
// list's quotients, the period unrolled three times.
TEST(ExpansionValue, ValuesExpandToTheirLists) {
    std::mt19937_64 random(29);
    const auto draw = [&](long least, long most) { return std::uniform_int_distribution<long>(least, most)(random); };
    for (const bool variant : {false, true}) {
        for (int i = 0; i < 200; ++i) {
            const long least = variant ? 2 : 1;
            const auto later = [&] {
                return draw(0, 9) == 0 ? mpz_class("123456789012345678901") : mpz_class(draw(least, least + 8));
            };
            WrittenExpansion w;
            const long headLength = draw(0, 6);
            for (long j = 0; j < headLength; ++j) w.head.push_back(j == 0 ? mpz_class(draw(-30, 30)) : later());
            const long periodLength = w.head.empty() ? draw(1, 5) : draw(0, 5);
            for (long j = 0; j < periodLength; ++j) w.period.push_back(later());
            if (w.period.empty() && w.head.size() >= 2 && w.head.back() == 1) w.head.back() = 2;
            if (variant && !w.period.empty()) w.period.front() += 1;  // never only 2s
            w.headColumns.assign(w.head.size(), 1);
            w.periodColumns.assign(w.period.size(), 1);

            std::vector<mpz_class> expected = w.head;
            for (int round = 0; round < 3; ++round) expected.insert(expected.end(), w.period.begin(), w.period.end());
            const auto value = ExpansionValue(w, variant ? ExpansionAlgorithm::Variant : ExpansionAlgorithm::Regular);
            ASSERT_TRUE(std::holds_alternative<QuadraticNumber>(value));
            const ExactExpansion expansion(std::get<QuadraticNumber>(value).ToInput(), variant, kMostSteps);
            QuotientList kept(kMostSteps);
            KeepQuotients sink(kept);
            const WalkSummary summary = expansion.Walk(sink);
            std::vector<mpz_class> got;
            kept.ForEach(1, kept.Size(), [&](const auto& k) { got.emplace_back(k); });
            while (summary.end == WalkEnd::Period && got.size() < expected.size()) {
                got.push_back(got[got.size() - summary.periodLength]);
            }
            got.resize(std::min(got.size(), expected.size()));
            EXPECT_EQ(got, expected) << (variant ? "variant " : "usual ") << Lists(w);
        }
    }
}

}  // namespace
}  // namespace tamsel::exact
