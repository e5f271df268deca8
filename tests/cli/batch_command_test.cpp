// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../support/cli_run.h"

namespace tamsel {
namespace {

using Output = test::CliOutput;

Output Batch(const std::string& input, std::vector<std::string> args = {}) {
    args.insert(args.begin(), "--batch");
    return test::Cli(args, input);
}

TEST(Batch, OneObjectPerInputLineWithABadLineInTheMiddle) {
    const Output r = Batch(
        "# Wurzeln\n"
        "1 2 0 1\n"
        "\n"
        "1 2 x 1\n"
        "   # eingerückter Kommentar\n"
        "0 0 355 113   # pi, fast\r\n"
        "1 3 0\n"
        "1 2 0 0\n"
        "1 -2 0 1\n"
        "\t1\t7\t0\t1",
        {"--fields", "line,inputs,periodStart,periodLength,end", "--threads", "3"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(
        r.out,
        R"({"line":2,"inputs":{"koeff":1,"wurzel":2,"abs":0,"nenner":1},"periodStart":2,"periodLength":1,)"
        R"("end":"period"})"
        "\n"
        R"({"line":4,"error":"ABS ist keine ganze Zahl: „x“","code":"not-a-number"})"
        "\n"
        R"({"line":6,"inputs":{"koeff":0,"wurzel":0,"abs":355,"nenner":113},"periodStart":null,)"
        R"("periodLength":null,"end":"rational"})"
        "\n"
        R"({"line":7,"error":"erwartet werden vier ganze Zahlen (KOEFF WURZEL ABS NENNER), die Zeile hat 3","code":"field-count"})"
        "\n"
        R"({"line":8,"error":"NENNER darf nicht 0 sein","code":"zero-denominator"})"
        "\n"
        R"({"line":9,"error":"WURZEL darf nicht negativ sein","code":"negative-radicand"})"
        "\n"
        R"({"line":10,"inputs":{"koeff":1,"wurzel":7,"abs":0,"nenner":1},"periodStart":2,"periodLength":4,)"
        R"("end":"period"})"
        "\n");
}

TEST(Batch, OptionsApplyToEveryLine) {
    const Output r =
        Batch("1 2 0 1\n1 2566 0 1\n0 0 3 2\n", {"--variant", "--max-steps", "3", "--convergents", "2", "--trace",
                                                 "--fields", "quotients,period,steps,end,convergents,trace"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              R"({"quotients":[2],"period":[2,4],"steps":3,"end":"period","convergents":[[2,1],[3,2]],)"
              R"("trace":[[1,2,0,1,2],[1,2,2,2,2],[1,2,2,1,4],[1,2,2,2]]})"
              "\n"
              R"({"quotients":[51,3,11],"period":null,"steps":3,"end":"step-limit","convergents":[[51,1],[152,3]],)"
              R"("trace":[[1,2566,0,1,51],[1,2566,51,35,3],[1,2566,54,10,11],[1,2566,56,57]]})"
              "\n"
              R"({"quotients":[2,2],"period":null,"steps":2,"end":"rational","convergents":[[2,1],[3,2]],)"
              R"("trace":[[0,0,3,2,2],[0,0,2,1,2]]})"
              "\n");
}

// Many lines on many threads: every object is the one --exact --json gives
// for its line, in input order, and a bad last line keeps its number.
TEST(Batch, KeepsTheOrderOnManyThreads) {
    std::string input, expected;
    for (int i = 1; i <= 1500; ++i) {
        const std::vector<std::string> numbers{std::to_string(i % 5), std::to_string(i), std::to_string(i % 11 - 5),
                                               std::to_string(i % 7 + 1)};
        input += numbers[0] + " " + numbers[1] + " " + numbers[2] + " " + numbers[3] + "\n";
        if (i % 100 == 0) input += "# Abschnitt\n\n";
        std::vector<std::string> args{"--exact", "--json", "--convergents", "3"};
        args.insert(args.end(), numbers.begin(), numbers.end());
        const Output single = test::Cli(args);
        ASSERT_EQ(single.status, 0) << single.err;
        expected += single.out;
    }
    input += "1 2 0\n";
    expected +=
        R"({"line":1531,"error":"erwartet werden vier ganze Zahlen (KOEFF WURZEL ABS NENNER), die Zeile hat 3","code":"field-count"})"
        "\n";
    for (const char* threads : {"1", "2", "16"}) {
        const Output r = Batch(input, {"--convergents", "3", "--threads", threads});
        EXPECT_EQ(r.status, 1) << threads;
        EXPECT_EQ(r.out, expected) << threads;
    }
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 1501);
}

TEST(Batch, EmptyInputWritesNothing) {
    for (const char* input : {"", "\n\n", "# nur ein Kommentar\n", "   \t\r\n"}) {
        const Output r = Batch(input);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "");
    }
}

TEST(Batch, OutputThatCannotBeWritten) {
    std::string input;
    for (int d = 2; d < 5000; ++d) input += "1 " + std::to_string(d) + " 0 1\n";
    const Output r = test::CliOnFullDisk({"--batch"}, input);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "tamsel-cli: die Ausgabe kann nicht geschrieben werden\n");
}

}  // namespace
}  // namespace tamsel
