// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/text_holder.h"

namespace tamsel {

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The length of the UTF-8 sequence that a lead byte starts; 1 otherwise.
std::size_t SequenceLength(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0xF0 && b <= 0xF7) return 4;
    if (b >= 0xE0) return b <= 0xEF ? 3 : 1;
    if (b >= 0xC0) return 2;
    return 1;
}

}  // namespace

bool StringTextHolder::DropLastChar() {
    if (text_.empty()) return false;
    // Remove a whole UTF-8 sequence: its continuation bytes, then its lead
    // byte. A byte that belongs to no complete sequence is removed alone.
    std::size_t lead = text_.size() - 1;
    while (lead > 0 && text_.size() - lead < 4 && IsContinuation(text_[lead])) --lead;
    if (SequenceLength(text_[lead]) != text_.size() - lead) lead = text_.size() - 1;
    text_.erase(lead);
    return true;
}

}  // namespace tamsel
