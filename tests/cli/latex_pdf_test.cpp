// SPDX-License-Identifier: GPL-3.0-or-later
// The LaTeX of tamsel-cli --tex --standalone as pdflatex prints it: every
// quotient of the bracket line and every approximating fraction is on the
// page, and no line is wider than the page's.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../support/cli_run.h"
#include "cli/export/exact_export.h"
#include "cli/export/export_output.h"
#include "exact/exact_expansion.h"
#include "notation/text_run.h"

namespace tamsel {
namespace {

constexpr std::uint64_t kMaxSteps = 5000;

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool Installed(const char* tool) {
    return std::system(("command -v " + std::string(tool) + " >/dev/null 2>&1").c_str()) == 0;
}

// The numbers the page must show, in their order: the bracket line's
// quotients (the first 999 and the last of a longer one), then numerator and
// denominator of each fraction shown.
std::vector<std::string> ExpectedNumbers(const ExportedExpansion& e, int depth) {
    std::vector<std::string> numbers;
    const std::uint64_t n = e.Length();
    for (std::uint64_t i = 1; i <= n; ++i) {
        if (n > 1000 && i == 1000) i = n;
        numbers.push_back(e.QuotientOfStep(i).get_str());
    }
    for (std::size_t w = 0; w < e.fractions.size() && w < static_cast<std::size_t>(depth); ++w) {
        numbers.push_back(mpz_class(abs(e.fractions[w].numerator)).get_str());
        numbers.push_back(mpz_class(abs(e.fractions[w].denominator)).get_str());
    }
    return numbers;
}

ExportedExpansion ExactRun(const std::string& koeff, const std::string& wurzel, const std::string& abs,
                           const std::string& nenner, bool variant, int depth) {
    const exact::ExactInput input{mpz_class(koeff), mpz_class(wurzel), mpz_class(abs), mpz_class(nenner)};
    return ExportOfExactRun(exact::ExactExpansion(input, variant, kMaxSteps), static_cast<std::uint64_t>(depth));
}

TEST(LatexPdf, EveryNumberIsOnThePage) {
    if (!Installed("pdflatex") || !Installed("pdftotext")) GTEST_SKIP() << "pdflatex or pdftotext is not installed";
    const std::string digits42 = "123456789012345678901234567890123456789012";
    const std::string digits2000(2000, '7');
    const std::string steps = std::to_string(kMaxSteps);
    const struct {
        const char* name;
        std::vector<std::string> args;
        ExportedExpansion expansion;
        int depth;
    } cases[] = {
        {"Sqrt7Depth20",
         {"--depth", "20", "1", "7", "0", "1"},
         ExportOfWindowRun(RunOnTexts({"1", "7", "0", "1"}, false), false),
         20},
        {"Sqrt2566FullPeriod",
         {"--exact", "--max-steps", steps, "1", "2566", "0", "1"},
         ExactRun("1", "2566", "0", "1", false, 6),
         6},
        {"Radicand42Digits",
         {"--exact", "--max-steps", steps, "1", digits42, "0", "1"},
         ExactRun("1", digits42, "0", "1", false, 6),
         6},
        {"Abs2000Digits",
         {"--exact", "--max-steps", steps, "1", "7", digits2000, "1"},
         ExactRun("1", "7", digits2000, "1", false, 6),
         6},
        {"Rational355Over113Variant",
         {"--variant", "0", "0", "355", "113"},
         ExportOfWindowRun(RunOnTexts({"0", "0", "355", "113"}, true), true),
         6},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"--tex", "--standalone"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const test::CliOutput tex = test::Cli(args);
        ASSERT_EQ(tex.err, "") << c.name;

        std::string dirName = (std::filesystem::temp_directory_path() / "tamsel-pdf-XXXXXX").string();
        ASSERT_NE(mkdtemp(dirName.data()), nullptr);
        const std::filesystem::path dir(dirName);
        std::ofstream(dir / "kettenbruch.tex") << tex.out;
        const std::string command = "cd '" + dir.string() +
                                    "' && pdflatex -interaction=nonstopmode -halt-on-error kettenbruch.tex "
                                    ">/dev/null 2>&1 && pdftotext -raw -enc UTF-8 kettenbruch.pdf kettenbruch.txt";
        ASSERT_EQ(std::system(command.c_str()), 0) << c.name << ": see " << dir;
        EXPECT_EQ(ReadText(dir / "kettenbruch.log").find("Overfull \\hbox"), std::string::npos) << c.name;

        // pdftotext, in the order the page was written, splits stacked fractions
        // and long numbers across lines; each page ends in its number.
        std::string text;
        std::istringstream pages(ReadText(dir / "kettenbruch.txt"));
        int pageNumber = 0;
        for (std::string page; std::getline(pages, page, '\f');) {
            while (!page.empty() && page.back() == '\n') page.pop_back();
            const std::string footer = "\n" + std::to_string(++pageNumber);
            if (page.ends_with(footer)) page.resize(page.size() - footer.size());
            for (const char ch : page) {
                if (ch != ' ' && ch != '\n') text += ch;
            }
        }
        std::size_t at = text.find('[');
        ASSERT_NE(at, std::string::npos) << c.name << ": no bracket line";
        for (const std::string& number : ExpectedNumbers(c.expansion, c.depth)) {
            at = text.find(number, at);
            ASSERT_NE(at, std::string::npos) << c.name << ": " << number << " is not on the page, see " << dir;
            at += number.size();
        }
        if (!HasFailure()) std::filesystem::remove_all(dir);
    }
}

}  // namespace
}  // namespace tamsel
