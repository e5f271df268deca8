// SPDX-License-Identifier: GPL-3.0-or-later
// Wherever the window's run ends regularly, the exact mode gives the same
// quotients, period start, approximating fractions and trace (the trace up
// to the sign the window's parameters happen to carry).

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "../support/fake_host.h"
#include "engine/number_text.h"
#include "expand_for_test.h"

namespace tamsel::exact {
namespace {

using test::Expand;
using test::Input;

struct AgreementCase {
    const char* name;
    std::array<std::string, 4> inputs;
};

void PrintTo(const AgreementCase& c, std::ostream* os) { *os << c.name; }

// The inputs of the window's run tables that it expands without failure.
const AgreementCase kCases[] = {
    {"Sqrt2", {"1", "2", "0", "1"}},
    {"Sqrt3", {"1", "3", "0", "1"}},
    {"Sqrt7", {"1", "7", "0", "1"}},
    {"Sqrt13", {"1", "13", "0", "1"}},
    {"Sqrt94", {"1", "94", "0", "1"}},
    {"GoldenRatio", {"1", "5", "1", "2"}},
    {"PeriodFromStep1", {"2", "2", "1", "3"}},
    {"ThreeHalves", {"0", "2", "3", "2"}},
    {"Three", {"0", "2", "3", "1"}},
    {"Zero", {"0", "2", "0", "1"}},
    {"ReducedInputs", {"2", "2", "4", "6"}},
    {"TwoThirds", {"0", "0", "4", "6"}},
    {"SquareRootOf4", {"1", "4", "0", "1"}},
    {"ThreeHalvesAsRoot", {"1", "4", "1", "2"}},
    {"LargeKoeff", {"93222358", "2", "0", "1"}},
    {"LargeAbs", {"0", "0", "13510798882111490", "3"}},
    {"NegativeKoeff", {"-1", "2", "5", "1"}},
    {"NegativeNenner", {"1", "3", "-5", "-2"}},
    {"RootOf10Over7", {"3", "10", "4", "7"}},
};

class WindowAgreement : public ::testing::TestWithParam<AgreementCase> {};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A window trace line as "koeff wurzel abs nenner [> k]", with koeff, abs
// and nenner divided by their common divisor (the window leaves them as they
// are when abs is 0) and their signs flipped together so that koeff is
// positive.
std::string Normalised(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t')) fields.push_back(field.substr(field[0] == ' ' ? 1 : 0));
    mpz_class koeff(fields[0]), abs(fields[2]), nenner(fields[3]), divisor;
    mpz_gcd(divisor.get_mpz_t(), koeff.get_mpz_t(), abs.get_mpz_t());
    mpz_gcd(divisor.get_mpz_t(), divisor.get_mpz_t(), nenner.get_mpz_t());
    if (koeff < 0) divisor = -divisor;
    const auto reduced = [&](const mpz_class& v) { return mpz_class(v / divisor).get_str(); };
    std::string text = reduced(koeff) + " " + fields[1] + " " + reduced(abs) + " " + reduced(nenner);
    if (fields.size() > 4) {
        const std::string k = fields[4].substr(1);  // after ">"
        text += " > " + k.substr(k[0] == ' ' ? 1 : 0);
    }
    return text;
}

TEST_P(WindowAgreement, SameQuotientsPeriodFractionsAndTrace) {
    const AgreementCase& c = GetParam();
    for (const bool variant : {false, true}) {
        SCOPED_TRACE(variant ? "variant" : "usual");
        tamsel::test::RecordedRun window(c.inputs, variant);
        const RunResult windowResult = window.Run();
        // Every input is one the window expands in both algorithms.
        ASSERT_EQ(windowResult.end, RunEnd::Regular);

        const ExactExpansion expansion(Input(c.inputs), variant, kMostSteps);
        const test::Collected exact = Expand(expansion);
        std::vector<mpz_class> windowQuotients;
        for (const double k : window.outputs.quotients) windowQuotients.emplace_back(k);
        EXPECT_EQ(exact.quotients, windowQuotients);
        if (windowResult.periodStart) {
            EXPECT_EQ(exact.summary.end, WalkEnd::Period);
            EXPECT_EQ(exact.summary.periodStart, static_cast<std::uint64_t>(*windowResult.periodStart));
        } else {
            EXPECT_EQ(exact.summary.end, WalkEnd::Rational);
        }

        // As many fractions as the window lists, in its text form.
        const std::uint64_t listed = Lines(window.host.fractions).size() / 3;
        std::string fractions;
        QuotientList kept(listed);
        KeepQuotients keep(kept);
        expansion.Walk(keep);
        ForEachConvergent(expansion, exact.summary, kept, listed, [&](const mpz_class& p, const mpz_class& q) {
            fractions += NumberText(p) + "\r\n/" + NumberText(q) + "\r\n\r\n";
        });
        EXPECT_EQ(fractions, window.host.fractions);

        if (!expansion.IsRational()) {
            std::vector<std::string> windowTrace;
            for (const std::string& line : Lines(window.host.trace)) windowTrace.push_back(Normalised(line));
            EXPECT_EQ(test::Trace(expansion), windowTrace);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, WindowAgreement, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<AgreementCase>& info) { return info.param.name; });

// The window compares the stored parameters, so it finds the period one
// step late when the recurring x carries the other signs; the exact mode
// compares numbers.
TEST(WindowAgreement, AllSignsFlippedFindsThePeriodAtOnce) {
    tamsel::test::RecordedRun window({"-1", "5", "-1", "-2"}, false);
    EXPECT_EQ(window.Run().periodStart, 2);
    const test::Collected exact = Expand({"-1", "5", "-1", "-2"}, false);
    EXPECT_EQ(exact.summary.periodStart, 1u);
    EXPECT_EQ(exact.summary.periodLength, 1u);
    EXPECT_EQ(exact.quotients, test::Numbers({"1"}));
}

}  // namespace
}  // namespace tamsel::exact
