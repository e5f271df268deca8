// SPDX-License-Identifier: GPL-3.0-or-later
// tamsel-cli's exports: the options, what a run hands to them, and the files
// and texts written.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../support/cli_run.h"
#include "cli/command_line/parse_command.h"
#include "cli/export/exact_export.h"
#include "cli/export/export_options.h"
#include "cli/export/export_output.h"
#include "notation/latex_notation.h"
#include "notation/text_run.h"

namespace tamsel {
namespace {

using test::Cli;
using test::CliOutput;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class TempDir {
public:
    TempDir() {
        std::string name = (std::filesystem::temp_directory_path() / "tamsel-export-XXXXXX").string();
        if (mkdtemp(name.data())) path = name;
    }
    ~TempDir() {
        if (!path.empty()) std::filesystem::remove_all(path);
    }
    std::filesystem::path path;
};

// The options as one line: SVG file, size, colours, then the LaTeX settings.
std::string Described(const ExportOptions& o) {
    return "svg=" + o.svgFile.value_or("(keine)") + " " + std::to_string(o.width) + "x" + std::to_string(o.height) +
           (o.windowColours ? " fenster" : " druck") + (o.tex ? " tex" : " -") + " depth=" + std::to_string(o.depth) +
           (o.standalone ? " standalone" : "");
}

TEST(ExportOptions, ReadWithTheOtherOptions) {
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> numbers;
        std::string options;
    } cases[] = {
        // clang-format off
        {{"--svg", "a.svg", "--variant", "1", "2", "0", "1"}, {"1", "2", "0", "1"},
         "svg=a.svg 840x507 druck - depth=6"},
        {{"--svg=-", "--size", "1024X300", "--window-colours", "-1", "2", "5", "1"}, {"-1", "2", "5", "1"},
         "svg=- 1024x300 fenster - depth=6"},
        {{"--tex", "--depth=100", "--standalone", "1", "2", "0", "1"}, {"1", "2", "0", "1"},
         "svg=(keine) 840x507 druck tex depth=100 standalone"},
        {{"--exact", "--svg", "b.svg", "--window-colors", "--size=1x1", "--tex", "--depth", "1", "1", "2", "0", "1"},
         {"1", "2", "0", "1"}, "svg=b.svg 1x1 fenster tex depth=1"},
        // After "--" nothing is an option any more.
        {{"--tex", "--", "--svg", "x", "1", "2"}, {"--svg", "x", "1", "2"},
         "svg=(keine) 840x507 druck tex depth=6"},
    };  // clang-format on
    for (const auto& c : cases) {
        const ParsedCommand parsed = ParseCommandLine(c.args);
        EXPECT_EQ(parsed.error, "");
        EXPECT_EQ(parsed.command.numbers, c.numbers);
        EXPECT_EQ(Described(parsed.command.exports), c.options);
    }
}

TEST(ExportOptions, UsageErrors) {
    const std::string svgName = "--svg erwartet einen Dateinamen (oder - für die Standardausgabe)";
    const auto size = [](const std::string& value) {
        return "--size erwartet Breite und Höhe in Pixeln wie 840x507 (je 1 bis 100000), nicht „" + value + "“";
    };
    const auto depth = [](const std::string& value) {
        return "--depth erwartet eine ganze Zahl von 1 bis 100, nicht „" + value + "“";
    };
    const std::pair<std::vector<std::string>, std::string> calls[] = {
        {{"--svg"}, "--svg erwartet einen Wert"},
        {{"--svg="}, svgName},
        {{"--svg", "--tex", "1", "2", "0", "1"}, svgName},
        {{"--svg", "a.svg", "--size", "840"}, size("840")},
        {{"--svg", "a.svg", "--size", "0x507"}, size("0x507")},
        {{"--svg", "a.svg", "--size", "840x-5"}, size("840x-5")},
        {{"--svg", "a.svg", "--size", "100001x5"}, size("100001x5")},
        {{"--svg", "a.svg", "--size", "8 40x507"}, size("8 40x507")},
        {{"--svg", "a.svg", "--size"}, "--size erwartet einen Wert"},
        {{"--tex", "--depth", "101"}, depth("101")},
        {{"--tex", "--depth", "06"}, depth("06")},
        {{"--tex", "--depth", "99999999999999999999"}, depth("99999999999999999999")},
        {{"--size", "10x10", "1", "2", "0", "1"}, "--size gilt nur zusammen mit --svg"},
        {{"--window-colours"}, "--window-colours gilt nur zusammen mit --svg"},
        {{"--depth", "3"}, "--depth gilt nur zusammen mit --tex"},
        {{"--standalone", "--svg", "a.svg"}, "--standalone gilt nur zusammen mit --tex"},
        {{"--svg", "-", "--tex"}, "--svg - und --tex können nicht beide auf die Standardausgabe schreiben"},
    };
    for (const auto& [call, message] : calls) EXPECT_EQ(ParseCommandLine(call).error, message);
}

const std::string kSqrt2Latex =
    "% Kettenbruch aus Tamsel; braucht \\usepackage{amsmath}\n"
    "\\[\n  x = 1 + \\cfrac{1}{2 + \\cfrac{1}{2 + \\dotsb}}\n\\]\n"
    "\\[\n  x = [1; \\overline{2}]\n\\]\n"
    "\\[\n  \\frac{1}{1},\\quad \\frac{3}{2},\\quad \\frac{7}{5},\\quad \\dotsc\n\\]\n";

// An exact run exports what the window's run exports (the quotients the
// window recorded, its period or rational end, the fractions it listed),
// where the window expands without failure.
TEST(ExportOfExactRun, AgreesWithTheWindowsRun) {
    const std::array<std::string, 4> inputs[] = {
        {"1", "2", "0", "1"}, {"1", "7", "0", "1"}, {"1", "5", "1", "2"}, {"0", "2", "3", "2"}, {"2", "2", "4", "6"}};
    for (const auto& texts : inputs) {
        for (const bool variant : {false, true}) {
            const TextRun run = RunOnTexts(texts, variant);
            const ExportedExpansion window = ExportOfWindowRun(run, variant);
            const exact::ExactInput input{mpz_class(texts[0]), mpz_class(texts[1]), mpz_class(texts[2]),
                                          mpz_class(texts[3])};
            const ExportedExpansion exactRun =
                ExportOfExactRun(exact::ExactExpansion(input, variant, 1000), window.fractions.size());
            SCOPED_TRACE(::testing::Message() << texts[0] << " " << texts[1] << " " << texts[2] << " " << texts[3]
                                              << (variant ? " variant" : ""));
            EXPECT_EQ(window.variant, variant);
            EXPECT_EQ(exactRun.variant, variant);
            EXPECT_EQ(exactRun.quotients, window.quotients);
            EXPECT_EQ(exactRun.Length(), window.Length());
            EXPECT_EQ(exactRun.periodStart, window.periodStart);
            EXPECT_EQ(exactRun.rational, window.rational);
            EXPECT_EQ(exactRun.fractions, window.fractions);
        }
    }
}

// A long exact run keeps its first quotients and its last: the picture draws
// the first 100 without a period mark, the bracket notation closes with the
// last quotient under the period's bar.
TEST(ExportOfExactRun, LongPeriod) {
    const exact::ExactInput sqrt{1, mpz_class("1000000000039"), 0, 1};
    const ExportedExpansion e = ExportOfExactRun(exact::ExactExpansion(sqrt, false, 1000000), 6);
    EXPECT_EQ(e.quotients.size(), 100u);
    EXPECT_EQ(e.Length(), 532573u);
    EXPECT_EQ(e.QuotientOfStep(532573), 2000000);
    EXPECT_EQ(e.periodStart, 2);
    EXPECT_EQ(e.fractions.size(), 6u);
    const std::string svg = SvgOfExpansion(e, 840, 507, false);
    EXPECT_EQ(svg.find("Periode"), std::string::npos);
    const std::string tex = LatexNotation(e, {});
    EXPECT_NE(tex.find("x = [1000000; \\overline{51282, 19, 2, "), std::string::npos) << tex;
    EXPECT_NE(tex.find(", 4, 1, \\dotsc, 2000000}]\n"), std::string::npos) << tex;
}

TEST(TamselCliExport, ExactRunsExportButBatchesDoNot) {
    EXPECT_EQ(Cli({"--exact", "--tex", "1", "2", "0", "1"}).out, Cli({"--tex", "1", "2", "0", "1"}).out);
    const CliOutput batch = Cli({"--batch", "--svg", "bild.svg"}, "1 2 0 1\n");
    EXPECT_EQ(batch.status, 2);
    EXPECT_EQ(batch.out, "");
    EXPECT_EQ(batch.err.rfind("tamsel-cli: --svg gilt nicht mit --batch\n", 0), 0u);
}

TEST(TamselCliExport, TexReplacesTheUsualOutput) {
    const CliOutput r = Cli({"--tex", "--depth", "3", "1", "2", "0", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, kSqrt2Latex);

    const CliOutput failed = Cli({"--tex", "100000", "2", "0", "1"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "tamsel-cli: Das ist keine gute Eingabe!\n");
    EXPECT_NE(failed.out.find("\\[\n  x = [141421; 2, \\dotsc]\n\\]\n"), std::string::npos) << failed.out;
}

TEST(TamselCliExport, SvgIntoAFileOrOntoStandardOutput) {
    TempDir dir;
    ASSERT_FALSE(dir.path.empty());
    const std::string file = (dir.path / "wurzel2.svg").string();
    const CliOutput usual = Cli({"1", "2", "0", "1"});

    const CliOutput toFile = Cli({"--svg", file, "1", "2", "0", "1"});
    EXPECT_EQ(toFile.status, 0);
    EXPECT_EQ(toFile.out, usual.out) << "the usual output stays";
    const std::string svg = ReadFile(file);
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n", 0), 0u) << svg;
    EXPECT_NE(svg.find(">Periode</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("fill=\"#ffffff\"/>"), std::string::npos) << "black on white by default";

    const CliOutput toOut = Cli({"--svg", "-", "1", "2", "0", "1"});
    EXPECT_EQ(toOut.status, 0);
    EXPECT_EQ(toOut.out, svg) << "the SVG and nothing else";

    // An SVG file and LaTeX on standard output together.
    const CliOutput both =
        Cli({"--svg=" + file, "--window-colours", "--size", "420x300", "--tex", "--depth", "3", "1", "2", "0", "1"});
    EXPECT_EQ(both.out, kSqrt2Latex);
    const std::string windowSvg = ReadFile(file);
    EXPECT_NE(windowSvg.find("width=\"420\" height=\"300\""), std::string::npos) << windowSvg;
    EXPECT_NE(windowSvg.find("fill=\"#000040\"/>"), std::string::npos) << windowSvg;
}

TEST(TamselCliExport, FilesThatCannotBeWritten) {
    TempDir dir;
    ASSERT_FALSE(dir.path.empty());
    const std::string missing = (dir.path / "fehlt" / "bild.svg").string();
    const struct {
        std::string file;
        std::string message;
    } cases[] = {
        {missing,
         "tamsel-cli: die Datei " + missing + " kann nicht geschrieben werden: das Verzeichnis gibt es nicht\n"},
        {dir.path.string(),
         "tamsel-cli: die Datei " + dir.path.string() + " kann nicht geschrieben werden: das ist ein Verzeichnis\n"},
    };
    for (const auto& c : cases) {
        const CliOutput r = Cli({"--svg", c.file, "1", "2", "0", "1"});
        EXPECT_EQ(r.status, 3);
        EXPECT_EQ(r.err, c.message);
    }
    const CliOutput tex = test::CliOnFullDisk({"--tex", "1", "2", "0", "1"});
    EXPECT_EQ(tex.status, 3);
    EXPECT_EQ(tex.err, "tamsel-cli: die Ausgabe kann nicht geschrieben werden\n");
}

TEST(TamselCliExport, JsonDoesNotShareStandardOutputWithAnExport) {
    const std::string usage =
        "Aufruf: tamsel-cli [--variant] [--json] [EXPORT] KOEFF WURZEL ABS NENNER\nMehr dazu mit „tamsel-cli "
        "--help“.\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--json", "--tex", "1", "2", "0", "1"},
          std::vector<std::string>{"--svg", "-", "--json", "1", "2", "0", "1"}}) {
        const CliOutput r = Cli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "tamsel-cli: --json und eine Ausgabe von --tex oder --svg - schließen einander aus\n" + usage);
    }
}

}  // namespace
}  // namespace tamsel
