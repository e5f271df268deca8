// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "notation/stream_text_holder.h"

namespace tamsel {
namespace {

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
