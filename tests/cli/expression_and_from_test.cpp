// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include <gmpxx.h>

#include "../support/cli_run.h"

namespace tamsel {
namespace {

using Output = test::CliOutput;

const std::string kTwoRoots =
    "zwei verschiedene Quadratwurzeln, √2 und √3: jeder Zwischenwert muss die Form (k·√w + a)/n mit derselben "
    "Wurzel haben, auch wo das Ergebnis wieder von dieser Form wäre";

TEST(ExpressionCli, SaysWhatItUnderstood) {
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"--exact", "--convergents", "0", "(1+sqrt(5))/2"},
         "x = (1 + √5)/2\nx = [ 1   Periode 1 ]\nPeriodenlänge: 1 (die Periode beginnt mit Schritt 1; 1 Schritt)\n"},
        {{"--expr", "--variant", "--convergents", "1", "--", "-sqrt(12)"},
         "x = -2√3\nx = [-3; 3, 2, 2, 2, 2, 2, 4   Periode 2 2 2 2 2 4 ]\n"
         "Periodenlänge: 6 (die Periode beginnt mit Schritt 3; 8 Schritte)\n\nApproximierende Brüche:\n  -3/1\n"},
        {{"--exact", "--json", "--fields", "inputs,period", "1/(2+sqrt(3))"},
         R"({"inputs":{"koeff":-1,"wurzel":3,"abs":2,"nenner":1},"period":[1,2]})"
         "\n"},
        {{"--exact", "--convergents", "0", "--trace=surd", "(1+sqrt(5))/2"},
         "x = (1 + √5)/2\nx = [ 1   Periode 1 ]\nPeriodenlänge: 1 (die Periode beginnt mit Schritt 1; 1 Schritt)\n"
         "\nVollständige Quotienten:\n(2 + √20)/4\t> 1\n(2 + √20)/4\n"},
        {{"--exact", "--json", "--fields", "trace", "--variant", "--trace=surd", "--", "-1", "7", "0", "2"},
         R"({"trace":[[0,28,-4,-1],[4,28,3,4],[8,28,12,2],[16,28,19,2],[22,28,24,2],[26,28,27,2],[28,28,28,2],)"
         R"([28,28,27,2],[26,28,24,2],[22,28,19,2],[16,28,12,2],[8,28,3,5],[7,28,7,2],[7,28,3,5],[8,28,12]]})"
         "\n"},
        {{"--exact", "--json", "--fields", "trace", "--trace=surd", "3/-2"},
         R"({"trace":[[-3,0,2,-2],[2,0,1,2]]})"
         "\n"},
    };
    for (const auto& c : cases) {
        const Output r = test::Cli(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, c.out);
    }
}

TEST(ExpressionCli, RefusalWithCaretLine) {
    const Output r = test::Cli({"--exact", "sqrt(2)+\tsqrt(3)"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tamsel-cli: Spalte 10: " + kTwoRoots + "\n  sqrt(2)+\tsqrt(3)\n          \t^\n");
}

TEST(ExpressionCli, BatchLinesAreExpressions) {
    const Output r = test::Cli({"--batch", "--expr", "--fields", "line,inputs,end"},
                               "(1+sqrt(5))/2  # the golden ratio\n\n3/4\nsqrt(2)+sqrt(3)\n1/(1-1)\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, R"({"line":1,"inputs":{"koeff":1,"wurzel":5,"abs":1,"nenner":2},"end":"period"})"
                     "\n"
                     R"({"line":3,"inputs":{"koeff":0,"wurzel":0,"abs":3,"nenner":4},"end":"rational"})"
                     "\n"
                     R"({"line":4,"error":")" +
                         kTwoRoots +
                         R"(","code":"two-roots","column":9})"
                         "\n"
                         R"({"line":5,"error":"Division durch null","code":"division-by-zero","column":4})"
                         "\n");
}

TEST(FromCli, TheWayBack) {
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
        std::string input = "";
    } cases[] = {
        {{"--from", "x = [ 2; 1, 1, 1, 4   Periode 1 1 1 4 ]"}, 0, "1 7 0 1\nx = √7\n", ""},
        {{"--from", "[(1)]", "--json"},
         0,
         R"({"algorithm":"regular","inputs":{"koeff":1,"wurzel":5,"abs":1,"nenner":2},"value":"(1 + √5)/2"})"
         "\n",
         ""},
        {{"--nearest", "--from", "[2; -3, -3]"}, 0, "0 0 13 8\nx = 13/8\n", ""},
        {{"--from", "-"}, 0, "-1 3 2 1\nx = 2 - √3\n", "", "x = [ 0; 3, 1, 2   Periode 1 2 ]\r\n"},
        {{"--variant", "--from", "x = [-3; 3, 2, 2, 2, 2, 2, 4   Periode 2 2 2 2 2 4 ]"},
         0,
         "-2 3 0 1\nx = -2√3\n",
         ""},
        {{"--from", "x = [ 50; 1, 1, … ]"},
         2,
         "",
         "tamsel-cli: Spalte 17: der Kettenbruch ist an einer Schrittgrenze abgeschnitten („…“ oder ein "
         "Trennzeichen vor „]“); sein Wert ist unbekannt\n  x = [ 50; 1, 1, … ]\n                  ^\n"},
        {{"--from", "--variant", "[2; (2)]"},
         2,
         "",
         "tamsel-cli: Spalte 6: eine Periode nur aus 2 gibt es in der Variante nicht: sie strebt gegen eine "
         "rationale Zahl\n  [2; (2)]\n       ^\n"},
        {{"--from", "--variant", "--nearest", "[1]"},
         2,
         "",
         "tamsel-cli: --variant und --nearest schließen einander aus\n"
         "Aufruf: tamsel-cli --from [--variant] [--json] [--nearest] KETTENBRUCH\n"
         "Mehr dazu mit „tamsel-cli --help“.\n"},
    };
    for (const auto& c : cases) {
        const Output r = test::Cli(c.args, c.input);
        EXPECT_EQ(r.status, c.status) << c.args.back();
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

// x = (k sqrt(w) + a) / n reduced by the definition: the square part of w
// out (w small enough to try every root), no common factor, n > 0, a
// rational x as 0 0 p q.
std::string ReducedFour(mpz_class k, mpz_class w, mpz_class a, mpz_class n) {
    for (mpz_class s = 2; s * s <= w; ++s) {
        while (w % (s * s) == 0) {
            w /= s * s;
            k *= s;
        }
    }
    if (w == 1) a += k;
    if (w <= 1 || k == 0) k = w = 0;
    if (n < 0) k = -k, a = -a, n = -n;
    mpz_class g;
    mpz_gcd(g.get_mpz_t(), k.get_mpz_t(), a.get_mpz_t());
    mpz_gcd(g.get_mpz_t(), g.get_mpz_t(), n.get_mpz_t());
    return mpz_class(k / g).get_str() + " " + w.get_str() + " " + mpz_class(a / g).get_str() + " " +
           mpz_class(n / g).get_str();
}

std::string Line(const std::string& text, int index) {
    std::istringstream lines(text);
    std::string line;
    for (int i = 0; i <= index; ++i) std::getline(lines, line);
    return line;
}

// Expression, expansion, the bracket line back through --from: the same
// reduced number, for x of every sign, rational or not, with small and big
// parts. A row per algorithm whose expansion --exact writes and --from reads.
TEST(FromCli, RoundTripsThroughTheBracketLine) {
    const struct {
        const char* name;
        std::vector<std::string> option;
    } algorithms[] = {
        {"regular", {}},
        {"variant", {"--variant"}},
        {"nearest", {"--nearest"}},
    };
    gmp_randclass random(gmp_randinit_default);
    random.seed(17);
    const auto draw = [&](long most) { return mpz_class(random.get_z_range(2 * most + 1) - most); };
    for (const auto& algorithm : algorithms) {
        for (int i = 0; i < 60; ++i) {
            const mpz_class k = i % 6 == 0 ? mpz_class(0) : draw(20);
            const mpz_class w = random.get_z_range(200);
            const mpz_class big = mpz_class(10) * mpz_class(random.get_z_bits(100)) - mpz_class(1) << 99;
            const mpz_class a = i % 3 == 0 ? big : draw(100);
            mpz_class n = k == 0 && i % 2 == 0 ? mpz_class(random.get_z_bits(80) + 1) : draw(50);
            if (n == 0) n = -7;
            const std::string expression =
                "(" + k.get_str() + "*sqrt(" + w.get_str() + ")+(" + a.get_str() + "))/(" + n.get_str() + ")";
            SCOPED_TRACE(std::string(algorithm.name) + " " + expression);

            std::vector<std::string> exact = {"--exact", "--convergents", "0"};
            exact.insert(exact.end(), algorithm.option.begin(), algorithm.option.end());
            exact.push_back(expression);
            const Output expanded = test::Cli(exact);
            ASSERT_EQ(expanded.status, 0) << expanded.err;

            std::vector<std::string> from = {"--from", Line(expanded.out, 1)};
            from.insert(from.end(), algorithm.option.begin(), algorithm.option.end());
            const Output back = test::Cli(from);
            ASSERT_EQ(back.status, 0) << back.err;
            EXPECT_EQ(Line(back.out, 0), ReducedFour(k, w, a, n));
            EXPECT_EQ(Line(back.out, 1), Line(expanded.out, 0));
        }
    }
}

}  // namespace
}  // namespace tamsel
