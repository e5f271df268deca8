// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "../support/cli_run.h"

namespace tamsel {
namespace {

using test::Cli;
using test::CliOutput;

const std::string kUsageFirstLine = "Aufruf: tamsel-cli [--variant] [--json] [EXPORT] KOEFF WURZEL ABS NENNER\n";

// The whole object once, with every text the run wrote.
TEST(TamselCli, JsonOfTwoThirds) {
    const CliOutput r = Cli({"--json", "0", "0", "4", "6"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, R"({"notation":"x = [ 0; 1, 2 ]\r\n",)"
                     R"("trace":" 0\t 0\t 4\t 6\t> 0\r\n 0\t 0\t 3\t 2\t> 1\r\n 0\t 0\t 2\t 1\t> 2\r\n",)"
                     R"("fractions":" 0\r\n/ 1\r\n\r\n 1\r\n/ 1\r\n\r\n 2\r\n/ 3\r\n\r\n",)"
                     R"("inputs":{"koeff":"0","wurzel":"0","abs":"4","nenner":"6"},)"
                     R"("messages":[],"n":3,"periodStart":null,"failure":null})"
                     "\n");
}

TEST(TamselCli, JsonExamples) {
    const char* const kOneToOne = R"("koeff":"1","wurzel":"2","abs":"0","nenner":"1")";
    const struct {
        std::vector<std::string> args;  // after --json
        int status;
        // Pieces of the JSON object, as written (escaped).
        std::string notation;
        std::string inputs;
        std::string tail;  // messages, n, periodStart and failure up to the end
    } cases[] = {
        // clang-format off
        {{"--variant", "1", "2", "0", "1"}, 0, R"(x = [ 2; 2, 4   Periode 2 4 ]\r\n)", kOneToOne,
         R"(],"n":20,"periodStart":2,"failure":null)"},
        {{"2", "2", "4", "6"}, 0, R"(x = [ 1; 7, 4, 8   Periode 4 8 ]\r\n)",
         R"("koeff":"1","wurzel":"2","abs":"2","nenner":"3")", R"(],"n":20,"periodStart":3,"failure":null)"},
        // Negative numbers are plain arguments.
        {{"1", "2", "-5", "1"}, 1, R"(x = [ ]\r\n)", R"("koeff":"1","wurzel":"2","abs":"-5","nenner":"1")",
         R"("Bitte x > 0 beachten","Das ist keine gute Eingabe!"],"n":0,"periodStart":null,"failure":"negative-x")"},
        {{"100000", "2", "0", "1"}, 1, R"(x = [ 141421; 2, ]\r\n)",
         R"("koeff":"100000","wurzel":"2","abs":"0","nenner":"1")",
         R"("Das ist keine gute Eingabe!"],"n":2,"periodStart":null,"failure":"int32-overflow")"},
        // The texts are read as the input boxes read them.
        {{"0", "0", "12abc", "+3"}, 0, R"(x = [ 4 ]\r\n)", R"("koeff":"0","wurzel":"0","abs":"12","nenner":"3")",
         R"(],"n":1,"periodStart":null,"failure":null)"},
        // After "--" everything is a number text: "--variant" there reads as 0.
        {{"--", "--variant", "2", "3", "1"}, 0, R"(x = [ 3 ]\r\n)",
         R"("koeff":"0","wurzel":"2","abs":"3","nenner":"1")", R"(],"n":1,"periodStart":null,"failure":null)"},
        // Odd bytes in a text that is shown again; wurzel's text is never rewritten.
        {{"1", "2\"\\\x01\x7f\xff\xc3\xa4\t", "0", "1"}, 0, R"(x = [ 1; 2   Periode 2 ]\r\n)",
         R"("koeff":"1","wurzel":"2\"\\\u0001\u007f\ufffd)" "\xc3\xa4" R"(\t","abs":"0","nenner":"1")",
         R"(],"n":20,"periodStart":2,"failure":null)"},
    };  // clang-format on
    for (const auto& c : cases) {
        std::vector<std::string> args{"--json"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliOutput r = Cli(args);
        EXPECT_EQ(r.status, c.status) << r.out;
        EXPECT_EQ(r.out.rfind("{\"notation\":\"" + c.notation + "\",\"trace\":", 0), 0u) << r.out;
        EXPECT_NE(r.out.find(",\"inputs\":{" + c.inputs + "},"), std::string::npos) << r.out;
        const std::string tail = ",\"messages\":[" + c.tail + "}\n";
        ASSERT_GE(r.out.size(), tail.size());
        EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
    }
}

// Each way a run can fail, named in the JSON object.
TEST(TamselCli, JsonNamesTheFailure) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"1", "2", "-5", "1"}, "\"negative-x\""},
        {{"1", "2", "0", "0"}, "\"zero-denominator\""},
        {{"1", "-2", "0", "1"}, "\"negative-radicand\""},
        {{"100000", "2", "0", "1"}, "\"int32-overflow\""},
        {{"0", "0", "9007199254740994", "1"}, "\"beyond-2^53\""},
        {{"1", "2566", "0", "1"}, "\"step-limit\""},
        {{"1", "2", "1e400", "1"}, "\"unreadable-input\""},
        {{"0.5", "2", "0", "1"}, "\"non-whole-input\""},
        {{"1", "2", "9007199254740993", "1"}, "\"inexact-input\""},
        {{"1", "2", "0", "1"}, "null"},
    };
    for (const auto& [numbers, failure] : cases) {
        std::vector<std::string> args{"--json", "--"};
        args.insert(args.end(), numbers.begin(), numbers.end());
        const CliOutput r = Cli(args);
        const std::string tail = std::string(",\"failure\":") + failure + "}\n";
        ASSERT_GE(r.out.size(), tail.size());
        EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail) << numbers[0] << " " << numbers[1];
        EXPECT_EQ(r.status, std::string(failure) == "null" ? 0 : 1);
    }
}

TEST(TamselCli, PlainOutput) {
    const CliOutput r = Cli({"0", "0", "4", "6"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "x = [ 0; 1, 2 ]\n"
              "\n"
              "Parameterfolge der quadratischen Irrationalitäten:\n"
              "  koeff  wurzel  abs  nenner  k\n"
              "      0       0    4       6  0\n"
              "      0       0    3       2  1\n"
              "      0       0    2       1  2\n"
              "\n"
              "Approximierende Brüche:\n"
              "  0/1\n"
              "  1/1\n"
              "  2/3\n");
    const CliOutput periodic = Cli({"--variant", "1", "2", "0", "1"});
    EXPECT_NE(periodic.out.find("      1       2    2       2\n\nApproximierende Brüche:\n  2/1\n  3/2\n  10/7\n"),
              std::string::npos)
        << periodic.out;
    // Messages go to the error stream.
    const CliOutput failed = Cli({"1", "2", "-5", "1"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "tamsel-cli: Bitte x > 0 beachten\ntamsel-cli: Das ist keine gute Eingabe!\n");
    EXPECT_EQ(failed.out.rfind("x = [ ]\n\n", 0), 0u);
}

TEST(TamselCli, UsageErrorsGiveOneUsageLineAndAHint) {
    const std::string count = "tamsel-cli: es werden genau vier Zahlen erwartet\n";
    const std::string option = "tamsel-cli: unbekannte Option ";
    const std::pair<std::vector<std::string>, std::string> calls[] = {
        {{"1", "2", "0"}, count},
        {{"1", "2", "0", "1", "5"}, count},
        {{"--", "-h", "2", "0"}, count},  // after "--" even -h is a number text
        {{"--bogus", "1", "2", "0", "1"}, option + "--bogus\n"},
        {{"--JSON", "1", "2", "0", "1"}, option + "--JSON\n"},
        {{"--variant=1", "1", "2", "0", "1"}, "tamsel-cli: --variant nimmt keinen Wert\n"},
    };
    for (const auto& [args, error] : calls) {
        const CliOutput r = Cli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, error + kUsageFirstLine + "Mehr dazu mit „tamsel-cli --help“.\n");
    }
}

TEST(TamselCli, HelpAndVersion) {
    const CliOutput help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("Aufruf: tamsel-cli [--variant] [--json] [EXPORT] KOEFF WURZEL ABS NENNER\n", 0), 0u);
    EXPECT_NE(help.out.find("3 eine Datei oder die Ausgabe ließ sich nicht schreiben"), std::string::npos);
    EXPECT_EQ(Cli({"--json", "--help", "1"}).out, help.out);
    EXPECT_EQ(Cli({"-h"}).out, help.out);

    const CliOutput version = Cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.err, "");
    EXPECT_TRUE(std::regex_match(version.out, std::regex("tamsel-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.out;
    EXPECT_EQ(Cli({"-V"}).out, version.out);
}

// The texts are read as the input boxes read them, but what is ignored of a
// text is said on the error stream, one line per text.
TEST(TamselCli, PartlyReadNumbersAreNamed) {
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"12abc", "2", "0", "1"}, "tamsel-cli: „12abc“ ist keine reine Zahl; gelesen wird 12\n"},
        {{"1", "1,5", "abc", "1"},
         "tamsel-cli: „1,5“ ist keine reine Zahl; gelesen wird 1\n"
         "tamsel-cli: „abc“ ist keine reine Zahl; gelesen wird 0\n"},
        {{" 1 ", "+2", "0.0", "1e0"}, ""},
        {{"1", "2", "0", "1e400x"},
         "tamsel-cli: „1e400x“ ist keine reine Zahl; gelesen wird eine Zahl außerhalb des Zahlbereichs\n"
         "tamsel-cli: Das ist keine gute Eingabe!\n"},
    };
    for (const auto& c : cases) {
        const CliOutput r = Cli(c.args);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST(TamselCli, OutputThatCannotBeWrittenIsAFailure) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"1", "7", "0", "1"}, {"--json", "1", "2", "0", "1"}, {"--help"}}) {
        const CliOutput r = test::CliOnFullDisk(args);
        EXPECT_EQ(r.status, 3) << args[0];
        EXPECT_EQ(r.err, "tamsel-cli: die Ausgabe kann nicht geschrieben werden\n");
    }
}

// The program itself, its standard output on a full device.
TEST(TamselCli, FullDeviceGivesStatusThree) {
    const std::string command = std::string(TAMSEL_CLI_PROGRAM) + " 1 7 0 1 > /dev/full 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
}

}  // namespace
}  // namespace tamsel
