// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string_view>

#include <gmpxx.h>

namespace tamsel {

// Long output gathered in one large block and handed to a stream in big
// pieces, with numbers turned into digits in place: the stream's own work
// per number would cost more than the walk that found it. The last byte is
// kept back until Flush, so that it can still be dropped.
class BlockWriter {
public:
    explicit BlockWriter(std::ostream& out);
    ~BlockWriter() { Flush(); }
    BlockWriter(const BlockWriter&) = delete;
    BlockWriter& operator=(const BlockWriter&) = delete;

    void Text(std::string_view text);
    void Char(char c) {
        Room(1);
        block_[used_++] = c;
    }
    // Decimal digits, with a minus sign for a negative number.
    void Integer(std::int64_t v) {
        Room(kLongestInt64);
        // Most quotients have one or two digits.
        if (v >= 0 && v < 100) {
            if (v >= 10) block_[used_++] = static_cast<char>('0' + v / 10);
            block_[used_++] = static_cast<char>('0' + v % 10);
            return;
        }
        used_ =
            static_cast<std::size_t>(std::to_chars(block_.get() + used_, block_.get() + size_, v).ptr - block_.get());
    }
    void Integer(const mpz_class& v);
    // Drops the last byte not yet handed on; false when there is none.
    bool DropLast();
    // Hands everything on.
    void Flush();
    // Whether the stream has failed; checked after each piece handed on.
    bool Failed() const { return !out_; }

private:
    static constexpr std::size_t kLongestInt64 = 20;

    // Makes room for `bytes` more.
    void Room(std::size_t bytes) {
        if (used_ + bytes > size_) Spill(bytes);
    }
    // Hands on all but the last byte, and grows the block if that is not
    // enough room.
    void Spill(std::size_t bytes);

    std::ostream& out_;
    std::unique_ptr<char[]> block_;
    std::size_t size_;
    std::size_t used_ = 0;
};

}  // namespace tamsel
