// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "../support/fake_host.h"
#include "engine/expansion_engine.h"

namespace tamsel {
namespace {

using test::kBadInput;
using test::kNegativeX;
using test::RecordedRun;

struct RunCase {
    const char* name;
    std::array<std::string, 4> inputs;
    bool variant;
    const char* trace;
    std::vector<double> quotients;
    std::optional<std::int32_t> periodStart;
    int n;
    std::vector<Message> messages;
    std::array<std::string, 4> inputsAfter{};  // all empty: as typed
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

// The fraction list expected after a run with these quotients: forward
// recurrence over the quotients, the period repeated up to 20 steps.
std::string ExpectedFractions(const RunCase& c) {
    std::vector<double> q = c.quotients;
    const std::size_t periodLength = c.periodStart ? c.quotients.size() - *c.periodStart + 1 : 0;
    while (periodLength > 0 && q.size() < 20) q.push_back(q[q.size() - periodLength]);
    mpz_class p0 = 1, p1 = q.empty() ? 0 : mpz_class(q[0]), r0 = 0, r1 = 1;
    std::string text;
    for (std::size_t i = 0; i < q.size(); ++i) {
        if (i > 0) {
            const mpz_class k(q[i]);
            const mpz_class p = c.variant ? mpz_class(k * p1 - p0) : mpz_class(k * p1 + p0);
            const mpz_class r = c.variant ? mpz_class(k * r1 - r0) : mpz_class(k * r1 + r0);
            p0 = p1, p1 = p, r0 = r1, r1 = r;
        }
        text += (p1 < 0 ? "" : " ") + p1.get_str() + "\r\n/ " + r1.get_str() + "\r\n\r\n";
    }
    return text;
}

class RunExamples : public ::testing::TestWithParam<RunCase> {};

TEST_P(RunExamples, TraceQuotientsPeriodFractionsAndInputs) {
    const RunCase& c = GetParam();
    RecordedRun run(c.inputs, c.variant);
    const RunResult result = run.Run();

    EXPECT_EQ(result.end, c.messages.empty() ? RunEnd::Regular : RunEnd::Failed);
    EXPECT_EQ(result.periodStart, c.periodStart);
    EXPECT_EQ(run.trace.Text(), c.trace);
    EXPECT_EQ(run.outputs.quotients, c.quotients);
    // The period is made of the quotients from its start on.
    const auto period = c.quotients.begin() + (c.periodStart ? *c.periodStart - 1 : c.quotients.size());
    EXPECT_EQ(run.outputs.periodQuotients, std::vector<double>(period, c.quotients.end()));
    EXPECT_EQ(run.host.inputs, c.inputsAfter[0].empty() ? c.inputs : c.inputsAfter);
    EXPECT_EQ(run.host.messages, c.messages);
    EXPECT_EQ(run.fractionList.Text(), ExpectedFractions(c));
    EXPECT_EQ(run.engine.State().n, c.n);
    EXPECT_FALSE(run.engine.RunInProgress());
}

const std::vector<Message> kNone;
const std::vector<Message> kFailure{kBadInput};
const std::vector<Message> kNegative{kNegativeX, kBadInput};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Examples, RunExamples,
    ::testing::Values(
        RunCase{"Sqrt2", {"1", "2", "0", "1"}, false,
                " 1\t 2\t 0\t 1\t> 1\r\n 1\t 2\t 1\t 1\t> 2\r\n 1\t 2\t 1\t 1", {1, 2}, 2, 20, kNone},
        RunCase{"Sqrt2Variant", {"1", "2", "0", "1"}, true,
                " 1\t 2\t 0\t 1\t> 2\r\n 1\t 2\t 2\t 2\t> 2\r\n 1\t 2\t 2\t 1\t> 4\r\n 1\t 2\t 2\t 2",
                {2, 2, 4}, 2, 20, kNone},
        RunCase{"Sqrt3", {"1", "3", "0", "1"}, false,
                " 1\t 3\t 0\t 1\t> 1\r\n 1\t 3\t 1\t 2\t> 1\r\n 1\t 3\t 1\t 1\t> 2\r\n 1\t 3\t 1\t 2",
                {1, 1, 2}, 2, 20, kNone},
        RunCase{"Sqrt7", {"1", "7", "0", "1"}, false,
                " 1\t 7\t 0\t 1\t> 2\r\n 1\t 7\t 2\t 3\t> 1\r\n 1\t 7\t 1\t 2\t> 1\r\n 1\t 7\t 1\t 3\t> 1\r\n"
                " 1\t 7\t 2\t 1\t> 4\r\n 1\t 7\t 2\t 3", {2, 1, 1, 1, 4}, 2, 20, kNone},
        RunCase{"Sqrt13", {"1", "13", "0", "1"}, false,
                " 1\t 13\t 0\t 1\t> 3\r\n 1\t 13\t 3\t 4\t> 1\r\n 1\t 13\t 1\t 3\t> 1\r\n 1\t 13\t 2\t 3\t> 1\r\n"
                " 1\t 13\t 1\t 4\t> 1\r\n 1\t 13\t 3\t 1\t> 6\r\n 1\t 13\t 3\t 4", {3, 1, 1, 1, 1, 6}, 2, 20, kNone},
        RunCase{"GoldenRatio", {"1", "5", "1", "2"}, false, " 1\t 5\t 1\t 2\t> 1\r\n 1\t 5\t 1\t 2", {1}, 1, 20, kNone},
        RunCase{"GoldenRatioVariant", {"1", "5", "1", "2"}, true,
                " 1\t 5\t 1\t 2\t> 2\r\n 1\t 5\t 3\t 2\t> 3\r\n 1\t 5\t 3\t 2", {2, 3}, 2, 20, kNone},
        RunCase{"PeriodFromStep1", {"2", "2", "1", "3"}, false,
                " 2\t 2\t 1\t 3\t> 1\r\n 3\t 2\t 3\t 2\t> 3\r\n 2\t 2\t 2\t 3\t> 1\r\n 6\t 2\t 3\t 7\t> 1\r\n"
                " 3\t 2\t 2\t 4\t> 1\r\n 6\t 2\t 4\t 7\t> 1\r\n 2\t 2\t 1\t 3", {1, 3, 1, 1, 1, 1}, 1, 20, kNone},
        RunCase{"ThreeHalves", {"0", "2", "3", "2"}, false,
                " 0\t 2\t 3\t 2\t> 1\r\n 0\t 2\t 2\t 1\t> 2\r\n", {1, 2}, std::nullopt, 2, kNone},
        RunCase{"ThreeHalvesVariant", {"0", "2", "3", "2"}, true,
                " 0\t 2\t 3\t 2\t> 2\r\n 0\t 2\t 2\t 1\t> 2\r\n", {2, 2}, std::nullopt, 2, kNone},
        RunCase{"Three", {"0", "2", "3", "1"}, false, " 0\t 2\t 3\t 1\t> 3\r\n", {3}, std::nullopt, 1, kNone},
        RunCase{"Zero", {"0", "2", "0", "1"}, false, " 0\t 2\t 0\t 1\t> 0\r\n", {0}, std::nullopt, 1, kNone},
        RunCase{"ReducedInputs", {"2", "2", "4", "6"}, false,
                " 1\t 2\t 2\t 3\t> 1\r\n 3\t 2\t 3\t 1\t> 7\r\n 3\t 2\t 4\t 2\t> 4\r\n 3\t 2\t 4\t 1\t> 8\r\n"
                " 3\t 2\t 4\t 2", {1, 7, 4, 8}, 3, 20, kNone, {"1", "2", "2", "3"}},
        RunCase{"TwoThirds", {"0", "0", "4", "6"}, false,
                " 0\t 0\t 4\t 6\t> 0\r\n 0\t 0\t 3\t 2\t> 1\r\n 0\t 0\t 2\t 1\t> 2\r\n", {0, 1, 2}, std::nullopt, 3,
                kNone},
        RunCase{"SquareRootOf4", {"1", "4", "0", "1"}, false, " 1\t 4\t 0\t 1\t> 2\r\n", {2}, std::nullopt, 1, kNone},
        // Exact where doubles cancel.
        RunCase{"LargeKoeff", {"93222358", "2", "0", "1"}, false,
                " 93222358\t 2\t 0\t 1\t> 131836322\r\n 5741\t 2\t 8119\t 16238\t> 1\r\n"
                " 93222358\t 2\t 131836322\t 1\t> 263672644\r\n 5741\t 2\t 8119\t 16238",
                {131836322, 1, 263672644}, 2, 20, kNone},
        RunCase{"LargeAbs", {"0", "0", "13510798882111490", "3"}, false,
                " 0\t 0\t 13510798882111490\t 3\t> 4503599627370496\r\n 0\t 0\t 3\t 2\t> 1\r\n 0\t 0\t 2\t 1\t> 2\r\n",
                {4503599627370496, 1, 2}, std::nullopt, 3, kNone},
        // Failures of the inputs: trace and fraction list are emptied, the
        // inputs stay as typed.
        RunCase{"NegativeX", {"1", "2", "-5", "1"}, false, "", {}, std::nullopt, 0, kNegative},
        RunCase{"NennerZero", {"1", "2", "0", "0"}, false, "", {}, std::nullopt, 0, kFailure},
        RunCase{"NegativeWurzel", {"1", "-2", "0", "1"}, false, "", {}, std::nullopt, 0, kFailure},
        RunCase{"BeyondDoubleRange", {"1", "2", "1e400", "1"}, false, "", {}, std::nullopt, 0, kFailure},
        RunCase{"NonWholeInput", {"0.5", "2", "0", "1"}, false, "", {}, std::nullopt, 0, kFailure},
        RunCase{"NonWholeInputAfterWholeOnes", {"1", "0", "987", "610.4"}, false, "", {}, std::nullopt, 0, kFailure},
        RunCase{"InexactInput", {"0", "1", "9007199254740993", "1"}, true, "", {}, std::nullopt, 0, kFailure},
        // 100000 * sqrt(2): after step 2 koeff is 100759 * 100000, beyond
        // the 32-bit range of the reduction.
        RunCase{"OverflowAfterTwoSteps", {"100000", "2", "0", "1"}, false,
                " 100000\t 2\t 0\t 1\t> 141421\r\n 100000\t 2\t 141421\t 100759\t> 2\r\n", {141421, 2}, std::nullopt,
                2, kFailure},
        // abs 2^53 + 2 over 1: the quotient of step 1 cannot be held, so the
        // step records nothing and the list stays empty although n is 1.
        RunCase{"QuotientBeyondTwoToThe53", {"0", "0", "9007199254740994", "1"}, false,
                " 0\t 0\t 9007199254740994\t 1", {}, std::nullopt, 1, kFailure}),
    [](const ::testing::TestParamInfo<RunCase>& info) { return info.param.name; });
// clang-format on

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

// √2566 has a period of 102 quotients after 50: step 101 cannot be recorded.
TEST(RunExpansion, StepLimit) {
    for (const bool variant : {false, true}) {
        RecordedRun run({"1", "2566", "0", "1"}, variant);
        const RunResult result = run.Run();
        EXPECT_EQ(result.end, RunEnd::Failed);
        EXPECT_FALSE(result.periodStart.has_value());
        EXPECT_EQ(run.host.messages, std::vector<Message>{kBadInput});
        EXPECT_EQ(run.engine.State().n, 101);
        EXPECT_EQ(run.outputs.quotients.size(), 100u);
        EXPECT_EQ(Count(run.fractionList.Text(), "\r\n\r\n"), 100u);
        // 101 quotient suffixes, the last one of step 101 with its line end:
        // the period is symmetric, so step 101's quotient is that of step 3
        // (1); the variant's last quotients are 5, 2, 2.
        const std::string& trace = run.trace.Text();
        EXPECT_EQ(Count(trace, "\t>"), 101u);
        const std::string start =
            variant ? " 1\t 2566\t 0\t 1\t> 51\r\n" : " 1\t 2566\t 0\t 1\t> 50\r\n 1\t 2566\t 50\t 66\t> 1\r\n";
        EXPECT_EQ(trace.substr(0, start.size()), start);
        const std::string end = variant ? "\t> 2\r\n" : "\t> 1\r\n";
        EXPECT_EQ(trace.substr(trace.size() - end.size()), end);
    }
}

// The reason of each way a run can fail.
TEST(RunExpansion, FailureReasons) {
    using R = FailureReason;
    const struct {
        std::array<std::string, 4> inputs;
        FailureReason reason;
    } cases[] = {
        {{"1", "2", "-5", "1"}, R::NegativeX},
        {{"1", "2", "0", "0"}, R::ZeroDenominator},
        {{"1", "-2", "0", "1"}, R::NegativeRadicand},
        {{"100000", "2", "0", "1"}, R::Int32Overflow},
        {{"1", "2", "0", "2147483648"}, R::Int32Overflow},
        {{"0", "0", "9007199254740994", "1"}, R::BeyondTwoToThe53},
        {{"1", "2566", "0", "1"}, R::StepLimit},
        {{"1", "2", "1e400", "1"}, R::UnreadableInput},
        {{"1", "2.5", "0", "1"}, R::NonWholeInput},
        {{"1", "2", "0", "1e23"}, R::InexactInput},
    };
    for (const auto& c : cases) {
        RecordedRun run(c.inputs, false);
        const RunResult result = run.Run();
        EXPECT_EQ(result.end, RunEnd::Failed) << c.inputs[0] << " " << c.inputs[1] << " " << c.inputs[2];
        EXPECT_EQ(result.failure, c.reason) << c.inputs[0] << " " << c.inputs[1] << " " << c.inputs[2];
    }
    RecordedRun regular({"1", "2", "0", "1"}, false);
    EXPECT_EQ(regular.Run().failure, std::nullopt);
}

// With a square radicand x is rational: every run that ends regularly has
// pulled out the quotients of (koeff * root + abs) / nenner, whatever the
// signs, in both algorithms.
TEST(RunExpansion, SquareRadicandsGiveTheRationalExpansion) {
    for (const bool variant : {false, true}) {
        for (int koeff = -3; koeff <= 3; ++koeff) {
            for (const int root : {0, 1, 2, 3}) {
                for (int abs = -9; abs <= 9; ++abs) {
                    for (int nenner = -6; nenner <= 6; ++nenner) {
                        if (nenner == 0) continue;
                        const std::array<std::string, 4> inputs{std::to_string(koeff), std::to_string(root * root),
                                                                std::to_string(abs), std::to_string(nenner)};
                        RecordedRun run(inputs, variant);
                        const RunResult result = run.Run();
                        mpq_class x(koeff * root + abs, nenner);
                        x.canonicalize();
                        SCOPED_TRACE(::testing::Message() << inputs[0] << " " << inputs[1] << " " << inputs[2] << " "
                                                          << inputs[3] << (variant ? " variant" : ""));
                        if (x < 0) {
                            ASSERT_EQ(result.failure, FailureReason::NegativeX);
                            continue;
                        }
                        ASSERT_EQ(result.end, RunEnd::Regular);
                        std::vector<double> expected;
                        for (;;) {
                            mpz_class k;
                            if (variant) {
                                mpz_cdiv_q(k.get_mpz_t(), x.get_num_mpz_t(), x.get_den_mpz_t());
                            } else {
                                mpz_fdiv_q(k.get_mpz_t(), x.get_num_mpz_t(), x.get_den_mpz_t());
                            }
                            expected.push_back(k.get_d());
                            if (x == k) break;
                            x = variant ? mpq_class(1 / (k - x)) : mpq_class(1 / (x - k));
                        }
                        ASSERT_EQ(run.outputs.quotients, expected);
                    }
                }
            }
        }
    }
}

TEST(RunExpansion, OrderOfCalls) {
    RecordedRun run({"1", "2", "0", "1"}, false);
    run.Run();
    EXPECT_EQ(test::Joined(run.log),
              "RunOpening, RunStart, "
              "InputText koeff, InputText wurzel, InputText abs, InputText nenner, "
              "SetInputText koeff=1, SetInputText abs=0, SetInputText nenner=1, InputsReduced, "
              "Yield, QuotientPulled 1 1, StepRecorded 1 1, QuadIrrationalReached, "
              "Yield, QuotientPulled 2 2, StepRecorded 2 2, QuadIrrationalReached, "
              "PeriodFound 2 2, PeriodQuotient 2, Closing");

    RecordedRun rational({"0", "0", "4", "6"}, false);
    rational.Run();
    const std::string log = test::Joined(rational.log);
    EXPECT_EQ(log.substr(log.find("StepRecorded 3")), "StepRecorded 3 2, RationalEnd, Closing");

    RecordedRun negative({"1", "2", "-5", "1"}, false);
    negative.Run();
    EXPECT_EQ(test::Joined(negative.log),
              "RunOpening, RunStart, "
              "InputText koeff, InputText wurzel, InputText abs, InputText nenner, "
              "ShowMessage Bitte x > 0 beachten, ShowMessage Das ist keine gute Eingabe!, Closing");
}

TEST(RunExpansion, VariantTickedDuringAYieldCountsFromTheNextReading) {
    // √2: step 1 in the usual algorithm, from step 2 on the variant.
    RecordedRun run({"1", "2", "0", "1"}, false);
    run.host.onYield = [&](int yield) {
        if (yield == 2) run.host.variant = true;
        return true;
    };
    const RunResult result = run.Run();
    EXPECT_EQ(
        run.trace.Text(),
        " 1\t 2\t 0\t 1\t> 1\r\n 1\t 2\t 1\t 1\t> 3\r\n 1\t 2\t 2\t 2\t> 2\r\n 1\t 2\t 2\t 1\t> 4\r\n 1\t 2\t 2\t 2");
    EXPECT_EQ(run.outputs.quotients, (std::vector<double>{1, 3, 2, 4}));
    EXPECT_EQ(result.periodStart, 3);
    EXPECT_EQ(run.outputs.periodQuotients, (std::vector<double>{2, 4}));
}

TEST(RunExpansion, ClosingProgramStopsTheRunAtOnce) {
    RecordedRun run({"1", "7", "0", "1"}, false);
    run.host.onYield = [](int yield) { return yield < 3; };
    const RunResult result = run.Run();
    EXPECT_EQ(result.end, RunEnd::Aborted);
    EXPECT_EQ(run.log.back(), "Yield");
    EXPECT_EQ(run.trace.Text(), " 1\t 7\t 0\t 1\t> 2\r\n 1\t 7\t 2\t 3\t> 1\r\n 1\t 7\t 1\t 2");
    EXPECT_EQ(run.fractionList.Text(), "Brüche des letzten Laufs");
    EXPECT_TRUE(run.host.messages.empty());
    EXPECT_FALSE(run.engine.RunInProgress());
}

TEST(RunExpansion, SecondRunDuringAYieldIsRefused) {
    RecordedRun run({"1", "7", "0", "1"}, false);
    std::optional<RunResult> second;
    run.host.onYield = [&](int yield) {
        if (yield == 2) {
            EXPECT_TRUE(run.engine.RunInProgress());
            const std::size_t before = run.log.size();
            run.host.inputs = {"1", "2", "0", "1"};
            second = run.engine.RunExpansion();
            EXPECT_EQ(run.log.size(), before);  // the refused run touched nothing
        }
        return true;
    };
    const RunResult first = run.Run();
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->end, RunEnd::Refused);
    EXPECT_EQ(first.end, RunEnd::Regular);
    EXPECT_EQ(run.outputs.quotients, (std::vector<double>{2, 1, 1, 1, 4}));
    EXPECT_FALSE(run.engine.RunInProgress());
    // Once the first run is over, a new one starts.
    EXPECT_EQ(run.engine.RunExpansion().end, RunEnd::Regular);
    EXPECT_EQ(run.trace.Text(), " 1\t 2\t 0\t 1\t> 1\r\n 1\t 2\t 1\t 1\t> 2\r\n 1\t 2\t 1\t 1");
}

// Whatever the texts, a run never crashes and always ends with the closing.
TEST(RunExpansion, BadInputAndRandomBytesAlwaysEndWithTheClosing) {
    const char* texts[] = {"",
                           " ",
                           "abc",
                           "-",
                           "1e400",
                           "-1e400",
                           "1e-400",
                           "2147483647",
                           "2147483648",
                           "-2147483648",
                           "-2147483649",
                           "2147483647.5",
                           "0.5",
                           "2.5",
                           "-3.5",
                           "1e15",
                           "9007199254740993",
                           "1e300",
                           "+7",
                           " 1 2 ",
                           "3e",
                           "0.4",
                           "1e9"};
    const std::string alphabet = "0123456789012345678901234567890123456789 +-.eE\t\nx";
    std::mt19937 random(5);
    std::uniform_int_distribution<int> pick(0, std::size(texts) - 1);
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> letter(0, static_cast<int>(alphabet.size()) - 1);
    for (int i = 0; i < 6000; ++i) {
        // Picked from the texts above, or random characters or bytes.
        std::array<std::string, 4> inputs;
        for (std::string& text : inputs) {
            if (i % 2 == 0) {
                text = texts[pick(random)];
                continue;
            }
            for (int j = length(random); j > 0; --j) {
                text.push_back(i % 3 == 0 ? static_cast<char>(byte(random)) : alphabet[letter(random)]);
            }
        }
        RecordedRun run(inputs, i % 4 < 2);
        const RunResult result = run.Run();
        SCOPED_TRACE(::testing::Message() << '"' << inputs[0] << "\" \"" << inputs[1] << "\" \"" << inputs[2] << "\" \""
                                          << inputs[3] << '"');
        ASSERT_TRUE(result.end == RunEnd::Regular || result.end == RunEnd::Failed);
        ASSERT_FALSE(run.log.empty());
        EXPECT_EQ(run.log.back(), "Closing");
        EXPECT_EQ(result.end == RunEnd::Failed, !run.host.messages.empty() && run.host.messages.back() == kBadInput);
        EXPECT_LE(run.engine.State().n, 101);
        if (HasFailure()) return;
    }
}

}  // namespace
}  // namespace tamsel
