// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn nested fraction, recorded on a surface that logs every print and
// line instead of painting, and driven by the real expansion run.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "../support/fake_host.h"
#include "../support/recording_surface.h"

namespace tamsel {
namespace {

using test::Entry;
using test::Line;
using test::Op;
using test::Print;
using test::RecordingSurface;

// Builders for the expected log. Every position is written as the sum of
// the layout's constants, in single precision like the drawing itself.
float F(int v) { return static_cast<float>(v); }

std::vector<Entry> Head() { return {test::Erase(test::kStart), Print(" x  = ", {0, 3})}; }

// The prints and the bar of step n with quotient text q; sign is "  + 1" or
// "  - 1" and belongs to steps from 2 on.
void AppendStep(std::vector<Entry>& log, int n, const std::string& q, const std::string& sign) {
    if (n > 1) {
        const float barY = 3 * F(n - 1) + 2.4f;
        log.push_back(Line({5 * F(n), barY}, {5 * F(n) + 5, barY}, {5 * F(n), 3 * F(n - 1)}));
        log.push_back(Print(sign, {5 * F(n) - 2, 3 * F(n - 1)}));
    }
    log.push_back(Print(q, {5 * F(n), 3 * F(n)}));
}

// The period line from the quotient of step p to two rows below where the
// last print ended, and "Periode" there.
void AppendPeriod(std::vector<Entry>& log, int p) {
    const DrawPoint end = log.back().after;
    const DrawPoint lineEnd{end.x, end.y + 6};
    log.push_back(Line({5 * F(p), 3 * F(p) + 3}, lineEnd, end));
    log.push_back(test::PrintEndingLine("Periode", lineEnd));
}

// √2 written out: the head, " 1" beside it, the bar of step 2 with "  + 1"
// behind the 1, " 2" one column right and one row down, and the period line
// from under that 2 (p = 2) to two rows below where the print of " 2" ended.
TEST(NestedFraction, SqrtTwoLogInFull) {
    RecordingSurface surface;
    test::RecordedRun({"1", "2", "0", "1"}, false, "", &surface).Run();
    const float bar = 3 + 2.4f;
    const std::vector<Entry> expected{
        {Op::Erase, "", PrintEnd::KeepRow, {}, {}, {33, 44}, {0, 0}},
        {Op::Print, " x  = ", PrintEnd::KeepRow, {}, {}, {0, 3}, {6, 3}},
        {Op::Print, " 1", PrintEnd::KeepRow, {}, {}, {5, 3}, {7, 3}},
        {Op::Line, "", PrintEnd::KeepRow, {10, bar}, {15, bar}, {10, 3}, {15, bar}},
        {Op::Print, "  + 1", PrintEnd::KeepRow, {}, {}, {8, 3}, {13, 3}},
        {Op::Print, " 2", PrintEnd::KeepRow, {}, {}, {10, 6}, {12, 6}},
        {Op::Line, "", PrintEnd::KeepRow, {10, 9}, {12, 12}, {12, 6}, {12, 12}},
        {Op::Print, "Periode", PrintEnd::EndLine, {}, {}, {12, 12}, {0, 16}},
    };
    EXPECT_EQ(surface.Log(), expected);
}

TEST(NestedFraction, DrawsTheStaircaseAndPeriodExactly) {
    const struct {
        const char* name;
        std::array<std::string, 4> inputs;  // koeff, wurzel, abs, nenner
        bool variant;
        std::vector<std::string> quotients;  // as printed
        std::optional<int> periodStart;
        RunEnd end;
    } cases[] = {
        {"Sqrt2", {"1", "2", "0", "1"}, false, {" 1", " 2"}, 2, RunEnd::Regular},
        {"Sqrt2Variant", {"1", "2", "0", "1"}, true, {" 2", " 2", " 4"}, 2, RunEnd::Regular},
        {"GoldenRatio", {"1", "5", "1", "2"}, false, {" 1"}, 1, RunEnd::Regular},
        {"ThreeHalves", {"0", "2", "3", "2"}, false, {" 1", " 2"}, std::nullopt, RunEnd::Regular},
        // Only the head.
        {"NegativeX", {"1", "2", "0", "-1"}, false, {}, std::nullopt, RunEnd::Failed},
        // 100000·√2 = 141421.35…, then 1/0.35… = 2.8…; the parameters of the
        // third quadratic irrational no longer fit 32 bits.
        {"FailsAfterTwoSteps", {"100000", "2", "0", "1"}, false, {" 141421", " 2"}, std::nullopt, RunEnd::Failed},
        // √211 = [14; 1, 1, 9, 5, 1, 2, 2, 1, 1, 4, 3, 1, 13, 1, 3, 4, 1, 1, 2, 2, 1, 5, 9, 1, 1, 28]: a
        // period of 26 quotients, from step 20 on below the bottom edge.
        {"Sqrt211LongPeriod",
         {"1", "211", "0", "1"},
         false,
         {" 14", " 1", " 1", " 9", " 5", " 1", " 2", " 2", " 1", " 1", " 4", " 3", " 1", " 13",
          " 1",  " 3", " 4", " 1", " 1", " 2", " 2", " 1", " 5", " 9", " 1", " 1", " 28"},
         2,
         RunEnd::Regular},
    };
    for (const auto& c : cases) {
        RecordingSurface surface;
        const RunResult result = test::RecordedRun(c.inputs, c.variant, "", &surface).Run();
        std::vector<Entry> expected = Head();
        for (std::size_t i = 0; i < c.quotients.size(); ++i) {
            AppendStep(expected, static_cast<int>(i + 1), c.quotients[i], c.variant ? "  - 1" : "  + 1");
        }
        if (c.periodStart) AppendPeriod(expected, *c.periodStart);
        EXPECT_EQ(result.end, c.end) << c.name;
        EXPECT_EQ(result.periodStart, c.periodStart) << c.name;
        EXPECT_EQ(surface.Log(), expected) << c.name;
    }
}

// The sign behind a quotient follows the variant switch as it stands when
// that step is drawn. √2 with the switch flipped before every step from the
// second on: usual step 1 (floor 1, then √2 + 1), variant step 2 (ceiling
// 3, then 1/(3 - (√2 + 1)) = (√2 + 2)/2), usual step 3 (floor 1, then
// 2√2/2, which keeps its factor 2 because its absolute term is 0), variant
// step 4 (ceiling 2, then (√2 + 2)/2 again, the number of step 3: the
// period starts at step 3).
TEST(NestedFraction, SignsFollowTheSwitchWhenItFlipsBetweenSteps) {
    RecordingSurface surface;
    test::RecordedRun run({"1", "2", "0", "1"}, false, "", &surface);
    run.host.onYield = [&](int step) {
        run.host.variant = step % 2 == 0;
        return true;
    };
    EXPECT_EQ(run.Run().end, RunEnd::Regular);

    std::vector<Entry> expected = Head();
    AppendStep(expected, 1, " 1", "");
    AppendStep(expected, 2, " 3", "  - 1");
    AppendStep(expected, 3, " 1", "  + 1");
    AppendStep(expected, 4, " 2", "  - 1");
    AppendPeriod(expected, 3);
    EXPECT_EQ(surface.Log(), expected);
}

}  // namespace
}  // namespace tamsel
