// SPDX-License-Identifier: GPL-3.0-or-later
// The expansion as LaTeX: nested fraction, bracket notation, approximating
// fractions, and a document that pdflatex compiles.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "../support/quotients.h"
#include "notation/latex_notation.h"

namespace tamsel {
namespace {

const std::string kHeader = "% Kettenbruch aus Tamsel; braucht \\usepackage{amsmath}\n";

using test::Quotients;

std::vector<Fraction> Fractions(std::initializer_list<std::pair<long, long>> values) {
    std::vector<Fraction> fractions;
    for (const auto& [p, q] : values) fractions.push_back({mpz_class(p), mpz_class(q)});
    return fractions;
}

// The tables write the breaks allowed between entries as "; ", ", " and ",\quad ".
std::string WithBreaks(std::string text) {
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"; ", ";\\allowbreak\n  "},
                                   {",\\quad ", ",\\allowbreak\\quad\n  "},
                                   {", ", ",\\allowbreak\n  "}}) {
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
            text.replace(at, from.size(), to);
        }
    }
    return text;
}

std::string Display(const std::string& math) { return "\\[\n  " + math + "\n\\]\n"; }
std::string Paragraph(const std::string& math) { return "\\begin{flushleft}\n  $" + math + "$\n\\end{flushleft}\n"; }

std::string Displays(const std::string& fraction, const std::string& bracket, const std::string& fractions) {
    return kHeader + Display(fraction) + Paragraph(WithBreaks(bracket)) + Paragraph(WithBreaks(fractions));
}

TEST(LatexNotation, Expansions) {
    const std::string ones70(70, '1');
    std::string ones70InGroups = "1";
    for (int group = 0; group < 23; ++group) ones70InGroups += "\\,\\allowbreak 111";
    const struct {
        const char* name;
        ExportedExpansion expansion;
        int depth;
        std::string latex;
    } cases[] = {
        {"Sqrt2ThreeLevels",
         {Quotients({1, 2}), 2, false, false, Fractions({{1, 1}, {3, 2}, {7, 5}, {17, 12}})},
         3,
         Displays(R"(x = 1 + \cfrac{1}{2 + \cfrac{1}{2 + \dotsb}})", R"(x = [1; \overline{2}])",
                  R"(\frac{1}{1},\quad \frac{3}{2},\quad \frac{7}{5},\quad \dotsc)")},
        // The period 2, 4 continues: 2, 2, 4, 2, 4. The variant's brackets are double.
        {"Sqrt2Variant",
         {Quotients({2, 2, 4}), 2, false, true, Fractions({{2, 1}, {3, 2}, {10, 7}, {17, 12}, {58, 41}})},
         5,
         Displays(
             R"(x = 2 - \cfrac{1}{2 - \cfrac{1}{4 - \cfrac{1}{2 - \cfrac{1}{4 - \dotsb}}}})",
             R"(x = [\![2; \overline{2}, \overline{4}]\!])",
             R"(\frac{2}{1},\quad \frac{3}{2},\quad \frac{10}{7},\quad \frac{17}{12},\quad \frac{58}{41},\quad \dotsc)")},
        {"RationalVariant",
         {Quotients({4, 2, 2, 2, 2, 2, 2, 17}), std::nullopt, true, true, Fractions({{4, 1}, {7, 2}})},
         2,
         Displays(R"(x = 4 - \cfrac{1}{2 - \dotsb})", R"(x = [\![4; 2, 2, 2, 2, 2, 2, 17]\!])",
                  R"(\frac{4}{1},\quad \frac{7}{2},\quad \dotsc)")},
        {"VariantFailedAfterOneStep",
         {Quotients({6}), std::nullopt, false, true, Fractions({{6, 1}})},
         6,
         Displays(R"(x = 6 - \dotsb)", R"(x = [\![6; \dotsc]\!])", R"(\frac{6}{1},\quad \dotsc)")},
        {"GoldenRatio",
         {Quotients({1}), 1, false, false, Fractions({{1, 1}, {2, 1}, {3, 2}})},
         2,
         Displays(R"(x = 1 + \cfrac{1}{1 + \dotsb})", R"(x = [\overline{1}])",
                  R"(\frac{1}{1},\quad \frac{2}{1},\quad \dotsc)")},
        // The period 1, 3, 2 from step 1 continues: 1, 3, 2, 1.
        {"PeriodFromStepOne",
         {Quotients({1, 3, 2}), 1, false, false, Fractions({{1, 1}})},
         4,
         Displays(R"(x = 1 + \cfrac{1}{3 + \cfrac{1}{2 + \cfrac{1}{1 + \dotsb}}})",
                  R"(x = [\overline{1}; \overline{3}, \overline{2}])", R"(\frac{1}{1},\quad \dotsc)")},
        // A rational x ends without dots.
        {"ThreeHalves",
         {Quotients({1, 2}), std::nullopt, true, false, Fractions({{1, 1}, {3, 2}})},
         6,
         Displays(R"(x = 1 + \cfrac{1}{2})", R"(x = [1; 2])", R"(\frac{1}{1},\quad \frac{3}{2})")},
        // 355/113 = [3; 7, 16] cut after two levels goes on.
        {"RationalDeeperThanShown",
         {Quotients({3, 7, 16}), std::nullopt, true, false, Fractions({{3, 1}, {22, 7}, {355, 113}})},
         2,
         Displays(R"(x = 3 + \cfrac{1}{7 + \dotsb})", R"(x = [3; 7, 16])",
                  R"(\frac{3}{1},\quad \frac{22}{7},\quad \dotsc)")},
        // A run that broke off: what it found, then dots.
        {"FailedAfterTwoSteps",
         {Quotients({141421, 2}), std::nullopt, false, false, Fractions({{141421, 1}, {282843, 2}})},
         6,
         Displays(R"(x = 141421 + \cfrac{1}{2 + \dotsb})", R"(x = [141421; 2, \dotsc])",
                  R"(\frac{141421}{1},\quad \frac{282843}{2},\quad \dotsc)")},
        // A negative fraction carries its sign in front.
        {"NegativeValues",
         {Quotients({-2, 3}), std::nullopt, true, false, Fractions({{-2, 1}, {5, -3}})},
         6,
         Displays(R"(x = -2 + \cfrac{1}{3})", R"(x = [-2; 3])", R"(-\frac{2}{1},\quad -\frac{5}{3})")},
        // Fifteen levels fill a line; the nested fraction goes on in a second display.
        {"NestedFractionInTwoDisplays",
         {Quotients({1}), 1, false, false, {}},
         20,
         kHeader +
             Display(
                 R"(x = 1 + \cfrac{1}{1 + \cfrac{1}{1 + \cfrac{1}{1 + \cfrac{1}{1 + \cfrac{1}{1 + \cfrac{1}{1 + )"
                 R"(\cfrac{1}{1 + \cfrac{1}{1 + \cfrac{1}{1 + \cfrac{1}{1 + \cfrac{1}{1 + \cfrac{1}{1 + \cfrac{1}{1 + )"
                 R"(\cfrac{1}{1 + \cfrac{1}{x_{16}}}}}}}}}}}}}}}})") +
             Display(R"(x_{16} = 1 + \cfrac{1}{1 + \cfrac{1}{1 + \cfrac{1}{1 + \cfrac{1}{1 + \dotsb}}}})") +
             Paragraph(R"(x = [\overline{1}])")},
        // A quotient too long for a line is written in breakable text.
        {"QuotientLongerThanALine",
         {{mpz_class(ones70), mpz_class(2)}, std::nullopt, true, false, {}},
         6,
         kHeader + Paragraph("x = " + ones70InGroups + " + 1/x_{2}") + Display("x_{2} = 2") +
             Paragraph("x = [" + ones70InGroups + ";\\allowbreak\n  2]")},
        // The nearest integer: each fraction after the sign of the quotient that follows.
        {"Sqrt7Nearest",
         {Quotients({3, -3, -6}), 2, false, false, Fractions({{3, 1}, {8, 3}, {45, 17}}), std::nullopt, 0, std::nullopt, true},
         4,
         Displays(R"(x = 3 - \cfrac{1}{3 - \cfrac{1}{6 - \cfrac{1}{3 - \dotsb}}})", R"(x = [3; \overline{-3}, \overline{-6}])",
                  R"(\frac{3}{1},\quad \frac{8}{3},\quad \frac{45}{17},\quad \dotsc)")},
        {"ThirteenEighthsNearest",
         {Quotients({2, -3, -3}), std::nullopt, true, false, Fractions({{2, 1}, {5, 3}, {13, 8}}), std::nullopt, 0,
          std::nullopt, true},
         6,
         Displays(R"(x = 2 - \cfrac{1}{3 - \cfrac{1}{3}})", R"(x = [2; -3, -3])",
                  R"(\frac{2}{1},\quad \frac{5}{3},\quad \frac{13}{8})")},
        {"NothingFound",
         {{}, std::nullopt, false, false, {}},
         6,
         kHeader + "% Die Entwicklung brach vor dem ersten Quotienten ab.\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LatexNotation(c.expansion, {c.depth, false}), c.latex) << c.name;
    }
}

// The first line and the bracket line name the number expanded: the
// radicand as given, the factor common to koeff, abs and nenner divided
// out, the denominator positive. A name too long to share a line with the
// fraction gets a line of its own.
TEST(LatexNotation, NamesTheNumber) {
    const std::string big = "1" + std::string(40, '0');
    std::string bigInGroups = "10";
    for (int group = 0; group < 13; ++group) bigInGroups += "\\,\\allowbreak 000";
    const struct {
        ExpandedNumber number;
        std::string name;
        bool ownLine;
    } cases[] = {
        {{1, 7, 0, 1}, R"(\sqrt{7})", false},
        {{1, 5, 1, 2}, R"(\frac{1 + \sqrt{5}}{2})", false},
        {{-2, 5, 6, 4}, R"(\frac{3 - \sqrt{5}}{2})", false},
        {{2, 12, -4, 6}, R"(\frac{\sqrt{12} - 2}{3})", false},
        {{1, 5, 3, -2}, R"(\frac{-\sqrt{5} - 3}{2})", false},
        {{-3, 5, 0, 1}, R"(-3\sqrt{5})", false},
        {{0, 0, 710, 226}, R"(\frac{355}{113})", false},
        {{4, 0, -6, 4}, R"(-\frac{3}{2})", false},
        {{0, 3, 12, 4}, "3", false},
        {{1, 7, mpz_class(big), 3}, "(" + bigInGroups + R"( + \sqrt{7}) / 3)", true},
    };
    for (const auto& c : cases) {
        ExportedExpansion expansion{Quotients({2}), std::nullopt, false, false, {}};
        expansion.number = c.number;
        const std::string latex = LatexNotation(expansion, {1, false});
        const std::string first = c.ownLine ? Paragraph("x = " + c.name) : Display(c.name + " = 2 + \\dotsb");
        const std::string side = c.ownLine ? "x" : c.name;
        EXPECT_EQ(latex.substr(kHeader.size(), first.size()), first) << c.name;
        EXPECT_NE(latex.find("$" + side + " = [2;"), std::string::npos) << c.name << "\n" << latex;
    }
}

// Beyond 1000 quotients the bracket notation shows the first 999, \dotsc and
// the last; the period's bar begins where the period does.
TEST(LatexNotation, LongBracketNotationIsShortened) {
    std::vector<mpz_class> quotients;
    for (int i = 1; i <= 1100; ++i) quotients.emplace_back(i);
    const auto from = [](int first, int last, bool overlined) {
        std::string text;
        for (int i = first; i <= last; ++i) {
            text += (overlined ? "\\overline{" + std::to_string(i) + "}" : std::to_string(i)) + ", ";
        }
        return text;
    };
    const struct {
        std::optional<std::int64_t> periodStart;
        bool rational;
        std::string bracket;
    } cases[] = {
        {999, false,
         "x = [1; " + from(2, 998, false) + from(999, 999, true) + "\\overline{\\dotsc}, \\overline{1100}]"},
        {1020, false, "x = [1; " + from(2, 999, false) + "\\overline{\\dotsc}, \\overline{1100}]"},
        {1100, false, "x = [1; " + from(2, 999, false) + "\\dotsc, \\overline{1100}]"},
        {std::nullopt, true, "x = [1; " + from(2, 999, false) + "\\dotsc, 1100]"},
        {std::nullopt, false, "x = [1; " + from(2, 999, false) + "\\dotsc, 1100, \\dotsc]"},
    };
    for (const auto& c : cases) {
        const std::string latex = LatexNotation({quotients, c.periodStart, c.rational, false, {}}, {1, false});
        EXPECT_NE(latex.find(Paragraph(WithBreaks(c.bracket))), std::string::npos)
            << (c.periodStart ? *c.periodStart : 0);
    }
}

TEST(LatexNotation, StandaloneDocument) {
    EXPECT_EQ(LatexNotation({Quotients({3}), std::nullopt, true, false, Fractions({{3, 1}})}, {6, true}),
              "\\documentclass{article}\n\\usepackage{amsmath}\n\\begin{document}\n" +
                  Displays("x = 3", "x = [3]", R"(\frac{3}{1})") + "\\end{document}\n");
}

// Where pdflatex is installed, the deepest fraction and a long period
// compile without an error.
TEST(LatexNotation, CompilesWithPdflatex) {
    if (std::system("command -v pdflatex >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdflatex is not installed";
    std::string dirName = (std::filesystem::temp_directory_path() / "tamsel-latex-XXXXXX").string();
    ASSERT_NE(mkdtemp(dirName.data()), nullptr);
    const std::filesystem::path dir(dirName);
    std::vector<mpz_class> quotients{mpz_class(14)};
    for (int i = 0; i < 130; ++i) quotients.emplace_back(i % 7 + 1);
    const ExportedExpansion expansion{quotients, 2, false, true, Fractions({{14, 1}, {13, 1}})};
    {
        std::ofstream file(dir / "kettenbruch.tex");
        file << LatexNotation(expansion, {kMaxLatexDepth, true});
    }
    const std::string command =
        "cd '" + dir.string() + "' && pdflatex -interaction=nonstopmode -halt-on-error kettenbruch.tex >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << "see " << (dir / "kettenbruch.log");
    EXPECT_TRUE(std::filesystem::exists(dir / "kettenbruch.pdf"));
    if (!HasFailure()) std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tamsel
