#include <gmpxx.h>
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "../support/fake_host.h"
#include "engine/expansion_engine.h"
#include "engine/run_failure.h"

namespace tamsel {
namespace {

using test::kBadInput;
using test::kNegativeX;
using test::Message;
using test::RecordedRun;

struct RunCase {
    const char* name;
    std::array<std::string, 4> inputs;
    bool variant;
    const char* trace;
    std::vector<double> quotients;
    std::optional<std::int32_t> periodStart;
    std::vector<double> periodQuotients;
    std::array<std::string, 4> inputsAfter;
    std::vector<Message> messages;
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

// The fraction list expected after a run with these quotients: forward
// recurrence over the quotients, the period repeated up to 20 steps.
std::string ExpectedFractions(const RunCase& c) {
    std::vector<double> q = c.quotients;
    for (std::size_t i = 0; c.periodStart && q.size() < 20; ++i) {
        q.push_back(c.periodQuotients[i % c.periodQuotients.size()]);
    }
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

    const bool failed = !c.messages.empty();
    EXPECT_EQ(result.end, failed ? RunEnd::Failed : RunEnd::Regular);
    EXPECT_EQ(result.periodStart, c.periodStart);
    EXPECT_EQ(run.host.trace, c.trace);
    EXPECT_TRUE(run.host.traceVisible);
    EXPECT_EQ(run.outputs.quotients, c.quotients);
    EXPECT_EQ(run.outputs.periodQuotients, c.periodQuotients);
    EXPECT_EQ(run.host.inputs, c.inputsAfter);
    EXPECT_EQ(run.host.messages, c.messages);
    EXPECT_EQ(run.host.fractions, ExpectedFractions(c));
    const int steps = static_cast<int>(c.quotients.size());
    EXPECT_EQ(run.engine.State().n, c.periodStart && steps < 20 ? 20 : steps);
    for (int i = 1; i <= steps; ++i) EXPECT_EQ(run.engine.State().quotient[i], c.quotients[i - 1]);
    EXPECT_FALSE(run.engine.RunInProgress());
}

const std::vector<Message> kNoMessages;
const std::vector<Message> kFailure{kBadInput};
const std::vector<Message> kNegative{kNegativeX, kBadInput};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Examples, RunExamples,
    ::testing::Values(
        RunCase{"Sqrt2", {"1", "2", "0", "1"}, false,
                " 1\t 2\t 0\t 1\t> 1\r\n 1\t 2\t 1\t 1\t> 2\r\n 1\t 2\t 1\t 1",
                {1, 2}, 2, {2}, {"1", "2", "0", "1"}, kNoMessages},
        RunCase{"Sqrt2Variant", {"1", "2", "0", "1"}, true,
                " 1\t 2\t 0\t 1\t> 2\r\n 1\t 2\t 2\t 2\t> 2\r\n 1\t 2\t 2\t 1\t> 4\r\n 1\t 2\t 2\t 2",
                {2, 2, 4}, 2, {2, 4}, {"1", "2", "0", "1"}, kNoMessages},
        RunCase{"Sqrt3", {"1", "3", "0", "1"}, false,
                " 1\t 3\t 0\t 1\t> 1\r\n 1\t 3\t 1\t 2\t> 1\r\n 1\t 3\t 1\t 1\t> 2\r\n 1\t 3\t 1\t 2",
                {1, 1, 2}, 2, {1, 2}, {"1", "3", "0", "1"}, kNoMessages},
        RunCase{"Sqrt3Variant", {"1", "3", "0", "1"}, true,
                " 1\t 3\t 0\t 1\t> 2\r\n 1\t 3\t 2\t 1\t> 4\r\n 1\t 3\t 2\t 1",
                {2, 4}, 2, {4}, {"1", "3", "0", "1"}, kNoMessages},
        RunCase{"Sqrt7", {"1", "7", "0", "1"}, false,
                " 1\t 7\t 0\t 1\t> 2\r\n 1\t 7\t 2\t 3\t> 1\r\n 1\t 7\t 1\t 2\t> 1\r\n 1\t 7\t 1\t 3\t> 1\r\n"
                " 1\t 7\t 2\t 1\t> 4\r\n 1\t 7\t 2\t 3",
                {2, 1, 1, 1, 4}, 2, {1, 1, 1, 4}, {"1", "7", "0", "1"}, kNoMessages},
        RunCase{"Sqrt7Variant", {"1", "7", "0", "1"}, true,
                " 1\t 7\t 0\t 1\t> 3\r\n 1\t 7\t 3\t 2\t> 3\r\n 1\t 7\t 3\t 1\t> 6\r\n 1\t 7\t 3\t 2",
                {3, 3, 6}, 2, {3, 6}, {"1", "7", "0", "1"}, kNoMessages},
        RunCase{"Sqrt13", {"1", "13", "0", "1"}, false,
                " 1\t 13\t 0\t 1\t> 3\r\n 1\t 13\t 3\t 4\t> 1\r\n 1\t 13\t 1\t 3\t> 1\r\n 1\t 13\t 2\t 3\t> 1\r\n"
                " 1\t 13\t 1\t 4\t> 1\r\n 1\t 13\t 3\t 1\t> 6\r\n 1\t 13\t 3\t 4",
                {3, 1, 1, 1, 1, 6}, 2, {1, 1, 1, 1, 6}, {"1", "13", "0", "1"}, kNoMessages},
        RunCase{"GoldenRatio", {"1", "5", "1", "2"}, false,
                " 1\t 5\t 1\t 2\t> 1\r\n 1\t 5\t 1\t 2",
                {1}, 1, {1}, {"1", "5", "1", "2"}, kNoMessages},
        RunCase{"GoldenRatioVariant", {"1", "5", "1", "2"}, true,
                " 1\t 5\t 1\t 2\t> 2\r\n 1\t 5\t 3\t 2\t> 3\r\n 1\t 5\t 3\t 2",
                {2, 3}, 2, {3}, {"1", "5", "1", "2"}, kNoMessages},
        RunCase{"PeriodFromStep1", {"2", "2", "1", "3"}, false,
                " 2\t 2\t 1\t 3\t> 1\r\n 3\t 2\t 3\t 2\t> 3\r\n 2\t 2\t 2\t 3\t> 1\r\n 6\t 2\t 3\t 7\t> 1\r\n"
                " 3\t 2\t 2\t 4\t> 1\r\n 6\t 2\t 4\t 7\t> 1\r\n 2\t 2\t 1\t 3",
                {1, 3, 1, 1, 1, 1}, 1, {1, 3, 1, 1, 1, 1}, {"2", "2", "1", "3"}, kNoMessages},
        RunCase{"ThreeHalves", {"0", "2", "3", "2"}, false,
                " 0\t 2\t 3\t 2\t> 1\r\n 0\t 2\t 2\t 1\t> 2\r\n",
                {1, 2}, std::nullopt, {}, {"0", "2", "3", "2"}, kNoMessages},
        RunCase{"ThreeHalvesVariant", {"0", "2", "3", "2"}, true,
                " 0\t 2\t 3\t 2\t> 2\r\n 0\t 2\t 2\t 1\t> 2\r\n",
                {2, 2}, std::nullopt, {}, {"0", "2", "3", "2"}, kNoMessages},
        RunCase{"Three", {"0", "2", "3", "1"}, false,
                " 0\t 2\t 3\t 1\t> 3\r\n",
                {3}, std::nullopt, {}, {"0", "2", "3", "1"}, kNoMessages},
        RunCase{"Zero", {"0", "2", "0", "1"}, false,
                " 0\t 2\t 0\t 1\t> 0\r\n",
                {0}, std::nullopt, {}, {"0", "2", "0", "1"}, kNoMessages},
        RunCase{"ReducedInputs", {"2", "2", "4", "6"}, false,
                " 1\t 2\t 2\t 3\t> 1\r\n 3\t 2\t 3\t 1\t> 7\r\n 3\t 2\t 4\t 2\t> 4\r\n 3\t 2\t 4\t 1\t> 8\r\n"
                " 3\t 2\t 4\t 2",
                {1, 7, 4, 8}, 3, {4, 8}, {"1", "2", "2", "3"}, kNoMessages},
        RunCase{"TwoThirds", {"0", "0", "4", "6"}, false,
                " 0\t 0\t 4\t 6\t> 0\r\n 0\t 0\t 3\t 2\t> 1\r\n 0\t 0\t 2\t 1\t> 2\r\n",
                {0, 1, 2}, std::nullopt, {}, {"0", "0", "4", "6"}, kNoMessages},
        RunCase{"SquareRootOf4", {"1", "4", "0", "1"}, false,
                " 1\t 4\t 0\t 1\t> 2\r\n",
                {2}, std::nullopt, {}, {"1", "4", "0", "1"}, kNoMessages},
        // Exact where doubles cancel.
        RunCase{"LargeKoeff", {"93222358", "2", "0", "1"}, false,
                " 93222358\t 2\t 0\t 1\t> 131836322\r\n 5741\t 2\t 8119\t 16238\t> 1\r\n"
                " 93222358\t 2\t 131836322\t 1\t> 263672644\r\n 5741\t 2\t 8119\t 16238",
                {131836322, 1, 263672644}, 2, {1, 263672644}, {"93222358", "2", "0", "1"}, kNoMessages},
        RunCase{"LargeAbs", {"0", "0", "13510798882111490", "3"}, false,
                " 0\t 0\t 13510798882111490\t 3\t> 4503599627370496\r\n 0\t 0\t 3\t 2\t> 1\r\n 0\t 0\t 2\t 1\t> 2\r\n",
                {4503599627370496, 1, 2}, std::nullopt, {}, {"0", "0", "13510798882111490", "3"}, kNoMessages},
        // Texts are read as the window reads them; the reduced values are
        // written back, wurzel's text is left alone.
        RunCase{"InputTexts", {"+2", " 2 ", "4abc", "6e0"}, false,
                " 1\t 2\t 2\t 3\t> 1\r\n 3\t 2\t 3\t 1\t> 7\r\n 3\t 2\t 4\t 2\t> 4\r\n 3\t 2\t 4\t 1\t> 8\r\n"
                " 3\t 2\t 4\t 2",
                {1, 7, 4, 8}, 3, {4, 8}, {"1", " 2 ", "2", "3"}, kNoMessages},
        // Failures: the trace and the fraction list are emptied, the inputs
        // stay as typed.
        RunCase{"NegativeX", {"1", "2", "-5", "1"}, false, "",
                {}, std::nullopt, {}, {"1", "2", "-5", "1"}, kNegative},
        RunCase{"NegativeNenner", {"1", "2", "0", "-1"}, true, "",
                {}, std::nullopt, {}, {"1", "2", "0", "-1"}, kNegative},
        RunCase{"JustBelowZero", {"93222358", "2", "-131836323", "1"}, false, "",
                {}, std::nullopt, {}, {"93222358", "2", "-131836323", "1"}, kNegative},
        RunCase{"NennerZero", {"1", "2", "0", "0"}, false, "",
                {}, std::nullopt, {}, {"1", "2", "0", "0"}, kFailure},
        RunCase{"NegativeWurzel", {"1", "-2", "0", "1"}, false, "",
                {}, std::nullopt, {}, {"1", "-2", "0", "1"}, kFailure},
        RunCase{"BeyondDoubleRange", {"1", "2", "1e400", "1"}, false, "",
                {}, std::nullopt, {}, {"1", "2", "1e400", "1"}, kFailure},
        // 100000 * sqrt(2): after step 2 koeff is 100759 * 100000, beyond
        // the 32-bit range of the reduction.
        RunCase{"OverflowAfterTwoSteps", {"100000", "2", "0", "1"}, false,
                " 100000\t 2\t 0\t 1\t> 141421\r\n 100000\t 2\t 141421\t 100759\t> 2\r\n",
                {141421, 2}, std::nullopt, {}, {"100000", "2", "0", "1"}, kFailure}),
    [](const ::testing::TestParamInfo<RunCase>& info) { return info.param.name; });
// clang-format on

TEST(RunExpansion, FractionListsOfTheExamples) {
    const struct {
        std::array<std::string, 4> inputs;
        const char* start;
    } cases[] = {
        {{"1", "2", "0", "1"},
         " 1\r\n/ 1\r\n\r\n 3\r\n/ 2\r\n\r\n 7\r\n/ 5\r\n\r\n 17\r\n/ 12\r\n\r\n 41\r\n/ 29\r\n\r\n"},
        {{"1", "7", "0", "1"},
         " 2\r\n/ 1\r\n\r\n 3\r\n/ 1\r\n\r\n 5\r\n/ 2\r\n\r\n 8\r\n/ 3\r\n\r\n 37\r\n/ 14\r\n\r\n 45\r\n/ 17\r\n\r\n"},
        {{"1", "4", "0", "1"}, " 2\r\n/ 1\r\n\r\n"},
    };
    for (const auto& c : cases) {
        RecordedRun run(c.inputs, false);
        run.Run();
        EXPECT_EQ(run.host.fractions.substr(0, std::string(c.start).size()), c.start);
    }
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
        // 101 quotient suffixes, the last one of step 101 with its line end.
        const std::string& trace = run.host.trace;
        std::size_t suffixes = 0;
        for (std::size_t at = trace.find("\t>"); at != std::string::npos; at = trace.find("\t>", at + 2)) ++suffixes;
        EXPECT_EQ(suffixes, 101u);
        const std::string start =
            variant ? " 1\t 2566\t 0\t 1\t> 51\r\n" : " 1\t 2566\t 0\t 1\t> 50\r\n 1\t 2566\t 50\t 66\t> 1\r\n";
        EXPECT_EQ(trace.substr(0, start.size()), start);
        // The period is symmetric: the quotient of step 101 equals that of
        // step 3 (usual algorithm). The variant's last quotients are 5, 2, 2.
        const std::string end = variant ? "\t> 2\r\n" : "\t> 1\r\n";
        EXPECT_EQ(trace.substr(trace.size() - end.size()), end);
        int entries = 0;
        for (std::size_t at = run.host.fractions.find("\r\n\r\n"); at != std::string::npos;
             at = run.host.fractions.find("\r\n\r\n", at + 4)) {
            ++entries;
        }
        EXPECT_EQ(entries, 100);
    }
}

TEST(RunExpansion, OrderOfCalls) {
    RecordedRun run({"1", "2", "0", "1"}, false);
    run.Run();
    EXPECT_EQ(test::Joined(run.log),
              "ShowTrace, RunOpening, SetTrace, RunStart, "
              "InputText koeff, InputText wurzel, InputText abs, InputText nenner, "
              "SetInputText koeff=1, SetInputText abs=0, SetInputText nenner=1, SetTrace, "
              "Yield, AppendTrace, StepRecorded 1 1, AppendTrace, "
              "Yield, AppendTrace, StepRecorded 2 2, AppendTrace, "
              "PeriodFound 2 2, PeriodQuotient 2, Closing, SetFractions");

    RecordedRun rational({"0", "0", "4", "6"}, false);
    rational.Run();
    const std::string log = test::Joined(rational.log);
    EXPECT_EQ(log.substr(log.find("StepRecorded 3")), "StepRecorded 3 2, RationalEnd, Closing, SetFractions");

    RecordedRun negative({"1", "2", "-5", "1"}, false);
    negative.Run();
    EXPECT_EQ(test::Joined(negative.log),
              "ShowTrace, RunOpening, SetTrace, RunStart, "
              "InputText koeff, InputText wurzel, InputText abs, InputText nenner, "
              "ShowMessage Bitte x > 0 beachten, ShowMessage Das ist keine gute Eingabe!, Closing, SetFractions");
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
        run.host.trace,
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
    EXPECT_EQ(run.host.trace, " 1\t 7\t 0\t 1\t> 2\r\n 1\t 7\t 2\t 3\t> 1\r\n 1\t 7\t 1\t 2");
    EXPECT_EQ(run.host.fractions, "Brüche des letzten Laufs");
    EXPECT_TRUE(run.host.messages.empty());
    EXPECT_FALSE(run.engine.RunInProgress());
}

TEST(RunExpansion, SecondRunDuringAYieldIsRefused) {
    RecordedRun run({"1", "7", "0", "1"}, false);
    std::optional<RunResult> second;
    bool inProgress = false;
    run.host.onYield = [&](int yield) {
        if (yield == 2) {
            inProgress = run.engine.RunInProgress();
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
    EXPECT_TRUE(inProgress);
    EXPECT_EQ(first.end, RunEnd::Regular);
    EXPECT_EQ(first.periodStart, 2);
    EXPECT_EQ(run.outputs.quotients, (std::vector<double>{2, 1, 1, 1, 4}));
    EXPECT_FALSE(run.engine.RunInProgress());

    // Once the first run is over, a new one starts.
    EXPECT_EQ(run.engine.RunExpansion().end, RunEnd::Regular);
    EXPECT_EQ(run.host.trace, " 1\t 2\t 0\t 1\t> 1\r\n 1\t 2\t 1\t 1\t> 2\r\n 1\t 2\t 1\t 1");
}

TEST(RunExpansion, FailureAtTheDropOfTheLastSeparatorTakesTheFailurePath) {
    // The rational end's drop fails (as on an emptied notation box).
    struct FailingDrop : OutputPoints {
        void RationalEnd() override { throw RunFailure{}; }
    } failing;
    RecordedRun run({"0", "2", "3", "2"}, false, &failing);
    const RunResult result = run.Run();
    EXPECT_EQ(result.end, RunEnd::Failed);
    EXPECT_EQ(run.host.messages, std::vector<Message>{kBadInput});
    const std::string log = test::Joined(run.log);
    EXPECT_EQ(log.substr(log.find("RationalEnd")),
              "RationalEnd, ShowMessage Das ist keine gute Eingabe!, Closing, SetFractions");
    EXPECT_EQ(run.host.fractions, " 1\r\n/ 1\r\n\r\n 3\r\n/ 2\r\n\r\n");
}

TEST(RunExpansion, FailureWhilePullingOutListsOnlyRecordedQuotients) {
    // abs 2^53 + 2 over 1: the quotient of step 1 cannot be held, so the
    // step records nothing and the list stays empty although n is 1.
    RecordedRun tooLarge({"0", "0", "9007199254740994", "1"}, false);
    EXPECT_EQ(tooLarge.Run().end, RunEnd::Failed);
    EXPECT_EQ(tooLarge.engine.State().n, 1);
    EXPECT_EQ(tooLarge.host.trace, " 0\t 0\t 9007199254740994\t 1");
    EXPECT_EQ(tooLarge.host.fractions, "");
}

// Whatever the texts, a run never crashes and always ends with the closing.
void ExpectClosedRun(const std::array<std::string, 4>& texts, bool variant) {
    RecordedRun run(texts, variant);
    const RunResult result = run.Run();
    SCOPED_TRACE(::testing::Message() << '"' << texts[0] << "\" \"" << texts[1] << "\" \"" << texts[2] << "\" \""
                                      << texts[3] << '"');
    ASSERT_TRUE(result.end == RunEnd::Regular || result.end == RunEnd::Failed);
    ASSERT_GE(run.log.size(), 2u);
    EXPECT_EQ(run.log[run.log.size() - 2], "Closing");
    EXPECT_EQ(run.log.back(), "SetFractions");
    EXPECT_EQ(result.end == RunEnd::Failed, !run.host.messages.empty() && run.host.messages.back() == kBadInput);
    EXPECT_NE(run.host.fractions, "Brüche des letzten Laufs");
    EXPECT_LE(run.engine.State().n, 101);
    EXPECT_LE(run.outputs.quotients.size(), 100u);
}

TEST(RunExpansion, BadInputAlwaysEndsWithTheClosing) {
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
    std::mt19937 random(5);
    std::uniform_int_distribution<int> pick(0, std::size(texts) - 1);
    for (int i = 0; i < 3000; ++i) {
        ExpectClosedRun({texts[pick(random)], texts[pick(random)], texts[pick(random)], texts[pick(random)]}, i % 2);
        if (HasFailure()) return;
    }
}

TEST(RunExpansion, RandomTextsAlwaysEndWithTheClosing) {
    std::mt19937 random(6);
    const std::string alphabet = "0123456789012345678901234567890123456789 +-.eE\t\nx";
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> letter(0, static_cast<int>(alphabet.size()) - 1);
    for (int i = 0; i < 3000; ++i) {
        std::array<std::string, 4> texts;
        for (std::string& text : texts) {
            const int n = length(random);
            for (int j = 0; j < n; ++j) {
                text.push_back(i % 3 == 0 ? static_cast<char>(byte(random)) : alphabet[letter(random)]);
            }
        }
        ExpectClosedRun(texts, i % 2);
        if (HasFailure()) return;
    }
}

}  // namespace
}  // namespace tamsel
