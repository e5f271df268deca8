#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace tamsel {
namespace {

struct CliOutput {
    int status;
    std::string out;
    std::string err;
};

CliOutput Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

const std::string kUsageFirstLine = "Aufruf: tamsel-cli [--variant] [--json] KOEFF WURZEL ABS NENNER\n";

TEST(TamselCli, JsonOfTheSquareRootOf2) {
    const CliOutput r = Cli({"--json", "1", "2", "0", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, R"({"notation":"x = [ 1; 2   Periode 2 ]\r\n",)"
                     R"("trace":" 1\t 2\t 0\t 1\t> 1\r\n 1\t 2\t 1\t 1\t> 2\r\n 1\t 2\t 1\t 1",)"
                     R"("fractions":" 1\r\n/ 1\r\n\r\n 3\r\n/ 2\r\n\r\n 7\r\n/ 5\r\n\r\n 17\r\n/ 12\r\n\r\n)"
                     R"( 41\r\n/ 29\r\n\r\n 99\r\n/ 70\r\n\r\n 239\r\n/ 169\r\n\r\n 577\r\n/ 408\r\n\r\n)"
                     R"( 1393\r\n/ 985\r\n\r\n 3363\r\n/ 2378\r\n\r\n 8119\r\n/ 5741\r\n\r\n 19601\r\n/ 13860\r\n\r\n)"
                     R"( 47321\r\n/ 33461\r\n\r\n 114243\r\n/ 80782\r\n\r\n 275807\r\n/ 195025\r\n\r\n)"
                     R"( 665857\r\n/ 470832\r\n\r\n 1607521\r\n/ 1136689\r\n\r\n 3880899\r\n/ 2744210\r\n\r\n)"
                     R"( 9369319\r\n/ 6625109\r\n\r\n 22619537\r\n/ 15994428\r\n\r\n",)"
                     R"("inputs":{"koeff":"1","wurzel":"2","abs":"0","nenner":"1"},)"
                     R"("messages":[],"n":20,"periodStart":2})"
                     "\n");
}

struct JsonCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    // Pieces of the JSON object, as written (escaped).
    std::string notation;
    std::string inputs;
    std::string tail;  // messages, n and periodStart up to the end
};

void PrintTo(const JsonCase& c, std::ostream* os) { *os << c.name; }

class CliExamples : public ::testing::TestWithParam<JsonCase> {};

TEST_P(CliExamples, JsonPieces) {
    std::vector<std::string> args{"--json"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const CliOutput r = Cli(args);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(r.out.rfind("{\"notation\":\"" + GetParam().notation + "\",\"trace\":", 0), 0u) << r.out;
    EXPECT_NE(r.out.find(",\"inputs\":{" + GetParam().inputs + "},"), std::string::npos) << r.out;
    const std::string tail = ",\"messages\":[" + GetParam().tail + "}\n";
    ASSERT_GE(r.out.size(), tail.size());
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
}

const char* const kOneToOne = R"("koeff":"1","wurzel":"2","abs":"0","nenner":"1")";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Examples, CliExamples,
    ::testing::Values(
        JsonCase{"SquareRootOf2Variant", {"--variant", "1", "2", "0", "1"}, 0,
                 R"(x = [ 2; 2, 4   Periode 2 4 ]\r\n)",
                 kOneToOne, R"(],"n":20,"periodStart":2)"},
        JsonCase{"SquareRootOf7", {"1", "7", "0", "1"}, 0,
                 R"(x = [ 2; 1, 1, 1, 4   Periode 1 1 1 4 ]\r\n)",
                 R"("koeff":"1","wurzel":"7","abs":"0","nenner":"1")", R"(],"n":20,"periodStart":2)"},
        JsonCase{"ReducedInputs", {"2", "2", "4", "6"}, 0,
                 R"(x = [ 1; 7, 4, 8   Periode 4 8 ]\r\n)",
                 R"("koeff":"1","wurzel":"2","abs":"2","nenner":"3")", R"(],"n":20,"periodStart":3)"},
        JsonCase{"TwoThirds", {"0", "0", "4", "6"}, 0,
                 R"(x = [ 0; 1, 2 ]\r\n)",
                 R"("koeff":"0","wurzel":"0","abs":"4","nenner":"6")", R"(],"n":3,"periodStart":null)"},
        JsonCase{"LargeKoeff", {"93222358", "2", "0", "1"}, 0,
                 R"(x = [ 131836322; 1, 263672644   Periode 1 263672644 ]\r\n)",
                 R"("koeff":"93222358","wurzel":"2","abs":"0","nenner":"1")", R"(],"n":20,"periodStart":2)"},
        // Negative numbers are plain arguments.
        JsonCase{"NegativeX", {"1", "2", "-5", "1"}, 1,
                 R"(x = [ ]\r\n)",
                 R"("koeff":"1","wurzel":"2","abs":"-5","nenner":"1")",
                 R"("Bitte x > 0 beachten","Das ist keine gute Eingabe!"],"n":0,"periodStart":null)"},
        JsonCase{"NennerZero", {"1", "2", "0", "0"}, 1,
                 R"(x = [ ]\r\n)",
                 R"("koeff":"1","wurzel":"2","abs":"0","nenner":"0")",
                 R"("Das ist keine gute Eingabe!"],"n":0,"periodStart":null)"},
        JsonCase{"NegativeWurzel", {"1", "-2", "0", "1"}, 1,
                 R"(x = [ ]\r\n)",
                 R"("koeff":"1","wurzel":"-2","abs":"0","nenner":"1")",
                 R"("Das ist keine gute Eingabe!"],"n":0,"periodStart":null)"},
        JsonCase{"OverflowAfterTwoSteps", {"100000", "2", "0", "1"}, 1,
                 R"(x = [ 141421; 2, ]\r\n)",
                 R"("koeff":"100000","wurzel":"2","abs":"0","nenner":"1")",
                 R"("Das ist keine gute Eingabe!"],"n":2,"periodStart":null)"},
        JsonCase{"StepLimit", {"1", "2566", "0", "1"}, 1,
                 R"(x = [ 50; 1, 1, 1, 9, 2, 6, 1, 3, 5, 2, 1, 2, 2, 1, 1, 1, 1, 4, 1, 2, 1, 1, 4, 33, 1, 1, 4, 3, )"
                 R"(6, 2, 3, 1, 16, 9, 6, 1, 1, 1, 4, 5, 1, 2, 1, 10, 1, 1, 13, 1, 19, 3, 50, 3, 19, 1, 13, 1, 1, )"
                 R"(10, 1, 2, 1, 5, 4, 1, 1, 1, 6, 9, 16, 1, 3, 2, 6, 3, 4, 1, 1, 33, 4, 1, 1, 2, 1, 4, 1, 1, 1, 1, )"
                 R"(2, 2, 1, 2, 5, 3, 1, 6, 2, 9, 1, ]\r\n)",
                 R"("koeff":"1","wurzel":"2566","abs":"0","nenner":"1")",
                 R"("Das ist keine gute Eingabe!"],"n":101,"periodStart":null)"},
        // The texts are read as the input boxes read them; wurzel's text is
        // never rewritten.
        JsonCase{"BlankBeforeWurzel", {"1", " 7", "0", "1"}, 0,
                 R"(x = [ 2; 1, 1, 1, 4   Periode 1 1 1 4 ]\r\n)",
                 R"("koeff":"1","wurzel":" 7","abs":"0","nenner":"1")", R"(],"n":20,"periodStart":2)"},
        JsonCase{"TrailingLettersAndPlus", {"0", "0", "12abc", "+3"}, 0,
                 R"(x = [ 4 ]\r\n)",
                 R"("koeff":"0","wurzel":"0","abs":"12","nenner":"3")", R"(],"n":1,"periodStart":null)"},
        JsonCase{"Exponent", {"0", "2", "1e3", "+3"}, 0,
                 R"(x = [ 333; 3 ]\r\n)",
                 R"("koeff":"0","wurzel":"2","abs":"1000","nenner":"3")", R"(],"n":2,"periodStart":null)"},
        JsonCase{"BeyondDoubleRange", {"1", "2", "1e400", "1"}, 1,
                 R"(x = [ ]\r\n)",
                 R"("koeff":"1","wurzel":"2","abs":"1e400","nenner":"1")",
                 R"("Das ist keine gute Eingabe!"],"n":0,"periodStart":null)"},
        // After "--" everything is a number text: "--variant" there reads as 0.
        JsonCase{"NegativeAfterDashDash", {"--", "-1", "2", "5", "1"}, 0,
                 R"(x = [ 3; 1, 1, 2   Periode 2 ]\r\n)",
                 R"("koeff":"-1","wurzel":"2","abs":"5","nenner":"1")", R"(],"n":20,"periodStart":4)"},
        JsonCase{"OptionAfterDashDash", {"--", "--variant", "2", "3", "1"}, 0,
                 R"(x = [ 3 ]\r\n)",
                 R"("koeff":"0","wurzel":"2","abs":"3","nenner":"1")", R"(],"n":1,"periodStart":null)"},
        // Odd bytes in a text that is shown again.
        JsonCase{"OddBytes", {"1", "2\"\\\x01\x7f\xff\xc3\xa4\t", "0", "1"}, 0,
                 R"(x = [ 1; 2   Periode 2 ]\r\n)",
                 R"("koeff":"1","wurzel":"2\"\\\u0001\u007f\ufffd)" "\xc3\xa4" R"(\t","abs":"0","nenner":"1")",
                 R"(],"n":20,"periodStart":2)"}),
    [](const ::testing::TestParamInfo<JsonCase>& info) { return info.param.name; });
// clang-format on

TEST(TamselCli, MessagesGoToTheErrorStream) {
    const CliOutput r = Cli({"1", "2", "-5", "1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Bitte x > 0 beachten\nDas ist keine gute Eingabe!\n");
    EXPECT_EQ(r.out.rfind("x = [ ]\n\n", 0), 0u);
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
}

TEST(TamselCli, UsageErrors) {
    const std::vector<std::vector<std::string>> calls{{},         {"1", "2", "0"},           {"1", "2", "0", "1", "5"},
                                                      {"--json"}, {"--json", "1", "2", "0"}, {"--", "1", "2"}};
    for (const auto& args : calls) {
        const CliOutput r = Cli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("tamsel-cli: es werden genau vier Zahlen erwartet\n" + kUsageFirstLine, 0), 0u) << r.err;
    }
    for (const std::string option : {"--bogus", "--JSON", "--variant=1", "---"}) {
        const CliOutput r = Cli({option, "1", "2", "0", "1"});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("tamsel-cli: unbekannte Option " + option + "\n" + kUsageFirstLine, 0), 0u) << r.err;
    }
}

TEST(TamselCli, HelpAndVersion) {
    const CliOutput help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind(kUsageFirstLine, 0), 0u);
    // The same text as after a usage error.
    const CliOutput wrong = Cli({"1"});
    EXPECT_EQ(wrong.err.substr(wrong.err.find('\n') + 1), help.out);
    EXPECT_EQ(Cli({"--json", "--help", "1"}).out, help.out);

    const CliOutput version = Cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.err, "");
    EXPECT_TRUE(std::regex_match(version.out, std::regex("tamsel-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.out;
}

}  // namespace
}  // namespace tamsel
