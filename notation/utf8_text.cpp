// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/utf8_text.h"

namespace tamsel {

namespace {

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// The length of the sequence that `lead` opens, 0 for a byte that opens none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string characters;
    characters.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = SequenceLength(lead);
        if (length == 1) {
            characters.push_back(lead);
            ++i;
            continue;
        }
        char32_t c = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool wellFormed = length > 0 && i + static_cast<std::size_t>(length) <= text.size();
        for (int k = 1; wellFormed && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            wellFormed = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong three- and four-byte forms, surrogates and values beyond
        // the last code point (two-byte overlong forms start with C0 or C1,
        // which open no sequence).
        if (wellFormed && length == 3) wellFormed = c >= 0x800 && !IsSurrogate(c);
        if (wellFormed && length == 4) wellFormed = c >= 0x10000 && c <= 0x10FFFF;
        if (wellFormed) {
            characters.push_back(c);
            i += static_cast<std::size_t>(length);
        } else {
            characters.push_back(kReplacementCharacter);
            ++i;
        }
    }
    return characters;
}

std::size_t Utf8CharStartAtOrBefore(std::string_view text, std::size_t i) {
    while (i > 0 && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) --i;
    return i;
}

void AppendUtf8(std::string& text, char32_t c) {
    if (IsSurrogate(c) || c > 0x10FFFF) c = kReplacementCharacter;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace tamsel
