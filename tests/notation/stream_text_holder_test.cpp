// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/run_failure.h"
#include "notation/bracket_notation.h"
#include "notation/stream_text_holder.h"

namespace tamsel {
namespace {

using Line = std::function<void(TextHolder&)>;

// The bracket operations of a whole run, once on a string box and once
// streamed: the streamed text is the box's text, with plain line ends.
TEST(StreamTextHolder, BracketLinesAsInTheBox) {
    const auto quotients = [](std::initializer_list<int> ks) {
        return [ks](TextHolder& box) {
            int n = 0;
            for (const int k : ks) AppendQuotientToNotation(box, ++n, mpz_class(k));
        };
    };
    const struct {
        const char* line;
        Line run;
    } cases[] = {
        {"x = [ 1; 2   Periode 2 ]\n",
         [&](TextHolder& box) {
             quotients({1, 2})(box);
             DropLastNotationChar(box);
             OpenPeriodInNotation(box);
             AppendPeriodQuotient(box, mpz_class(2));
         }},
        {"x = [ 1   Periode 1 ]\n",
         [&](TextHolder& box) {
             quotients({1})(box);
             DropLastNotationChar(box);
             OpenPeriodInNotation(box);
             AppendPeriodQuotient(box, mpz_class(1));
         }},
        {"x = [ 0; 1, 2 ]\n",
         [&](TextHolder& box) {
             quotients({0, 1, 2})(box);
             DropLastNotationChar(box);
         }},
        {"x = [-2; 1, … ]\n",
         [&](TextHolder& box) {
             quotients({-2, 1})(box);
             box.Append(" …");
         }},
        {"x = [ ]\n", [](TextHolder&) {}},
    };
    for (const auto& c : cases) {
        StringTextHolder box;
        std::ostringstream out;
        StreamTextHolder streamed(out, StreamTextHolder::LineEnd::Newline);
        for (TextHolder* holder : std::vector<TextHolder*>{&box, &streamed}) {
            OpenBracketNotation(*holder);
            c.run(*holder);
            CloseBracketNotation(*holder);
        }
        streamed.Flush();
        EXPECT_EQ(out.str(), c.line);
        std::string boxText = box.Text();
        EXPECT_EQ(boxText.replace(boxText.size() - 2, 2, "\n"), c.line);
    }
}

TEST(StreamTextHolder, WritesAllButTheLastCharacterAtOnce) {
    std::ostringstream out;
    StreamTextHolder holder(out);
    holder.Append("x = [ 50;");
    EXPECT_EQ(out.str(), "x = [ 50");
    holder.Append(" 1,");
    EXPECT_EQ(out.str(), "x = [ 50; 1");
    EXPECT_TRUE(holder.DropLastChar());
    // Only the held-back character can be taken back.
    EXPECT_FALSE(holder.DropLastChar());
    EXPECT_THROW(DropLastNotationChar(holder), RunFailure);
    holder.Append("ä");
    EXPECT_EQ(out.str(), "x = [ 50; 1");
    EXPECT_TRUE(holder.DropLastChar());  // both bytes of the ä
    holder.Flush();
    EXPECT_EQ(out.str(), "x = [ 50; 1");
    holder.Append("!");
    holder.Flush();
    EXPECT_EQ(out.str(), "x = [ 50; 1!");
}

TEST(StreamTextHolder, LineEnds) {
    const struct {
        std::vector<std::string> pieces;
        StreamTextHolder::LineEnd lineEnd;
        std::string written;
    } cases[] = {
        {{"a\r\nb\r\n"}, StreamTextHolder::LineEnd::Newline, "a\nb\n"},
        {{"a\r", "\nb"}, StreamTextHolder::LineEnd::Newline, "a\nb"},
        {{"a\r", "b\r"}, StreamTextHolder::LineEnd::Newline, "a\rb\r"},
        {{"\r", "", "\n"}, StreamTextHolder::LineEnd::Newline, "\n"},
        {{"a\r\nb\r\n"}, StreamTextHolder::LineEnd::AsAppended, "a\r\nb\r\n"},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        StreamTextHolder holder(out, c.lineEnd);
        for (const std::string& piece : c.pieces) holder.Append(piece);
        holder.Flush();
        EXPECT_EQ(out.str(), c.written);
    }
}

}  // namespace
}  // namespace tamsel
