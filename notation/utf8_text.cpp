// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/utf8_text.h"

namespace tamsel {

namespace {

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

Utf8Char Utf8CharAt(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t least = 0;
    char32_t c = 0;
    // C0 and C1 open only overlong two-byte forms, F5 and above only values beyond U+10FFFF.
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, least = 0x80, c = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, least = 0x800, c = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, least = 0x10000, c = lead & 0x07u;
    } else {
        return {};
    }
    if (i + length > text.size()) return {};
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsUtf8Continuation(text[i + k])) return {};
        c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    }
    if (c < least || c > 0x10FFFF || IsSurrogate(c)) return {};
    return {c, length};
}

std::size_t Utf8AnnouncedLength(char lead) {
    const auto b = static_cast<unsigned char>(lead);
    if ((b & 0xE0) == 0xC0) return 2;
    if ((b & 0xF0) == 0xE0) return 3;
    if ((b & 0xF8) == 0xF0) return 4;
    return 1;
}

std::size_t Utf8CharStartAtOrBefore(std::string_view text, std::size_t i) {
    while (i > 0 && IsUtf8Continuation(text[i])) --i;
    return i;
}

std::size_t Utf8LastCharStart(std::string_view text) {
    std::size_t start = text.size() - 1;
    while (start > 0 && text.size() - start < 4 && IsUtf8Continuation(text[start])) --start;
    return IsUtf8Continuation(text[start]) ? text.size() - 1 : start;
}

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string characters;
    characters.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Char c = Utf8CharAt(text, i);
        characters.push_back(c.length > 0 ? c.code : kReplacementCharacter);
        i += c.length > 0 ? c.length : 1;
    }
    return characters;
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
