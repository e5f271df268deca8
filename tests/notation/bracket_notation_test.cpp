#include "notation/bracket_notation.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "../support/fake_host.h"
#include "engine/run_failure.h"
#include "notation/result_notations.h"
#include "notation/text_holder.h"

namespace tamsel {
namespace {

using test::FakeHost;
using test::RecordingOutputs;

struct OperationsCase {
    const char* name;
    std::function<void(TextHolder&)> operations;
    const char* text;
};

void PrintTo(const OperationsCase& c, std::ostream* os) { *os << c.name; }

class BracketOperations : public ::testing::TestWithParam<OperationsCase> {};

TEST_P(BracketOperations, ExtendTheText) {
    StringTextHolder box("vorher\r\n");
    GetParam().operations(box);
    EXPECT_EQ(box.Text(), std::string("vorher\r\n") + GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, BracketOperations,
    ::testing::Values(OperationsCase{"Open", [](TextHolder& b) { OpenBracketNotation(b); }, "x = ["},
                      OperationsCase{"FirstQuotient", [](TextHolder& b) { AppendQuotientToNotation(b, 1, 2); }, " 2;"},
                      OperationsCase{"LaterQuotients",
                                     [](TextHolder& b) {
                                         AppendQuotientToNotation(b, 2, 3);
                                         AppendQuotientToNotation(b, 100, -4);
                                     },
                                     " 3,-4,"},
                      OperationsCase{"LargeQuotient", [](TextHolder& b) { AppendQuotientToNotation(b, 7, 263672644); },
                                     " 263672644,"},
                      OperationsCase{"Drop",
                                     [](TextHolder& b) {
                                         AppendQuotientToNotation(b, 2, 5);
                                         DropLastNotationChar(b);
                                     },
                                     " 5"},
                      OperationsCase{"Period",
                                     [](TextHolder& b) {
                                         OpenPeriodInNotation(b);
                                         AppendPeriodQuotient(b, 1);
                                         AppendPeriodQuotient(b, 4);
                                     },
                                     "   Periode 1 4"},
                      OperationsCase{"Close", [](TextHolder& b) { CloseBracketNotation(b); }, " ]\r\n"},
                      OperationsCase{"WholeLine",
                                     [](TextHolder& b) {
                                         OpenBracketNotation(b);
                                         AppendQuotientToNotation(b, 1, 1);
                                         AppendQuotientToNotation(b, 2, 2);
                                         DropLastNotationChar(b);
                                         OpenPeriodInNotation(b);
                                         AppendPeriodQuotient(b, 2);
                                         CloseBracketNotation(b);
                                     },
                                     "x = [ 1; 2   Periode 2 ]\r\n"}),
    [](const ::testing::TestParamInfo<OperationsCase>& info) { return info.param.name; });

TEST(DropLastNotationChar, EmptyTextFails) {
    StringTextHolder box;
    EXPECT_THROW(DropLastNotationChar(box), RunFailure);
    EXPECT_EQ(box.Text(), "");
}

TEST(StringTextHolder, DropLastCharRemovesOneUtf8Character) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"ab", "a"},
        {"Periodeä", "Periode"},  // 2 bytes
        {"x€", "x"},              // 3 bytes
        {"a😀", "a"},              // 4 bytes
        {"ä", ""},
        {"\r\n", "\r"},
        {"a\x80", "a"},  // a stray continuation byte is one character
        {"ab\x80\x80\x80\x80", "ab\x80\x80\x80"},
    };
    for (const auto& c : cases) {
        StringTextHolder box(c.before);
        EXPECT_TRUE(box.DropLastChar());
        EXPECT_EQ(box.Text(), c.after) << c.before;
    }
    StringTextHolder empty;
    EXPECT_FALSE(empty.DropLastChar());
}

// A run feeding the bracket notation of a box.
struct NotationRun {
    explicit NotationRun(std::array<std::string, 4> inputs, bool variant = false, std::string before = "")
        : host(std::move(inputs), variant, log),
          box(std::move(before)),
          notations(box, nullptr, host),
          engine(host, notations) {}

    RunEnd Run() { return engine.RunExpansion().end; }

    std::vector<std::string> log;
    FakeHost host;
    StringTextHolder box;
    ResultNotations notations;
    ExpansionEngine engine;
};

struct LineCase {
    std::array<std::string, 4> inputs;
    bool variant;
    const char* line;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.inputs[0] << " " << c.inputs[1] << " " << c.inputs[2] << " " << c.inputs[3]
        << (c.variant ? " ticked" : "");
}

class BracketLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(BracketLine, OneLinePerRun) {
    NotationRun run(GetParam().inputs, GetParam().variant);
    run.Run();
    EXPECT_EQ(run.box.Text(), std::string(GetParam().line) + "\r\n");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Examples, BracketLine,
    ::testing::Values(
        LineCase{{"1", "2", "0", "1"}, false, "x = [ 1; 2   Periode 2 ]"},
        LineCase{{"1", "3", "0", "1"}, false, "x = [ 1; 1, 2   Periode 1 2 ]"},
        LineCase{{"1", "7", "0", "1"}, false, "x = [ 2; 1, 1, 1, 4   Periode 1 1 1 4 ]"},
        LineCase{{"1", "13", "0", "1"}, false, "x = [ 3; 1, 1, 1, 1, 6   Periode 1 1 1 1 6 ]"},
        LineCase{{"1", "5", "1", "2"}, false, "x = [ 1   Periode 1 ]"},
        LineCase{{"2", "2", "1", "3"}, false, "x = [ 1; 3, 1, 1, 1, 1   Periode 1 3 1 1 1 1 ]"},
        LineCase{{"0", "2", "3", "2"}, false, "x = [ 1; 2 ]"},
        LineCase{{"0", "2", "3", "1"}, false, "x = [ 3 ]"},
        LineCase{{"0", "2", "0", "1"}, false, "x = [ 0 ]"},
        LineCase{{"1", "2", "0", "1"}, true, "x = [ 2; 2, 4   Periode 2 4 ]"},
        LineCase{{"1", "3", "0", "1"}, true, "x = [ 2; 4   Periode 4 ]"},
        LineCase{{"1", "5", "1", "2"}, true, "x = [ 2; 3   Periode 3 ]"},
        LineCase{{"0", "2", "3", "2"}, true, "x = [ 2; 2 ]"},
        LineCase{{"1", "2", "0", "-1"}, false, "x = [ ]"},
        LineCase{{"1", "2", "0", "-1"}, true, "x = [ ]"},
        LineCase{{"1", "2", "0", "0"}, false, "x = [ ]"},
        LineCase{{"1", "2", "0", "0"}, true, "x = [ ]"},
        LineCase{{"2", "2", "4", "6"}, false, "x = [ 1; 7, 4, 8   Periode 4 8 ]"},
        LineCase{{"0", "0", "4", "6"}, false, "x = [ 0; 1, 2 ]"},
        LineCase{{"1", "4", "0", "1"}, false, "x = [ 2 ]"},
        LineCase{{"93222358", "2", "0", "1"}, false, "x = [ 131836322; 1, 263672644   Periode 1 263672644 ]"},
        LineCase{{"0", "0", "13510798882111490", "3"}, false, "x = [ 4503599627370496; 1, 2 ]"},
        // A failure after two recorded steps keeps the comma of step 2.
        LineCase{{"100000", "2", "0", "1"}, false, "x = [ 141421; 2, ]"},
        // The step limit: 100 quotients, the last comma kept.
        LineCase{{"1", "2566", "0", "1"}, false,
                 "x = [ 50; 1, 1, 1, 9, 2, 6, 1, 3, 5, 2, 1, 2, 2, 1, 1, 1, 1, 4, 1, 2, 1, 1, 4, 33, 1, 1, "
                 "4, 3, 6, 2, 3, 1, 16, 9, 6, 1, 1, 1, 4, 5, 1, 2, 1, 10, 1, 1, 13, 1, 19, 3, 50, 3, 19, 1, "
                 "13, 1, 1, 10, 1, 2, 1, 5, 4, 1, 1, 1, 6, 9, 16, 1, 3, 2, 6, 3, 4, 1, 1, 33, 4, 1, 1, 2, 1, "
                 "4, 1, 1, 1, 1, 2, 2, 1, 2, 5, 3, 1, 6, 2, 9, 1, ]"},
        LineCase{{"1", "2566", "0", "1"}, true,
                 "x = [ 51; 3, 11, 2, 8, 5, 2, 2, 2, 2, 4, 4, 2, 3, 3, 6, 4, 3, 2, 2, 2, 35, 3, 2, 2, 2, 5, "
                 "2, 2, 2, 2, 2, 4, 2, 2, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 11, 2, 2, 2, 2, 2, "
                 "3, 3, 2, 2, 2, 7, 4, 12, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 2, 2, 2, 2, 2, 2, 2, 2, "
                 "2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 5, 2, 2, ]"}));
// clang-format on

TEST(BracketNotation, TwoRunsLeaveTwoLines) {
    NotationRun run({"1", "2", "0", "1"});
    run.Run();
    run.host.inputs = {"1", "3", "0", "1"};
    run.Run();
    EXPECT_EQ(run.box.Text(), "x = [ 1; 2   Periode 2 ]\r\nx = [ 1; 1, 2   Periode 1 2 ]\r\n");
}

TEST(BracketNotation, TypedTextStaysInFront) {
    NotationRun run({"1", "2", "0", "1"}, false, "Wurzel 2:");
    run.Run();
    EXPECT_EQ(run.box.Text(), "Wurzel 2:x = [ 1; 2   Periode 2 ]\r\n");
}

TEST(BracketNotation, TextTypedDuringAYieldIsExtended) {
    NotationRun run({"1", "7", "0", "1"});
    run.host.onYield = [&](int yield) {
        if (yield == 2) run.box.Clear();      // "Fenster löschen"
        if (yield == 4) run.box.Append("ä");  // typed into the box
        return true;
    };
    run.Run();
    EXPECT_EQ(run.box.Text(), " 1, 1,ä 1, 4   Periode 1 1 1 4 ]\r\n");
}

// Whatever the inputs, every run appends exactly one closed line.
TEST(BracketNotation, EveryRunClosesItsLine) {
    const char* texts[] = {"",           "abc",         "-",
                           "1e400",      "1e-400",      "2147483647",
                           "2147483648", "-2147483649", "2147483647.5",
                           "0.5",        "-3.5",        "9007199254740993",
                           "1e300",      " 1 2 ",       "3e",
                           "\xff\x80"};
    NotationRun run({"", "", "", ""});
    std::string expectedStart;
    for (const char* koeff : texts) {
        for (const char* abs : texts) {
            run.host.inputs = {koeff, "3", abs, "7"};
            run.Run();
            const std::string& text = run.box.Text();
            ASSERT_EQ(text.compare(0, expectedStart.size() + 5, expectedStart + "x = ["), 0) << koeff << " " << abs;
            ASSERT_EQ(text.substr(text.size() - 4), " ]\r\n") << koeff << " " << abs;
            ASSERT_EQ(text.find("\r\n", expectedStart.size()), text.size() - 2) << koeff << " " << abs;
            expectedStart = text;
        }
    }
}

// The box emptied between a step's quotient and the drop of its separator:
// the drop fails, and the line is closed on the failure path.
TEST(BracketNotation, DropOnAnEmptiedBoxTakesTheFailurePath) {
    std::vector<std::string> log;
    FakeHost host({"0", "2", "3", "1"}, false, log);
    StringTextHolder box("alt");
    ResultNotations notations(box, nullptr, host);
    RecordingOutputs emptying(log, &notations);
    emptying.afterStep = [&](int) { box.Clear(); };
    ExpansionEngine engine(host, emptying);
    EXPECT_EQ(engine.RunExpansion().end, RunEnd::Failed);
    EXPECT_EQ(box.Text(), " ]\r\n");
    EXPECT_EQ(host.messages, std::vector<test::Message>{test::kBadInput});
    EXPECT_EQ(host.fractions, " 3\r\n/ 1\r\n\r\n");
}

}  // namespace
}  // namespace tamsel
