// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "exact/whole_number.h"

namespace tamsel::exact {
namespace {

TEST(ReadWholeNumber, Accepted) {
    const struct {
        const char* text;
        const char* value;
    } cases[] = {
        {"0", "0"},
        {"-0", "0"},
        {"+7", "7"},
        {"-5", "-5"},
        {"007", "7"},
        {" 12 ", "12"},
        {"\t-3\r\n", "-3"},
        {"9223372036854775808", "9223372036854775808"},
        {"-340282366920938463463374607431768211457", "-340282366920938463463374607431768211457"},
    };
    for (const auto& c : cases) {
        const std::optional<mpz_class> value = ReadWholeNumber(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(value->get_str(), c.value) << c.text;
    }
}

TEST(ReadWholeNumber, Refused) {
    for (const char* text :
         {"", " ", "+", "-", "--5", "+-5", "1.5", "1e3", "1 2", "12abc", "abc", "0x10", "5-", "١", "1,000", "- 5"}) {
        EXPECT_FALSE(ReadWholeNumber(text).has_value()) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace tamsel::exact
