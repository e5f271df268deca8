// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding and encoding UTF-8, with replacement characters for what is broken.

#include <gtest/gtest.h>

#include <string>

#include "notation/utf8_text.h"

namespace tamsel {
namespace {

TEST(Utf8Text, DecodesAndReplacesBrokenSequences) {
    const char32_t r = kReplacementCharacter;
    const struct {
        const char* name;
        std::string text;
        std::u32string characters;
    } cases[] = {
        {"Ascii", " x  = ", U" x  = "},
        {"TwoThreeAndFourBytes", "ä√\xF0\x9D\x9C\x8B", U"ä√\U0001D70B"},
        {"LoneContinuationByte", "a\x80z", {U'a', r, U'z'}},
        {"CutOffAtTheEnd", "a\xE2\x88", {U'a', r, r}},
        {"OverlongSlash", "\xC0\xAF", {r, r}},
        {"OverlongThreeBytes", "\xE0\x80\xAF", {r, r, r}},
        {"Surrogate", "\xED\xA0\x80", {r, r, r}},
        {"BeyondTheLastCodePoint", "\xF4\x90\x80\x80", {r, r, r, r}},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeUtf8(c.text), c.characters) << c.name;
}

// Where the last character begins, and the length its lead byte announces:
// what the text boxes drop on Backspace and what a stream holds back.
TEST(Utf8Text, LastCharacter) {
    const struct {
        std::string text;
        std::size_t lastStart;
        std::size_t announced;
    } cases[] = {
        {"ab", 1, 1},
        {"aä", 1, 2},
        {"√", 0, 3},
        {"x\xF0\x9D\x9C\x8B", 1, 4},
        {"a\xE2\x88", 1, 3},         // cut off
        {"a\x80", 0, 1},             // a stray byte stays with the character before it
        {"\x80\x80\x80\x80", 3, 1},  // no lead within reach
        {"\xF7\x80\x80\x80", 0, 4},  // announced by the bits, though beyond U+10FFFF
    };
    for (const auto& c : cases) {
        const std::size_t start = Utf8LastCharStart(c.text);
        EXPECT_EQ(start, c.lastStart) << c.text;
        EXPECT_EQ(Utf8AnnouncedLength(c.text[start]), c.announced) << c.text;
    }
    EXPECT_EQ(Utf8CharStartAtOrBefore("xyz\xC3\xA4", 4), 3u);
    EXPECT_EQ(Utf8CharStartAtOrBefore("xyz\xC3\xA4", 2), 2u);
}

TEST(Utf8Text, EncodesEveryLength) {
    std::string text;
    for (const char32_t c : {U'x', U'ß', U'√', U'\U0001D70B', char32_t{0xD800}, char32_t{0x110000}}) {
        AppendUtf8(text, c);
    }
    EXPECT_EQ(text, "xß√\xF0\x9D\x9C\x8B\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace tamsel
