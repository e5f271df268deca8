// SPDX-License-Identifier: GPL-3.0-or-later
// Wherever the window's run ends regularly, the exact mode gives the same
// quotients, period start, approximating fractions and trace (the trace up
// to the sign the window's parameters happen to carry).

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "expand_for_test.h"
#include "notation/text_run.h"

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

// A window trace line as "koeff wurzel abs nenner [> k]", with koeff, abs
// and nenner divided by their common divisor (the window leaves them as they
// are when abs is 0) and their signs flipped together so that koeff is
// positive.
std::string Normalised(const TraceRow& row) {
    const mpz_class koeff(row.x.koeff), abs(row.x.abs), nenner(row.x.nenner);
    mpz_class divisor;
    mpz_gcd(divisor.get_mpz_t(), koeff.get_mpz_t(), abs.get_mpz_t());
    mpz_gcd(divisor.get_mpz_t(), divisor.get_mpz_t(), nenner.get_mpz_t());
    if (koeff < 0) divisor = -divisor;
    const auto reduced = [&](const mpz_class& v) { return mpz_class(v / divisor).get_str(); };
    std::string text =
        reduced(koeff) + " " + mpz_class(row.x.wurzel).get_str() + " " + reduced(abs) + " " + reduced(nenner);
    if (row.quotient) text += " > " + mpz_class(*row.quotient).get_str();
    return text;
}

TEST_P(WindowAgreement, SameQuotientsPeriodFractionsAndTrace) {
    const AgreementCase& c = GetParam();
    for (const bool variant : {false, true}) {
        SCOPED_TRACE(variant ? "variant" : "usual");
        const TextRun window = RunOnTexts(c.inputs, variant);
        const RunResult& windowResult = window.result;
        // Every input is one the window expands in both algorithms.
        ASSERT_EQ(windowResult.end, RunEnd::Regular);

        const ExactExpansion expansion(Input(c.inputs), variant, kMostSteps);
        const test::Collected exact = Expand(expansion);
        std::vector<mpz_class> windowQuotients;
        for (const double k : window.quotients) windowQuotients.emplace_back(k);
        EXPECT_EQ(exact.quotients, windowQuotients);
        if (windowResult.periodStart) {
            EXPECT_EQ(exact.summary.end, WalkEnd::Period);
            EXPECT_EQ(exact.summary.periodStart, static_cast<std::uint64_t>(*windowResult.periodStart));
        } else {
            EXPECT_EQ(exact.summary.end, WalkEnd::Rational);
        }

        // As many fractions as the window lists.
        std::vector<std::string> windowFractions;
        for (const Fraction& f : window.fractions) {
            windowFractions.push_back(f.numerator.get_str() + "/" + f.denominator.get_str());
        }
        EXPECT_EQ(test::Fractions(expansion, windowFractions.size(), windowFractions.size()), windowFractions);

        if (!expansion.IsRational()) {
            std::vector<std::string> windowTrace;
            for (const TraceRow& row : window.traceRows) windowTrace.push_back(Normalised(row));
            EXPECT_EQ(test::Trace(expansion), windowTrace);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, WindowAgreement, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<AgreementCase>& info) { return info.param.name; });

// The window compares the stored parameters, so it finds the period one
// step late when the recurring x carries the other signs; the exact mode
// compares numbers and finds it at step 1.
TEST(WindowAgreement, AllSignsFlippedFindsThePeriodAtOnce) {
    EXPECT_EQ(RunOnTexts({"-1", "5", "-1", "-2"}, false).result.periodStart, 2);
    EXPECT_EQ(Expand({"-1", "5", "-1", "-2"}, false).summary.periodStart, 1u);
}

}  // namespace
}  // namespace tamsel::exact
