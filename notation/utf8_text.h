// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tamsel {

// Every place that reads UTF-8 reads it through these helpers.

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Whether a byte continues a sequence (10xxxxxx).
inline bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The character whose well-formed sequence starts at text[i], and the
// sequence's length; length 0 when none starts there (a stray or cut-off
// byte, an overlong form, a surrogate, a value beyond U+10FFFF).
struct Utf8Char {
    char32_t code = 0;
    std::size_t length = 0;
};
Utf8Char Utf8CharAt(std::string_view text, std::size_t i);

// The length a lead byte announces by its high bits alone: 2 for 110xxxxx,
// 3 for 1110xxxx, 4 for 11110xxx, 1 for every other byte.
std::size_t Utf8AnnouncedLength(char lead);

// Where the character that holds text[i] begins: i moved back over the
// bytes that continue a sequence.
std::size_t Utf8CharStartAtOrBefore(std::string_view text, std::size_t i);

// Where the last character of a non-empty text begins: before at most three
// continuation bytes; a continuation byte without its lead counts alone.
std::size_t Utf8LastCharStart(std::string_view text);

// The characters of a UTF-8 text. Every byte that does not belong to a
// well-formed sequence becomes one replacement character.
std::u32string DecodeUtf8(std::string_view text);

// Appends the UTF-8 form of c (a replacement character for a surrogate or a
// value beyond U+10FFFF).
void AppendUtf8(std::string& text, char32_t c);

}  // namespace tamsel
