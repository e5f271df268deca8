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

std::string Displays(const std::string& fraction, const std::string& bracket, const std::string& fractions) {
    return kHeader + "\\[\n  " + fraction + "\n\\]\n\\[\n  " + bracket + "\n\\]\n\\[\n  " + fractions + "\n\\]\n";
}

TEST(LatexNotation, Expansions) {
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
        // The period 2, 4 continues: 2, 2, 4, 2, 4.
        {"Sqrt2Variant",
         {Quotients({2, 2, 4}), 2, false, true, Fractions({{2, 1}, {3, 2}, {10, 7}, {17, 12}, {58, 41}})},
         5,
         Displays(R"(x = 2 - \cfrac{1}{2 - \cfrac{1}{4 - \cfrac{1}{2 - \cfrac{1}{4 - \dotsb}}}})",
                  R"(x = [2; \overline{2, 4}])",
                  R"(\frac{2}{1},\quad \frac{3}{2},\quad \frac{10}{7},\quad \frac{17}{12},\quad \frac{58}{41},)"
                  R"(\quad \dotsc)")},
        {"GoldenRatio",
         {Quotients({1}), 1, false, false, Fractions({{1, 1}, {2, 1}, {3, 2}})},
         2,
         Displays(R"(x = 1 + \cfrac{1}{1 + \dotsb})", R"(x = [\overline{1}])",
                  R"(\frac{1}{1},\quad \frac{2}{1},\quad \dotsc)")},
        // The period 1, 3, 2 from step 1 continues: 1, 3, 2, 1.
        {"PeriodFromStepOne",
         {Quotients({1, 3, 2}), 1, false, false, Fractions({{1, 1}})},
         4,
         Displays(R"(x = 1 + \cfrac{1}{3 + \cfrac{1}{2 + \cfrac{1}{1 + \dotsb}}})", R"(x = [\overline{1; 3, 2}])",
                  R"(\frac{1}{1},\quad \dotsc)")},
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
        {"FailedAfterOneStep",
         {Quotients({5}), std::nullopt, false, false, Fractions({{5, 1}})},
         6,
         Displays(R"(x = 5 + \dotsb)", R"(x = [5; \dotsc])", R"(\frac{5}{1},\quad \dotsc)")},
        // A negative fraction carries its sign in front.
        {"NegativeValues",
         {Quotients({-2, 3}), std::nullopt, true, false, Fractions({{-2, 1}, {5, -3}})},
         6,
         Displays(R"(x = -2 + \cfrac{1}{3})", R"(x = [-2; 3])", R"(-\frac{2}{1},\quad -\frac{5}{3})")},
        // The nearest integer: each fraction after the sign of the quotient that follows.
        {"Sqrt7Nearest",
         {Quotients({3, -3, -6}), 2, false, false, Fractions({{3, 1}, {8, 3}, {45, 17}}), std::nullopt, 0, true},
         4,
         Displays(R"(x = 3 - \cfrac{1}{3 - \cfrac{1}{6 - \cfrac{1}{3 - \dotsb}}})", R"(x = [3; \overline{-3, -6}])",
                  R"(\frac{3}{1},\quad \frac{8}{3},\quad \frac{45}{17},\quad \dotsc)")},
        {"ThirteenEighthsNearest",
         {Quotients({2, -3, -3}), std::nullopt, true, false, Fractions({{2, 1}, {5, 3}, {13, 8}}), std::nullopt, 0,
          true},
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

// Beyond 100 quotients the bracket notation shows the first 99, \dotsc and
// the last; the period's bar begins where the period does.
TEST(LatexNotation, LongBracketNotationIsShortened) {
    std::vector<mpz_class> quotients;
    for (int i = 1; i <= 150; ++i) quotients.emplace_back(i);
    std::string from2To98 = "2";
    for (int i = 3; i <= 98; ++i) from2To98 += ", " + std::to_string(i);
    const struct {
        std::optional<std::int64_t> periodStart;
        bool rational;
        std::string bracket;
    } cases[] = {
        {99, false, "x = [1; " + from2To98 + ", \\overline{99, \\dotsc, 150}]"},
        {120, false, "x = [1; " + from2To98 + ", 99, \\overline{\\dotsc, 150}]"},
        {150, false, "x = [1; " + from2To98 + ", 99, \\dotsc, \\overline{150}]"},
        {std::nullopt, true, "x = [1; " + from2To98 + ", 99, \\dotsc, 150]"},
        {std::nullopt, false, "x = [1; " + from2To98 + ", 99, \\dotsc, 150, \\dotsc]"},
    };
    for (const auto& c : cases) {
        const std::string latex = LatexNotation({quotients, c.periodStart, c.rational, false, {}}, {1, false});
        EXPECT_NE(latex.find("\\[\n  " + c.bracket + "\n\\]\n"), std::string::npos)
            << (c.periodStart ? *c.periodStart : 0) << "\n"
            << latex;
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
