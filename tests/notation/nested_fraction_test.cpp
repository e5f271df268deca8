// The drawn nested fraction, recorded on a surface that logs every print and
// line instead of painting, and driven by the real expansion run.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/expansion_engine.h"
#include "notation/nested_fraction.h"
#include "notation/result_notations.h"
#include "notation/text_holder.h"

namespace tamsel {
namespace {

// Every character of a printed text advances the recording surface by one
// unit; a line ends 4 units lower.
constexpr float kFakeLineHeight = 4;
// A fresh recording surface starts somewhere else than (0, 0), so that only
// an erase brings the drawing position there.
constexpr DrawPoint kStart{33, 44};

enum class Op { Erase, Print, Line };

struct Entry {
    Op op = Op::Print;
    std::string text;  // Print only
    PrintEnd end = PrintEnd::KeepRow;  // Print only
    DrawPoint from;  // Line only
    DrawPoint to;  // Line only
    DrawPoint before;  // the drawing position when the operation was called
    DrawPoint after;  // the drawing position it left behind
    friend bool operator==(const Entry&, const Entry&) = default;
};

void PrintTo(const DrawPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }

void PrintTo(const Entry& e, std::ostream* os) {
    os->precision(9);
    switch (e.op) {
    case Op::Erase:
        *os << "Erase";
        break;
    case Op::Print:
        *os << "Print \"" << e.text << "\" " << (e.end == PrintEnd::KeepRow ? "KeepRow" : "EndLine");
        break;
    case Op::Line:
        *os << "Line ";
        PrintTo(e.from, os);
        *os << "-";
        PrintTo(e.to, os);
        break;
    }
    *os << " at ";
    PrintTo(e.before, os);
    *os << " -> ";
    PrintTo(e.after, os);
}

class RecordingSurface : public DrawingSurface {
public:
    void Erase() override {
        const DrawPoint before = position_;
        position_ = {0, 0};
        log_.push_back({Op::Erase, {}, PrintEnd::KeepRow, {}, {}, before, position_});
    }
    DrawPoint Position() const override { return position_; }
    void SetPosition(DrawPoint p) override { position_ = p; }
    void Print(const std::string& text, PrintEnd end) override {
        const DrawPoint before = position_;
        if (end == PrintEnd::KeepRow) {
            position_.x += static_cast<float>(text.size());
        } else {
            position_ = {0, position_.y + kFakeLineHeight};
        }
        log_.push_back({Op::Print, text, end, {}, {}, before, position_});
    }
    void DrawLine(DrawPoint from, DrawPoint to) override {
        const DrawPoint before = position_;
        position_ = to;
        log_.push_back({Op::Line, {}, PrintEnd::KeepRow, from, to, before, position_});
    }

    const std::vector<Entry>& Log() const { return log_; }

private:
    DrawPoint position_ = kStart;
    std::vector<Entry> log_;
};

// The run's surroundings: fixed input texts, a variant switch the test can
// flip while the run yields, and nothing shown.
class FakeHost : public ExpansionHost {
public:
    FakeHost(std::array<std::string, 4> inputs, bool variant) : inputs_(std::move(inputs)), variant_(variant) {}

    bool VariantSelected() const override { return variant_; }
    std::string InputText(InputBox box) const override { return inputs_[static_cast<std::size_t>(box)]; }
    void SetInputText(InputBox, const std::string&) override {}
    bool Yield() override {
        ++yields_;
        if (onYield) onYield(yields_);
        return true;
    }
    void ShowMessage(const std::string& text, MessageIcon) override { messages.push_back(text); }
    void ShowTrace() override {}
    void SetTrace(const std::string&) override {}
    void AppendTrace(const std::string&) override {}
    void SetFractions(const std::string&) override {}

    void SetVariant(bool on) { variant_ = on; }

    // Called at every yield with the number of the step about to begin.
    std::function<void(int)> onYield;
    std::vector<std::string> messages;

private:
    std::array<std::string, 4> inputs_;
    bool variant_;
    int yields_ = 0;
};

// Builders for the expected log. Every position is written as the sum of
// the layout's constants, in single precision like the drawing itself.
float F(int v) { return static_cast<float>(v); }

Entry Erase(DrawPoint before) { return {Op::Erase, {}, PrintEnd::KeepRow, {}, {}, before, {0, 0}}; }

Entry Print(const std::string& text, DrawPoint at) {
    return {Op::Print, text, PrintEnd::KeepRow, {}, {}, at, {at.x + F(static_cast<int>(text.size())), at.y}};
}

Entry PrintEndingLine(const std::string& text, DrawPoint at) {
    return {Op::Print, text, PrintEnd::EndLine, {}, {}, at, {0, at.y + kFakeLineHeight}};
}

Entry Line(DrawPoint from, DrawPoint to, DrawPoint before) {
    return {Op::Line, {}, PrintEnd::KeepRow, from, to, before, to};
}

std::vector<Entry> Head() { return {Erase(kStart), Print(" x  = ", {0, 3})}; }

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
    log.push_back(PrintEndingLine("Periode", lineEnd));
}

struct RunOutcome {
    RunResult result;
    std::vector<Entry> log;
    std::vector<std::string> messages;
};

RunOutcome RunDrawn(FakeHost& host, RecordingSurface& surface) {
    StringTextHolder bracketBox;
    ResultNotations notations(bracketBox, &surface, host);
    ExpansionEngine engine(host, notations);
    RunOutcome outcome;
    outcome.result = engine.RunExpansion();
    outcome.log = surface.Log();
    outcome.messages = host.messages;
    return outcome;
}

struct DrawnRun {
    const char* name;
    std::array<std::string, 4> inputs;  // koeff, wurzel, abs, nenner
    bool variant;
    std::vector<std::string> quotients;  // as printed
    std::optional<int> periodStart;
    RunEnd end;
};

void PrintTo(const DrawnRun& r, std::ostream* os) { *os << r.name; }

class NestedFractionRun : public ::testing::TestWithParam<DrawnRun> {};

TEST_P(NestedFractionRun, DrawsTheStaircaseAndPeriodExactly) {
    const DrawnRun& run = GetParam();
    FakeHost host(run.inputs, run.variant);
    RecordingSurface surface;
    const RunOutcome outcome = RunDrawn(host, surface);

    std::vector<Entry> expected = Head();
    const std::string sign = run.variant ? "  - 1" : "  + 1";
    for (std::size_t i = 0; i < run.quotients.size(); ++i) {
        AppendStep(expected, static_cast<int>(i + 1), run.quotients[i], sign);
    }
    if (run.periodStart) AppendPeriod(expected, *run.periodStart);

    EXPECT_EQ(outcome.result.end, run.end);
    EXPECT_EQ(outcome.result.periodStart, run.periodStart);
    ASSERT_EQ(outcome.log.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(outcome.log[i], expected[i]) << "entry " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, NestedFractionRun,
    ::testing::Values(
        DrawnRun{"Sqrt2", {"1", "2", "0", "1"}, false, {" 1", " 2"}, 2, RunEnd::Regular},
        DrawnRun{"Sqrt2Variant", {"1", "2", "0", "1"}, true, {" 2", " 2", " 4"}, 2, RunEnd::Regular},
        DrawnRun{"Sqrt7", {"1", "7", "0", "1"}, false, {" 2", " 1", " 1", " 1", " 4"}, 2, RunEnd::Regular},
        DrawnRun{"Sqrt7Variant", {"1", "7", "0", "1"}, true, {" 3", " 3", " 6"}, 2, RunEnd::Regular},
        DrawnRun{"GoldenRatio", {"1", "5", "1", "2"}, false, {" 1"}, 1, RunEnd::Regular},
        DrawnRun{"ThreeHalves", {"0", "2", "3", "2"}, false, {" 1", " 2"}, std::nullopt, RunEnd::Regular},
        // 100000·√2 = 141421.35…, then 1/0.35… = 2.8…; the parameters of the
        // third quadratic irrational no longer fit 32 bits.
        DrawnRun{"FailsAfterTwoSteps", {"100000", "2", "0", "1"}, false, {" 141421", " 2"}, std::nullopt,
                 RunEnd::Failed},
        // √211 = [14; 1, 1, 9, 5, 1, 2, 2, 1, 1, 4, 3, 1, 13, 1, 3, 4, 1, 1, 2, 2, 1, 5, 9, 1, 1, 28]: a
        // period of 26 quotients, from step 20 on below the bottom edge.
        DrawnRun{"Sqrt211LongPeriod",
                 {"1", "211", "0", "1"},
                 false,
                 {" 14", " 1", " 1", " 9", " 5", " 1", " 2", " 2", " 1", " 1", " 4", " 3", " 1", " 13",
                  " 1",  " 3", " 4", " 1", " 1", " 2", " 2", " 1", " 5", " 9", " 1", " 1", " 28"},
                 2,
                 RunEnd::Regular}),
    [](const ::testing::TestParamInfo<DrawnRun>& info) { return std::string(info.param.name); });

// √2 written out: the head, " 1" beside it, the bar of step 2 with "  + 1"
// behind the 1, " 2" one column right and one row down, and the period line
// from under that 2 (p = 2) to two rows below where the print of " 2" ended.
TEST(NestedFractionRunTest, SqrtTwoLogInFull) {
    FakeHost host({"1", "2", "0", "1"}, false);
    RecordingSurface surface;
    const RunOutcome outcome = RunDrawn(host, surface);
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
    EXPECT_EQ(outcome.log, expected);
}

TEST(NestedFractionRunTest, NegativeXLeavesOnlyTheHead) {
    FakeHost host({"1", "2", "0", "-1"}, false);
    RecordingSurface surface;
    const RunOutcome outcome = RunDrawn(host, surface);
    EXPECT_EQ(outcome.result.end, RunEnd::Failed);
    EXPECT_EQ(outcome.messages, (std::vector<std::string>{"Bitte x > 0 beachten", "Das ist keine gute Eingabe!"}));
    EXPECT_EQ(outcome.log, Head());
}

TEST(NestedFractionRunTest, ZeroDenominatorLeavesOnlyTheHead) {
    FakeHost host({"1", "2", "0", "0"}, false);
    RecordingSurface surface;
    const RunOutcome outcome = RunDrawn(host, surface);
    EXPECT_EQ(outcome.result.end, RunEnd::Failed);
    EXPECT_EQ(outcome.log, Head());
}

// The sign behind a quotient follows the variant switch as it stands when
// that step is drawn; here the switch is flipped while the run yields before
// step 2. 3/2: floor 1 or ceiling 2 at step 1, then the whole number 2.
struct FlippedRun {
    const char* name;
    bool variantAtStart;
    std::string firstQuotient;
    std::string signOfStep2;
};

void PrintTo(const FlippedRun& r, std::ostream* os) { *os << r.name; }

class NestedFractionFlip : public ::testing::TestWithParam<FlippedRun> {};

TEST_P(NestedFractionFlip, SignFollowsTheSwitchAtTheStep) {
    const FlippedRun& run = GetParam();
    FakeHost host({"0", "2", "3", "2"}, run.variantAtStart);
    host.onYield = [&](int step) {
        if (step == 2) host.SetVariant(!run.variantAtStart);
    };
    RecordingSurface surface;
    const RunOutcome outcome = RunDrawn(host, surface);

    std::vector<Entry> expected = Head();
    AppendStep(expected, 1, run.firstQuotient, "");
    AppendStep(expected, 2, " 2", run.signOfStep2);
    EXPECT_EQ(outcome.result.end, RunEnd::Regular);
    EXPECT_EQ(outcome.log, expected);
}

INSTANTIATE_TEST_SUITE_P(Flips, NestedFractionFlip,
                         ::testing::Values(FlippedRun{"UsualThenVariant", false, " 1", "  - 1"},
                                           FlippedRun{"VariantThenUsual", true, " 2", "  + 1"}),
                         [](const ::testing::TestParamInfo<FlippedRun>& info) { return std::string(info.param.name); });

// √2 with the switch flipped before every step from the second on: usual
// step 1 (floor 1, then √2 + 1), variant step 2 (ceiling 3, then
// 1/(3 - (√2 + 1)) = (√2 + 2)/2), usual step 3 (floor 1, then 2√2/2, which
// keeps its factor 2 because its absolute term is 0), variant step 4
// (ceiling 2, then (√2 + 2)/2 again, the number of step 3: the period
// starts at step 3).
TEST(NestedFractionRunTest, SignsAlternateWithTheSwitch) {
    FakeHost host({"1", "2", "0", "1"}, false);
    host.onYield = [&](int step) { host.SetVariant(step % 2 == 0); };
    RecordingSurface surface;
    const RunOutcome outcome = RunDrawn(host, surface);

    std::vector<Entry> expected = Head();
    AppendStep(expected, 1, " 1", "");
    AppendStep(expected, 2, " 3", "  - 1");
    AppendStep(expected, 3, " 1", "  + 1");
    AppendStep(expected, 4, " 2", "  - 1");
    AppendPeriod(expected, 3);
    EXPECT_EQ(outcome.result.end, RunEnd::Regular);
    EXPECT_EQ(outcome.log, expected);
}

// "Fenster löschen" while the run yields: the erase takes everything drawn
// so far, and the later steps still land at their own positions.
TEST(NestedFractionRunTest, StepsAfterAnEraseDuringTheRunKeepTheirPositions) {
    FakeHost host({"1", "7", "0", "1"}, false);
    RecordingSurface surface;
    host.onYield = [&](int step) {
        if (step == 3) ClearDrawing(surface);
    };
    const RunOutcome outcome = RunDrawn(host, surface);

    std::vector<Entry> expected = Head();
    AppendStep(expected, 1, " 2", "");
    AppendStep(expected, 2, " 1", "  + 1");
    expected.push_back(Erase(expected.back().after));
    AppendStep(expected, 3, " 1", "  + 1");
    AppendStep(expected, 4, " 1", "  + 1");
    AppendStep(expected, 5, " 4", "  + 1");
    AppendPeriod(expected, 2);
    EXPECT_EQ(outcome.log, expected);
}

TEST(NestedFractionRunTest, SecondRunStartsWithAnErase) {
    FakeHost host({"1", "5", "1", "2"}, false);
    RecordingSurface surface;
    StringTextHolder bracketBox;
    ResultNotations notations(bracketBox, &surface, host);
    ExpansionEngine engine(host, notations);
    engine.RunExpansion();
    const std::size_t firstRun = surface.Log().size();
    engine.RunExpansion();

    // The second run erases the first one's drawing from where that left
    // the drawing position, and then draws the same as the first.
    const std::vector<Entry>& log = surface.Log();
    ASSERT_EQ(log.size(), 2 * firstRun);
    EXPECT_EQ(log[firstRun], Erase(log[firstRun - 1].after));
    EXPECT_EQ(std::vector<Entry>(log.begin() + static_cast<std::ptrdiff_t>(firstRun) + 1, log.end()),
              std::vector<Entry>(log.begin() + 1, log.begin() + static_cast<std::ptrdiff_t>(firstRun)));
}

// The operations one by one, where the run cannot reach them.

// The head only moves the drawing position to row 3; in a run the erase
// before it has put it at the left edge.
TEST(NestedFraction, HeadMovesToRowThreeOnly) {
    struct Case {
        DrawPoint from;
        DrawPoint printedAt;
    };
    for (const Case& c : {Case{{0, 0}, {0, 3}}, Case{{0, 17}, {0, 3}}, Case{{12, 40}, {12, 3}}}) {
        RecordingSurface surface;
        surface.SetPosition(c.from);
        DrawFractionHead(surface);
        EXPECT_EQ(surface.Log(), (std::vector<Entry>{Print(" x  = ", c.printedAt)}));
    }
}

// The two signs are two separate readings of the switch: a switch that
// changes between them gives both signs, or neither.
class TogglingFlag : public VariantFlag {
public:
    explicit TogglingFlag(bool first) : next_(first) {}
    bool VariantSelected() const override {
        const bool v = next_;
        next_ = !next_;
        return v;
    }

private:
    mutable bool next_;
};

TEST(NestedFraction, SignsAreTwoSeparateReadingsOfTheSwitch) {
    {
        RecordingSurface surface;
        TogglingFlag flag(false);  // not ticked at the first reading, ticked at the second
        DrawStep(surface, 3, 7, flag);
        const std::vector<Entry> expected{
            Line({15, 6 + 2.4f}, {20, 6 + 2.4f}, {15, 6}),
            Print("  + 1", {13, 6}),
            Print("  - 1", {18, 6}),
            Print(" 7", {15, 9}),
        };
        EXPECT_EQ(surface.Log(), expected);
    }
    {
        RecordingSurface surface;
        TogglingFlag flag(true);  // ticked at the first reading, not at the second
        DrawStep(surface, 3, 7, flag);
        const std::vector<Entry> expected{
            Line({15, 6 + 2.4f}, {20, 6 + 2.4f}, {15, 6}),
            Print(" 7", {15, 9}),
        };
        EXPECT_EQ(surface.Log(), expected);
    }
}

TEST(NestedFraction, QuotientIsPrintedAsItsNumberText) {
    struct Case {
        double k;
        const char* text;
    };
    for (const Case& c : {Case{0, " 0"}, Case{12, " 12"}, Case{-3, "-3"}, Case{1e14, " 100000000000000"}}) {
        RecordingSurface surface;
        TogglingFlag unused(false);
        DrawStep(surface, 1, c.k, unused);
        EXPECT_EQ(surface.Log(), (std::vector<Entry>{Print(c.text, {5, 3})})) << c.k;
    }
}

TEST(NestedFraction, PeriodMarkStartsAtItsFirstQuotientAndEndsBelowThePosition) {
    struct Case {
        int p;
        DrawPoint at;
    };
    for (const Case& c : {Case{1, {7, 3}}, Case{4, {27.5f, 18}}, Case{25, {131, 81}}}) {
        RecordingSurface surface;
        surface.SetPosition(c.at);
        DrawPeriodMark(surface, c.p);
        const DrawPoint end{c.at.x, c.at.y + 6};
        const std::vector<Entry> expected{
            Line({5 * F(c.p), 3 * F(c.p) + 3}, end, c.at),
            PrintEndingLine("Periode", end),
        };
        EXPECT_EQ(surface.Log(), expected) << "p = " << c.p;
    }
}

}  // namespace
}  // namespace tamsel
