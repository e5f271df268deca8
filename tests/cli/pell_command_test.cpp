// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "../support/cli_run.h"

#include "cli/command_line/messages.h"
#include "cli/json/json_text.h"

namespace tamsel {
namespace {

using Output = test::CliOutput;

Output Pell(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "--pell");
    return test::Cli(args, input);
}

TEST(PellCommand, PlainTextOneFactPerLine) {
    const struct {
        std::vector<std::string> args;
        std::string out;
    } table[] = {
        {{"7"},
         "√7: Periodenlänge 4\n"
         "x² − 7·y² = 1: x = 8, y = 3\n"
         "x² − 7·y² = −1: keine Lösung, die Periodenlänge 4 ist gerade\n"
         "Grundeinheit von ℤ[√7] (Diskriminante 28): 8 + 3·√7, Norm 1\n"
         "Regulator von ℤ[√7]: 2,76865938331357383273200140938\n"
         "ℤ[√7] ist der Ganzheitsring von ℚ(√7), wenn 7 quadratfrei ist\n"},
        {{"--precision", "5", "13"},
         "√13: Periodenlänge 5\n"
         "x² − 13·y² = 1: x = 649, y = 180\n"
         "x² − 13·y² = −1: x = 18, y = 5\n"
         "Grundeinheit von ℤ[√13] (Diskriminante 52): 18 + 5·√13, Norm −1\n"
         "Regulator von ℤ[√13]: 3,5843\n"
         "(1 + √13)/2: Periodenlänge 1\n"
         "x² − 13·y² = 4: x = 11, y = 3\n"
         "x² − 13·y² = −4: x = 3, y = 1\n"
         "Grundeinheit von ℤ[(1 + √13)/2] (Diskriminante 13): (3 + √13)/2, Norm −1\n"
         "Regulator von ℤ[(1 + √13)/2]: 1,1948\n"
         "ℤ[(1 + √13)/2] ist der Ganzheitsring von ℚ(√13), wenn 13 quadratfrei ist\n"},
        {{"--fields", "pell", "1000099"},
         "x² − 1000099·y² = 1: x = 91194896410409038028…61841502142009449330 (1128 Stellen), "
         "y = 91190382598184515596…38248616796909655601 (1125 Stellen)\n"},
        {{"--norm", "-4", "13"},
         "x² − 13·y² = −4, Klasse 1: x = 3, y = 1\n"
         "x² − 13·y² = −4, Klasse 2: x = −3, y = 1\n"
         "x² − 13·y² = −4, Klasse 3: x = 36, y = 10\n"
         "Jede Lösung ist ± eine davon mal (649 + 180·√13)^k, k ganz\n"},
        {{"--norm", "4", "--solutions", "2", "30"},
         "x² − 30·y² = 4, Lösung 1: x = 22, y = 4\n"
         "x² − 30·y² = 4, Lösung 2: x = 482, y = 88\n"},
        {{"--norm=2", "13"}, "x² − 13·y² = 2: keine Lösung\n"},
        {{"--fields", "negativePellFour", "21"}, "x² − 21·y² = −4: keine Lösung, die Periodenlänge 2 ist gerade\n"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.args.back());
        const Output r = Pell(row.args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, row.out);
    }
}

TEST(PellCommand, JsonKeepsEveryDigit) {
    const struct {
        std::vector<std::string> args;
        std::string out;
    } table[] = {
        {{"--json", "13"},
         R"({"d":13,"periodLength":5,"pell":{"x":649,"y":180},"negativePell":{"x":18,"y":5},)"
         R"("unit":{"x":18,"y":5,"norm":-1},"regulator":"3.58428965186132791233579248556","periodLengthOrderD":1,)"
         R"("pellFour":{"x":11,"y":3},"negativePellFour":{"x":3,"y":1},"unitOrderD":{"x":3,"y":1,"norm":-1},)"
         R"("regulatorOrderD":"1.19476321728710930411193082852"})"
         "\n"},
        {{"--json", "--fields", "d,negativePell,unit,unitOrderD", "991"},
         R"({"d":991,"negativePell":null,"unit":{"x":"379516400906811930638014896080",)"
         R"("y":"12055735790331359447442538767","norm":1},"unitOrderD":null})"
         "\n"},
        {{"--json", "--fields", "regulator", "--max-steps", "600000", "1000000000039"},
         R"({"regulator":"631893.230819844162644137393398"})"
         "\n"},
        {{"--json", "--norm", "-1", "--solutions", "2", "2"},
         R"({"d":2,"n":-1,"solutions":[{"x":1,"y":1},{"x":7,"y":5}]})"
         "\n"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.args.back());
        const Output r = Pell(row.args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, row.out);
    }
}

TEST(PellCommand, JsonOfALongUnitHasEveryDigit) {
    // x and y of 274428 and 274422 digits, turned into digits on two threads.
    const Output r = Pell({"--json", "--fields", "unit", "--max-steps", "600000", "1000000000039"});
    ASSERT_EQ(r.status, 0);
    const std::string head = R"({"unit":{"x":")", middle = R"(","y":")",
                      tail = R"(","norm":1}})"
                             "\n";
    const std::size_t y = r.out.find(middle);
    ASSERT_NE(y, std::string::npos);
    EXPECT_EQ(r.out.substr(0, head.size()), head);
    EXPECT_EQ(y - head.size(), 274428U);
    EXPECT_EQ(r.out.size() - tail.size() - y - middle.size(), 274422U);
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
    EXPECT_EQ(r.out.find_first_not_of("0123456789", head.size()), y);
    EXPECT_EQ(r.out.find_first_not_of("0123456789", y + middle.size()), r.out.size() - tail.size());
}

TEST(PellCommand, WrongInputNamesTheRule) {
    const std::string usage =
        "Aufruf: tamsel-cli --pell [--json] [--max-steps N] [--fields LISTE] [--precision N] [--full]\n"
        "                   [--norm N] [--solutions K] D\n"
        "Mehr dazu mit „tamsel-cli --help“.\n";
    const struct {
        std::vector<std::string> args;
        std::string message;
    } table[] = {
        {{"0"}, "D muss größer als 0 sein, nicht 0"},
        {{"--", "-7"}, "D muss größer als 0 sein, nicht −7"},
        {{"49"}, "D darf keine Quadratzahl sein: 49 = 7²"},
        {{"2.5"}, "D muss eine ganze Zahl sein, nicht „2.5“"},
        {{"--norm", "0", "7"}, "N darf nicht 0 sein"},
        {{"--norm", "x", "7"}, "N muss eine ganze Zahl sein, nicht „x“"},
        {{"--norm", "1000000000", "7"}, "|N| darf höchstens 100000000 sein, nicht 1000000000"},
        {{"--precision", "0", "7"}, "--precision erwartet eine ganze Zahl von 1 bis 100000, nicht „0“"},
        {{"7", "8"}, "--pell erwartet genau eine Zahl D"},
        {{"--fields", "regulator", "--norm", "2", "7"}, "--fields gilt nicht mit --norm oder --solutions"},
        {{"--fields", "line", "7"}, "das Feld „line“ gibt es nur mit --batch"},
        {{"--variant", "7"}, "--variant gilt nicht mit --pell"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.message);
        const Output r = Pell(row.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "tamsel-cli: " + row.message + "\n" + usage);
    }
}

TEST(PellCommand, PeriodBeyondTheStepLimit) {
    const Output r = Pell({"--max-steps", "59", "991"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "tamsel-cli: die Periode von √991 schließt sich nicht innerhalb von 59 Schritten (mehr erlaubt "
              "--max-steps)\n");
}

// The Pell batch runs on the batch's own machinery: more than one file names
// the file in every answer, threads keep the input order.
TEST(PellCommand, BatchReadsFilesInOrder) {
    const std::string file = testing::TempDir() + "pell_batch_input.txt";
    std::ofstream(file) << "5\n5 -4\n";
    const std::string named = "{\"file\":" + JsonString(file) + ",";
    const struct {
        std::vector<std::string> args;
        std::string out;
    } table[] = {
        {{"--fields", "line,unit", file, "-", file},
         named +
             R"("line":1,"unit":{"x":2,"y":1,"norm":-1}})"
             "\n" +
             named +
             R"("line":2,"d":5,"n":-4,"classes":[{"x":1,"y":1},{"x":-1,"y":1},{"x":4,"y":2}]})"
             "\n"
             R"({"file":"-","line":1,"unit":{"x":5,"y":2,"norm":1}})"
             "\n" +
             named +
             R"("line":1,"unit":{"x":2,"y":1,"norm":-1}})"
             "\n" +
             named +
             R"("line":2,"d":5,"n":-4,"classes":[{"x":1,"y":1},{"x":-1,"y":1},{"x":4,"y":2}]})"
             "\n"},
        {{"--fields", "unit", "--threads", "2", "--line-buffered", "--quiet", "-"},
         R"({"unit":{"x":5,"y":2,"norm":1}})"
         "\n"},
        {{"--fields", "unit", file},
         R"({"unit":{"x":2,"y":1,"norm":-1}})"
         "\n"
         R"({"line":2,"d":5,"n":-4,"classes":[{"x":1,"y":1},{"x":-1,"y":1},{"x":4,"y":2}]})"
         "\n"},
    };
    for (const auto& row : table) {
        std::vector<std::string> args = {"--batch"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const Output r = Pell(args, "6\n");
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, row.out);
    }
    const Output missing = Pell({"--batch", file, file + ".fehlt"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err,
              "tamsel-cli: " + QuotedForMessage(file + ".fehlt") + " kann nicht gelesen werden: gibt es nicht\n");
}

TEST(PellCommand, BatchKeepsGoingAfterBadLines) {
    const Output r = Pell({"--batch", "--fields", "line,d,pell", "--max-steps", "100"},
                          "2\n# Kommentar\n\n16\n13 -4\n991\n7 x\n1 2 3\n1000099\n\t3\r\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              R"({"line":1,"d":2,"pell":{"x":3,"y":2}})"
              "\n"
              R"({"line":4,"error":"D darf keine Quadratzahl sein: 16 = 4²","code":"square-d"})"
              "\n"
              R"({"line":5,"d":13,"n":-4,"classes":[{"x":3,"y":1},{"x":-3,"y":1},{"x":36,"y":10}]})"
              "\n"
              R"({"line":6,"d":991,"pell":{"x":"379516400906811930638014896080","y":"12055735790331359447442538767"}})"
              "\n"
              R"({"line":7,"error":"N muss eine ganze Zahl sein, nicht „x“","code":"not-a-number"})"
              "\n"
              R"({"line":8,"error":"erwartet werden D oder D N, die Zeile hat 3 Zahlen","code":"field-count"})"
              "\n"
              R"({"line":9,"error":"die Periode von √1000099 schließt sich nicht innerhalb von 100 Schritten )"
              "(mehr erlaubt --max-steps)\",\"code\":\"step-limit\"}"
              "\n"
              R"({"line":10,"d":3,"pell":{"x":2,"y":1}})"
              "\n");
}

}  // namespace
}  // namespace tamsel
