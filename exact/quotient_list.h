// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include <gmpxx.h>

namespace tamsel::exact {

// The quotients of a run, compactly: 8 bytes for each one that fits in 64
// bits (at most 16 with the vector's spare room), the rare bigger ones in a
// side table. Keeps at most `limit` quotients and ignores the rest.
class QuotientList {
public:
    explicit QuotientList(std::uint64_t limit) : limit_(limit) {}

    void Append(std::int64_t k);
    void Append(const mpz_class& k);

    // The number kept.
    std::uint64_t Size() const { return slots_.size(); }
    std::uint64_t Limit() const { return limit_; }

    // Calls fn(k) for the quotients of steps first to last (1-based, last <=
    // Size()), with k an std::int64_t or a const mpz_class&.
    template <class Fn>
    void ForEach(std::uint64_t first, std::uint64_t last, Fn&& fn) const {
        for (std::uint64_t step = first; step <= last; ++step) {
            const std::int64_t slot = slots_[step - 1];
            if (slot >= kSmallest) {
                fn(slot);
            } else {
                fn(static_cast<const mpz_class&>(big_[static_cast<std::size_t>(slot - kBigMark)]));
            }
        }
    }

    // Bytes held, spare room included.
    std::size_t BytesHeld() const;

private:
    // Slots below kSmallest point into the side table: kBigMark + index.
    static constexpr std::int64_t kSmallest = -(std::int64_t{1} << 62);
    static constexpr std::int64_t kBigMark = INT64_MIN;

    std::uint64_t limit_;
    std::vector<std::int64_t> slots_;
    std::vector<mpz_class> big_;
};

}  // namespace tamsel::exact
