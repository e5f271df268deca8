// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation/stream_text_holder.h"

#include <string>

#include "notation/utf8_text.h"

namespace tamsel {

void StreamTextHolder::Append(std::string_view text) {
    if (text.empty()) return;
    std::string pending = held_.Text();
    pending.append(text);
    std::size_t keep = Utf8LastCharStart(pending);
    if (lineEnd_ == LineEnd::Newline && keep > 0 && pending[keep - 1] == '\r') --keep;
    Write(std::string_view(pending).substr(0, keep));
    held_ = StringTextHolder(pending.substr(keep));
}

bool StreamTextHolder::DropLastChar() { return held_.DropLastChar(); }

void StreamTextHolder::Flush() {
    Write(held_.Text());
    held_.Clear();
}

void StreamTextHolder::Write(std::string_view text) {
    if (lineEnd_ == LineEnd::AsAppended) {
        out_ << text;
        return;
    }
    std::size_t from = 0;
    for (std::size_t cr = text.find("\r\n"); cr != std::string_view::npos; cr = text.find("\r\n", from)) {
        out_ << text.substr(from, cr - from);
        from = cr + 1;
    }
    out_ << text.substr(from);
}

}  // namespace tamsel
