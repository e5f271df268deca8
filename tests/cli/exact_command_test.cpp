// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../support/cli_run.h"

namespace tamsel {
namespace {

using Output = test::CliOutput;

Output Exact(std::vector<std::string> args) {
    args.insert(args.begin(), "--exact");
    return test::Cli(args);
}

const std::string kSqrt2Fractions =
    "  1/1\n  3/2\n  7/5\n  17/12\n  41/29\n  99/70\n  239/169\n  577/408\n  1393/985\n  3363/2378\n  8119/5741\n"
    "  19601/13860\n  47321/33461\n  114243/80782\n  275807/195025\n  665857/470832\n  1607521/1136689\n"
    "  3880899/2744210\n  9369319/6625109\n  22619537/15994428\n";

TEST(ExactCli, PlainOutput) {
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"1", "2", "0", "1"},
         "x = [ 1; 2   Periode 2 ]\n"
         "Periodenlänge: 1 (die Periode beginnt mit Schritt 2; 2 Schritte)\n"
         "\nApproximierende Brüche:\n" +
             kSqrt2Fractions},
        {{"--trace", "0", "0", "710", "226"},
         "x = [ 3; 7, 16 ]\n"
         "Periodenlänge: 0 (x ist rational; 3 Schritte)\n"
         "\nApproximierende Brüche:\n  3/1\n  22/7\n  355/113\n"
         "\nParameterfolge der quadratischen Irrationalitäten:\n"
         " 0\t 0\t 355\t 113\t> 3\n 0\t 0\t 113\t 16\t> 7\n 0\t 0\t 16\t 1\t> 16\n"},
        {{"--variant", "--trace", "--convergents", "0", "1", "2", "0", "1"},
         "x = [ 2; 2, 4   Periode 2 4 ]\n"
         "Periodenlänge: 2 (die Periode beginnt mit Schritt 2; 3 Schritte)\n"
         "\nParameterfolge der quadratischen Irrationalitäten:\n"
         " 1\t 2\t 0\t 1\t> 2\n 1\t 2\t 2\t 2\t> 2\n 1\t 2\t 2\t 1\t> 4\n 1\t 2\t 2\t 2\n"},
        // Negative x, given with blanks around the numbers.
        {{"--convergents", "4", " -1 ", "2", "\t0", "1\n"},
         "x = [-2; 1, 1, 2   Periode 2 ]\n"
         "Periodenlänge: 1 (die Periode beginnt mit Schritt 4; 4 Schritte)\n"
         "\nApproximierende Brüche:\n  -2/1\n  -1/1\n  -3/2\n  -7/5\n"},
        // Every sign flipped: the same x, its period from step 1.
        {{"--convergents", "1", "--", "-1", "5", "-1", "-2"},
         "x = [ 1   Periode 1 ]\n"
         "Periodenlänge: 1 (die Periode beginnt mit Schritt 1; 1 Schritt)\n"
         "\nApproximierende Brüche:\n  1/1\n"},
        {{"--max-steps", "3", "--convergents", "2", "1", "2566", "0", "1"},
         "x = [ 50; 1, 1, … ]\n"
         "Periodenlänge: unbekannt (die Periode hat sich in 3 Schritten nicht geschlossen)\n"
         "\nApproximierende Brüche:\n  50/1\n  51/1\n"},
        {{"--max-steps=1", "--convergents=1", "1", "2", "0", "1"},
         "x = [ 1; … ]\n"
         "Periodenlänge: unbekannt (die Periode hat sich in 1 Schritt nicht geschlossen)\n"
         "\nApproximierende Brüche:\n  1/1\n"},
    };
    for (const auto& c : cases) {
        const Output r = Exact(c.args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, c.out);
    }
}

TEST(ExactCli, JsonExamples) {
    const struct {
        std::vector<std::string> args;  // after --exact --json
        std::string out;
    } cases[] = {
        {{"--convergents", "2", "1", "2", "0", "1"},
         R"({"exact":true,"inputs":{"koeff":1,"wurzel":2,"abs":0,"nenner":1},"quotients":[1],"period":[2],)"
         R"("periodStart":2,"periodLength":1,"steps":2,"end":"period","convergents":[[1,1],[3,2]]})"},
        {{"--convergents", "3", "--trace", "0", "0", "4", "6"},
         R"({"exact":true,"inputs":{"koeff":0,"wurzel":0,"abs":4,"nenner":6},"quotients":[0,1,2],"period":null,)"
         R"("periodStart":null,"periodLength":null,"steps":3,"end":"rational","convergents":[[0,1],[1,1],[2,3]],)"
         R"("trace":[[0,0,2,3,0],[0,0,3,2,1],[0,0,2,1,2]]})"},
        {{"--max-steps", "2", "--convergents", "5", "1", "2566", "0", "1"},
         R"({"exact":true,"inputs":{"koeff":1,"wurzel":2566,"abs":0,"nenner":1},"quotients":[50,1],"period":null,)"
         R"("periodStart":null,"periodLength":null,"steps":2,"end":"step-limit","convergents":[[50,1],[51,1]]})"},
        // Whole numbers from 2^53 on are strings, below it numbers.
        {{"--fields", "inputs", "9007199254740991", "9007199254740992", "-9007199254740991", "-9007199254740992"},
         R"({"inputs":{"koeff":9007199254740991,"wurzel":"9007199254740992","abs":-9007199254740991,)"
         R"("nenner":"-9007199254740992"}})"},
        {{"--fields", "quotients,period,convergents", "--convergents", "2", "1",
          "100000000000000000000000000000000000000000001", "0", "1"},
         R"({"quotients":["10000000000000000000000"],"period":["20000000000000000000000"],)"
         R"("convergents":[["10000000000000000000000",1],)"
         R"(["200000000000000000000000000000000000000000001","20000000000000000000000"]]})"},
        // The keys in their own order; the default step limit lets a period
        // of half a million close.
        {{"--fields", "end,periodLength", "1", "1000000000039", "0", "1"}, R"({"periodLength":532572,"end":"period"})"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"--json"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Output r = Exact(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, c.out + "\n");
    }
}

// The numbers of the JSON list that starts after `key` (none for null), as digits.
std::vector<std::string> JsonList(const std::string& object, const std::string& key) {
    std::vector<std::string> numbers;
    std::size_t at = object.find(key) + key.size();
    if (object[at] != '[') return numbers;
    while (object[at] != ']') {
        const std::size_t end = object.find_first_of(",]", at + 1);
        std::string number = object.substr(at + 1, end - at - 1);
        std::erase(number, '"');  // the digits of a number from 2^53 on
        numbers.push_back(number);
        at = end;
    }
    return numbers;
}

// Output of megabytes, written in blocks: the bracket line names the
// quotients of the JSON lists, for a closed period and at the step limit.
TEST(ExactCli, LongOutputsAgree) {
    const std::vector<std::vector<std::string>> inputs = {
        {"1", "1000000000039", "0", "1"},
        {"--max-steps", "400000", "1", "10000000000000000000000000000000000000039", "0", "1"},
    };
    for (const auto& input : inputs) {
        std::vector<std::string> json{"--json", "--fields", "quotients,period", "--convergents", "0"};
        json.insert(json.end(), input.begin(), input.end());
        std::vector<std::string> plain{"--convergents", "0"};
        plain.insert(plain.end(), input.begin(), input.end());
        const std::string object = Exact(json).out;
        std::string line = Exact(plain).out;
        line.resize(line.find('\n'));

        std::vector<std::string> steps = JsonList(object, "\"quotients\":");
        const std::vector<std::string> period = JsonList(object, "\"period\":");
        steps.insert(steps.end(), period.begin(), period.end());
        std::string expected = "x = [";
        for (std::size_t n = 0; n < steps.size(); ++n) expected.append(" ").append(steps[n]).append(n == 0 ? ";" : ",");
        if (period.empty()) {
            expected.append(" …");
        } else {
            expected.back() = ' ';
            expected.append("  Periode");
            for (const std::string& k : period) expected.append(" ").append(k);
        }
        EXPECT_GT(line.size(), std::size_t{1} << 20);
        EXPECT_TRUE(line == expected + " ]") << line.substr(0, 200);
    }
}

const std::string kExactUsage =
    "Aufruf: tamsel-cli --exact [--variant] [--json] [--max-steps N] [--convergents N] [--trace[=surd]]\n"
    "                   [--nearest] [--best Q] [--semiconvergents] [--errors] [--digits N]\n"
    "                   [--fields LISTE] [EXPORT] KOEFF WURZEL ABS NENNER | AUSDRUCK\n";
const std::string kBatchUsage =
    "Aufruf: tamsel-cli --batch [--variant] [--json] [--max-steps N] [--convergents N] [--trace[=surd]]\n"
    "                   [--nearest] [--best Q] [--semiconvergents] [--errors] [--digits N]\n"
    "                   [--fields LISTE] [--threads N] [--line-buffered] [--quiet] [DATEI …]\n";

TEST(ExactCli, UsageErrors) {
    const struct {
        std::vector<std::string> args;  // after --exact
        std::string message;
    } cases[] = {
        {{"1", "2", "0"}, "es werden genau vier Zahlen oder ein Ausdruck erwartet"},
        {{"1", "2", "0", "1", "5"}, "es werden genau vier Zahlen oder ein Ausdruck erwartet"},
        {{"--expr", "1", "2"}, "es wird genau ein Ausdruck erwartet (in Anführungszeichen)"},
        {{"--trace=all", "1", "2", "0", "1"}, "--trace kennt nur den Wert surd, nicht „all“"},
        {{"1.5", "2", "0", "1"}, "KOEFF ist keine ganze Zahl: „1.5“"},
        {{"1", "2e3", "0", "1"}, "WURZEL ist keine ganze Zahl: „2e3“"},
        // Cut at a character boundary.
        {{"1", "2", std::string(39, '7') + "äx", "1"}, "ABS ist keine ganze Zahl: „" + std::string(39, '7') + "…“"},
        {{"1", "2", "0", "1 1"}, "NENNER ist keine ganze Zahl: „1 1“"},
        {{"1", "2", "0", std::string(50, '7') + "x"}, "NENNER ist keine ganze Zahl: „" + std::string(40, '7') + "…“"},
        {{"--bogus", "1", "2", "0", "1"}, "unbekannte Option --bogus"},
        {{"--max-steps", "0", "1", "2", "0", "1"},
         "--max-steps erwartet eine ganze Zahl von 1 bis 1000000000, nicht „0“"},
        {{"--max-steps=1000000001", "1", "2", "0", "1"},
         "--max-steps erwartet eine ganze Zahl von 1 bis 1000000000, nicht „1000000001“"},
        {{"--max-steps", "x", "1", "2", "0", "1"},
         "--max-steps erwartet eine ganze Zahl von 1 bis 1000000000, nicht „x“"},
        {{"1", "2", "0", "1", "--max-steps"}, "--max-steps erwartet einen Wert"},
        {{"--convergents", "-1", "1", "2", "0", "1"},
         "--convergents erwartet eine ganze Zahl von 0 bis 1000000000, nicht „-1“"},
        {{"--fields", "inputs", "1", "2", "0", "1"}, "--fields gilt nur mit --json oder --batch"},
        {{"--json", "--fields", "inputs,bogus", "1", "2", "0", "1"},
         "--fields kennt kein Feld „bogus“ (möglich: line, exact, inputs, quotients, period, periodStart, "
         "periodLength, steps, end, convergents, errors, semiconvergents, best, digits, trace)"},
        {{"--json", "--fields", "line,steps", "1", "2", "0", "1"}, "das Feld „line“ gibt es nur mit --batch"},
        {{"--threads", "2", "1", "2", "0", "1"}, "--threads gilt nur mit --batch"},
        {{"--line-buffered", "1", "2", "0", "1"}, "--line-buffered gilt nur mit --batch"},
        {{"--batch", "--threads", "0"}, "--threads erwartet eine ganze Zahl von 1 bis 256, nicht „0“"},
        {{"--best", "0", "1", "2", "0", "1"}, "--best erwartet einen größten Nenner von mindestens 1, nicht „0“"},
        {{"--digits=1000001", "1", "2", "0", "1"},
         "--digits erwartet eine ganze Zahl von 0 bis 1000000, nicht „1000001“"},
        {{"1", "2", "0", "1", "--digits"}, "--digits erwartet einen Wert"},
        {{"--batch", "--variant", "--nearest"}, "--variant und --nearest schließen einander aus"},
        {{"--nearest", "--svg", "x.svg", "1", "2", "0", "1"},
         "--svg zeichnet die Entwicklung mit dem nächsten Ganzen nicht; --tex schreibt sie"},
    };
    for (const auto& c : cases) {
        const Output r = Exact(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "");
        const bool batch = std::find(c.args.begin(), c.args.end(), "--batch") != c.args.end();
        EXPECT_EQ(r.err, "tamsel-cli: " + c.message + "\n" + (batch ? kBatchUsage : kExactUsage) +
                             "Mehr dazu mit „tamsel-cli --help“.\n");
    }
}

TEST(ExactCli, BestFractionsAndNearestInteger) {
    const struct {
        std::vector<std::string> args;
        std::string input;
        std::string out;
    } cases[] = {
        {{"--exact", "--semiconvergents", "--errors", "--best", "10", "--convergents", "4", "1", "2", "0", "1"},
         "",
         "x = [ 1; 2   Periode 2 ]\n"
         "Periodenlänge: 1 (die Periode beginnt mit Schritt 2; 2 Schritte)\n"
         "\nApproximierende Brüche:\n  1/1  Fehler 4.14e-1\n  3/2  Fehler 8.58e-2\n  7/5  Fehler 1.42e-2\n"
         "  17/12  Fehler 2.45e-3\n"
         "\nNäherungsbrüche und Zwischenbrüche der regulären Entwicklung:\n"
         "  1/1  Fehler 4.14e-1\n  2/1  Fehler 5.86e-1  Zwischenbruch\n  3/2  Fehler 8.58e-2\n"
         "  4/3  Fehler 8.09e-2  Zwischenbruch, beste Näherung 1. Art\n"
         "\nBeste Näherungen mit Nenner bis 10:\n"
         "  2. Art (letzter Näherungsbruch): 7/5  Fehler 1.42e-2\n"
         "  1. Art (nächster Bruch):         7/5  Fehler 1.42e-2\n"},
        // The best fractions come from the regular expansion also with --nearest; 1/6 is nearer than 0/1.
        {{"--exact", "--nearest", "--digits", "3", "--best", "6", "--convergents", "0", "0", "0", "1", "10"},
         "",
         "x = [ 0; 10 ]\nPeriodenlänge: 0 (x ist rational; 2 Schritte)\n"
         "\nDezimalstellen (abgeschnitten): x = 0.100\n"
         "\nBeste Näherungen mit Nenner bis 6:\n"
         "  2. Art (letzter Näherungsbruch): 0/1\n  1. Art (nächster Bruch):         1/6\n"},
        {{"--exact", "--nearest", "--convergents", "3", "1", "7", "0", "1"},
         "",
         "x = [ 3;-3,-6   Periode-3-6 ]\n"
         "Periodenlänge: 2 (die Periode beginnt mit Schritt 2; 3 Schritte)\n"
         "\nApproximierende Brüche:\n  3/1\n  8/3\n  45/17\n"},
        {{"--exact", "--json", "--nearest", "--fields", "quotients,period,convergents,errors", "--convergents", "3",
          "0", "0", "13", "8"},
         "",
         R"({"quotients":[2,-3,-3],"period":null,"convergents":[[2,1],[5,3],[13,8]],)"
         R"("errors":["3.75e-1","4.17e-2","0"]})"
         "\n"},
        {{"--batch", "--nearest", "--errors", "--best", "100", "--fields", "line,period,best"},
         "1 3 0 1\n",
         R"({"line":1,"period":[-4],"best":{"maxDenominator":100,"secondKind":[97,56],"firstKind":[168,97],)"
         R"("secondKindError":"9.20e-5","firstKindError":"9.20e-5"}})"
         "\n"},
    };
    for (const auto& c : cases) {
        const Output r = test::Cli(c.args, c.input);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, c.out);
    }
}

// --help lists the options of the exact mode and the batch.
TEST(ExactCli, HelpListsTheirOptions) {
    const std::string help = test::Cli({"--help"}).out;
    for (const char* option : {"\n  --exact ", "\n  --batch ", "\n  --fields LISTE "}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}

TEST(ExactCli, OutputThatCannotBeWritten) {
    for (const bool json : {false, true}) {
        std::vector<std::string> args{"--exact", "1", "1000000000039", "0", "1"};
        if (json) args.push_back("--json");
        const Output r = test::CliOnFullDisk(args);
        EXPECT_EQ(r.status, 3) << json;
        EXPECT_EQ(r.err, "tamsel-cli: die Ausgabe kann nicht geschrieben werden\n");
    }
}

}  // namespace
}  // namespace tamsel
