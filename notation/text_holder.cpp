#include "notation/text_holder.h"

namespace tamsel {

bool StringTextHolder::DropLastChar() {
    if (text_.empty()) return false;
    // Remove a whole UTF-8 sequence: continuation bytes, then its lead byte.
    std::size_t end = text_.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(text_[end]) & 0xC0) == 0x80) --end;
    text_.erase(end);
    return true;
}

}  // namespace tamsel
