// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/text_holder.h"

#include "notation/utf8_text.h"

namespace tamsel {

bool StringTextHolder::DropLastChar() {
    if (text_.empty()) return false;
    // Remove a whole UTF-8 sequence: its continuation bytes, then its lead
    // byte. A byte that belongs to no complete sequence is removed alone.
    std::size_t lead = Utf8LastCharStart(text_);
    if (Utf8AnnouncedLength(text_[lead]) != text_.size() - lead) lead = text_.size() - 1;
    text_.erase(lead);
    return true;
}

}  // namespace tamsel
