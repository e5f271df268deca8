// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "exact/quotient_list.h"

namespace tamsel::exact {
namespace {

std::vector<std::string> Read(const QuotientList& list, std::uint64_t first, std::uint64_t last) {
    std::vector<std::string> values;
    list.ForEach(first, last, [&](const auto& k) {
        if constexpr (std::is_same_v<std::decay_t<decltype(k)>, std::int64_t>) {
            values.push_back(std::to_string(k));
        } else {
            values.push_back("big " + k.get_str());
        }
    });
    return values;
}

// Values that fit in 64 bits come back as machine integers, except those
// below -2^62, whose slots mark the side table; the rest come back big.
// What goes beyond the limit is ignored.
TEST(QuotientList, KeepsEveryValueInOrderUpToItsLimit) {
    QuotientList list(9);
    const std::int64_t mark = -(std::int64_t{1} << 62);
    list.Append(std::int64_t{1});
    list.Append(INT64_MAX);
    list.Append(mark);
    list.Append(mark - 1);
    list.Append(INT64_MIN);
    list.Append(mpz_class("-123456789012345678901234567890"));
    list.Append(mpz_class(7));
    list.Append(mpz_class("340282366920938463463374607431768211456"));
    list.Append(std::int64_t{-2});
    list.Append(std::int64_t{6});
    list.Append(mpz_class("-99999999999999999999999"));
    EXPECT_EQ(list.Size(), 9u);
    EXPECT_EQ(Read(list, 1, 9),
              (std::vector<std::string>{"1", "9223372036854775807", "-4611686018427387904", "big -4611686018427387905",
                                        "big -9223372036854775808", "big -123456789012345678901234567890", "7",
                                        "big 340282366920938463463374607431768211456", "-2"}));
    EXPECT_EQ(Read(list, 4, 5), (std::vector<std::string>{"big -4611686018427387905", "big -9223372036854775808"}));
}

// At most 16 bytes per quotient that fits in 64 bits, spare room included.
TEST(QuotientList, SixteenBytesPerQuotientAtMost) {
    QuotientList list(1'000'000);
    for (std::int64_t k = 0; k < 600'000; ++k) {
        list.Append(k % 7 + 1);
        if ((k + 1) % 50'000 == 0) {
            EXPECT_LE(list.BytesHeld(), 16u * static_cast<std::size_t>(k + 1)) << k;
        }
    }
    // Every value comes back.
    std::int64_t sum = 0;
    list.ForEach(1, list.Size(), [&](const auto& k) {
        if constexpr (std::is_same_v<std::decay_t<decltype(k)>, std::int64_t>) sum += k;
    });
    EXPECT_EQ(sum, 2'399'995);
}

}  // namespace
}  // namespace tamsel::exact
