// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string_view>

#include "notation/text_holder.h"

namespace tamsel {

// A text holder that writes what is appended to a stream as it comes, but
// holds back the last character, so that it can still be taken back. Only
// that character can be dropped; what was written stays. With
// LineEnd::Newline a CR directly before an LF is left out, so that the
// notation's CR LF becomes a plain line end.
class StreamTextHolder : public TextHolder {
public:
    enum class LineEnd { AsAppended, Newline };

    explicit StreamTextHolder(std::ostream& out, LineEnd lineEnd = LineEnd::AsAppended)
        : out_(out), lineEnd_(lineEnd) {}
    StreamTextHolder(const StreamTextHolder&) = delete;
    StreamTextHolder& operator=(const StreamTextHolder&) = delete;

    void Append(std::string_view text) override;
    // Drops the held-back character; false when nothing is held back.
    bool DropLastChar() override;
    // Drops what is held back; what the stream has taken stays.
    void Clear() override { held_.Clear(); }
    // Writes what is held back.
    void Flush();

private:
    void Write(std::string_view text);

    std::ostream& out_;
    LineEnd lineEnd_;
    // The held-back character, after a held-back CR where one precedes it.
    StringTextHolder held_;
};

}  // namespace tamsel
