// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exact_mode/block_writer.h"

#include <cstring>

namespace tamsel {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

}  // namespace

BlockWriter::BlockWriter(std::ostream& out) : out_(out), block_(new char[kBlockBytes]), size_(kBlockBytes) {}

void BlockWriter::Spill(std::size_t bytes) {
    if (used_ > 1) {
        out_.write(block_.get(), static_cast<std::streamsize>(used_ - 1));
        block_[0] = block_[used_ - 1];
        used_ = 1;
    }
    if (used_ + bytes > size_) {
        std::unique_ptr<char[]> larger(new char[used_ + bytes]);
        std::memcpy(larger.get(), block_.get(), used_);
        block_ = std::move(larger);
        size_ = used_ + bytes;
    }
}

void BlockWriter::Text(std::string_view text) {
    Room(text.size());
    std::memcpy(block_.get() + used_, text.data(), text.size());
    used_ += text.size();
}

void BlockWriter::Integer(const mpz_class& v) {
    if (mpz_fits_slong_p(v.get_mpz_t()) != 0) {
        Integer(static_cast<std::int64_t>(mpz_get_si(v.get_mpz_t())));
        return;
    }
    // Room for the digits, the sign and GMP's closing zero byte.
    Room(mpz_sizeinbase(v.get_mpz_t(), 10) + 2);
    mpz_get_str(block_.get() + used_, 10, v.get_mpz_t());
    used_ += std::strlen(block_.get() + used_);
}

bool BlockWriter::DropLast() {
    if (used_ == 0) return false;
    --used_;
    return true;
}

void BlockWriter::Flush() {
    if (used_ > 0) out_.write(block_.get(), static_cast<std::streamsize>(used_));
    used_ = 0;
}

}  // namespace tamsel
