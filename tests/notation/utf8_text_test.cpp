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

TEST(Utf8Text, EncodesEveryLength) {
    std::string text;
    for (const char32_t c : {U'x', U'ß', U'√', U'\U0001D70B', char32_t{0xD800}, char32_t{0x110000}}) {
        AppendUtf8(text, c);
    }
    EXPECT_EQ(text, "xß√\xF0\x9D\x9C\x8B\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace tamsel
