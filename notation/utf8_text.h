// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tamsel {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The characters of a UTF-8 text. Every byte that does not belong to a
// well-formed sequence (overlong forms, surrogates and values beyond
// U+10FFFF included) becomes one replacement character.
std::u32string DecodeUtf8(std::string_view text);

// Where the character that holds text[i] begins: i moved back over the
// bytes that continue a sequence.
std::size_t Utf8CharStartAtOrBefore(std::string_view text, std::size_t i);

// Appends the UTF-8 form of c (a replacement character for a surrogate or a
// value beyond U+10FFFF).
void AppendUtf8(std::string& text, char32_t c);

}  // namespace tamsel
