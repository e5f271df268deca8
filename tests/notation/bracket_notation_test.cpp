// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "../support/fake_host.h"
#include "notation/text_holder.h"

namespace tamsel {
namespace {

using test::RecordedRun;

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
        {"a\xf8\x80\x80\x80", "a\xf8\x80\x80"},  // no lead byte of a 4-byte character
    };
    for (const auto& c : cases) {
        StringTextHolder box(c.before);
        EXPECT_TRUE(box.DropLastChar());
        EXPECT_EQ(box.Text(), c.after) << c.before;
    }
    StringTextHolder empty;
    EXPECT_FALSE(empty.DropLastChar());
}

TEST(BracketNotation, OneLinePerRun) {
    const struct {
        std::array<std::string, 4> inputs;
        bool variant;
        const char* line;
    } cases[] = {
        {{"1", "2", "0", "1"}, false, "x = [ 1; 2   Periode 2 ]"},
        {{"1", "3", "0", "1"}, false, "x = [ 1; 1, 2   Periode 1 2 ]"},
        {{"1", "7", "0", "1"}, false, "x = [ 2; 1, 1, 1, 4   Periode 1 1 1 4 ]"},
        {{"1", "13", "0", "1"}, false, "x = [ 3; 1, 1, 1, 1, 6   Periode 1 1 1 1 6 ]"},
        {{"1", "5", "1", "2"}, false, "x = [ 1   Periode 1 ]"},
        {{"2", "2", "1", "3"}, false, "x = [ 1; 3, 1, 1, 1, 1   Periode 1 3 1 1 1 1 ]"},
        {{"0", "2", "3", "2"}, false, "x = [ 1; 2 ]"},
        {{"0", "2", "3", "1"}, false, "x = [ 3 ]"},
        {{"0", "2", "0", "1"}, false, "x = [ 0 ]"},
        {{"1", "2", "0", "1"}, true, "x = [ 2; 2, 4   Periode 2 4 ]"},
        {{"1", "3", "0", "1"}, true, "x = [ 2; 4   Periode 4 ]"},
        {{"1", "5", "1", "2"}, true, "x = [ 2; 3   Periode 3 ]"},
        {{"0", "2", "3", "2"}, true, "x = [ 2; 2 ]"},
        {{"1", "2", "0", "-1"}, true, "x = [ ]"},
        {{"1", "2", "0", "0"}, false, "x = [ ]"},
        {{"1", "2", "1e400", "1"}, false, "x = [ ]"},
        {{"2", "2", "4", "6"}, false, "x = [ 1; 7, 4, 8   Periode 4 8 ]"},
        {{"0", "0", "4", "6"}, false, "x = [ 0; 1, 2 ]"},
        {{"1", "4", "0", "1"}, false, "x = [ 2 ]"},
        {{"93222358", "2", "0", "1"}, false, "x = [ 131836322; 1, 263672644   Periode 1 263672644 ]"},
        {{"0", "0", "13510798882111490", "3"}, false, "x = [ 4503599627370496; 1, 2 ]"},
        // Whole values written with a point or an exponent are whole.
        {{"2", "2.0", "4", "6e0"}, false, "x = [ 1; 7, 4, 8   Periode 4 8 ]"},
        {{"1", "1e22", "0", "1"}, false, "x = [ 100000000000 ]"},
        // Only whole numbers that a double holds exactly are taken.
        {{"0.5", "2", "0", "1"}, false, "x = [ ]"},
        {{"1", "0", "987", "610.4"}, false, "x = [ ]"},
        {{"0", "1", "9007199254740993", "1"}, false, "x = [ ]"},
        {{"1", "18014398509481985", "0", "1"}, false, "x = [ ]"},
        {{"1e23", "2", "0", "1"}, false, "x = [ ]"},
        // Beside wurzel 0 koeff grows with every step but does not count.
        {{"1", "0", "987", "610"}, false, "x = [ 1; 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2 ]"},
        // 9/5 typed with a square radicand.
        {{"1", "4", "7", "5"}, false, "x = [ 1; 1, 4 ]"},
        {{"1", "4", "7", "5"}, true, "x = [ 2; 5 ]"},
        // A failure after two recorded steps keeps the comma of step 2.
        {{"100000", "2", "0", "1"}, false, "x = [ 141421; 2, ]"},
        // The step limit: 100 quotients, the last comma kept.
        {{"1", "2566", "0", "1"},
         false,
         "x = [ 50; 1, 1, 1, 9, 2, 6, 1, 3, 5, 2, 1, 2, 2, 1, 1, 1, 1, 4, 1, 2, 1, 1, 4, 33, 1, 1, "
         "4, 3, 6, 2, 3, 1, 16, 9, 6, 1, 1, 1, 4, 5, 1, 2, 1, 10, 1, 1, 13, 1, 19, 3, 50, 3, 19, 1, "
         "13, 1, 1, 10, 1, 2, 1, 5, 4, 1, 1, 1, 6, 9, 16, 1, 3, 2, 6, 3, 4, 1, 1, 33, 4, 1, 1, 2, 1, "
         "4, 1, 1, 1, 1, 2, 2, 1, 2, 5, 3, 1, 6, 2, 9, 1, ]"},
        {{"1", "2566", "0", "1"},
         true,
         "x = [ 51; 3, 11, 2, 8, 5, 2, 2, 2, 2, 4, 4, 2, 3, 3, 6, 4, 3, 2, 2, 2, 35, 3, 2, 2, 2, 5, "
         "2, 2, 2, 2, 2, 4, 2, 2, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 11, 2, 2, 2, 2, 2, "
         "3, 3, 2, 2, 2, 7, 4, 12, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 2, 2, 2, 2, 2, 2, 2, 2, "
         "2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 5, 2, 2, ]"},
    };
    for (const auto& c : cases) {
        RecordedRun run(c.inputs, c.variant);
        run.Run();
        EXPECT_EQ(run.notation.Text(), std::string(c.line) + "\r\n")
            << c.inputs[0] << " " << c.inputs[1] << " " << c.inputs[2] << " " << c.inputs[3] << " " << c.variant;
    }
}

TEST(BracketNotation, TwoRunsLeaveTwoLinesAfterTheTypedText) {
    RecordedRun run({"1", "2", "0", "1"}, false, "Wurzel 2:");
    run.Run();
    run.host.inputs = {"1", "3", "0", "1"};
    run.Run();
    EXPECT_EQ(run.notation.Text(), "Wurzel 2:x = [ 1; 2   Periode 2 ]\r\nx = [ 1; 1, 2   Periode 1 2 ]\r\n");
}

// The box emptied between a step's quotient and the drop of its separator:
// the drop fails, and the line is closed on the failure path, with only the
// recorded quotient listed.
TEST(BracketNotation, DropOnAnEmptiedBoxTakesTheFailurePath) {
    RecordedRun run({"0", "2", "3", "1"}, false, "alt");
    run.outputs.afterStep = [&](int) { run.notation.Clear(); };
    const RunResult result = run.Run();
    EXPECT_EQ(result.end, RunEnd::Failed);
    EXPECT_EQ(result.failure, FailureReason::NotationEmptied);
    EXPECT_EQ(run.notation.Text(), " ]\r\n");
    EXPECT_EQ(run.host.messages, std::vector<Message>{test::kBadInput});
    EXPECT_EQ(run.fractionList.Text(), " 3\r\n/ 1\r\n\r\n");
    const std::string calls = test::Joined(run.log);
    EXPECT_EQ(calls.substr(calls.find("RationalEnd")), "RationalEnd, ShowMessage Das ist keine gute Eingabe!, Closing");
}

}  // namespace
}  // namespace tamsel
