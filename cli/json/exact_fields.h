// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bitset>
#include <optional>
#include <string>
#include <string_view>

namespace tamsel {

// The keys of an exact result in JSON, in the order they are written.
enum class ExactField {
    Line,
    Exact,
    Inputs,
    Quotients,
    Period,
    PeriodStart,
    PeriodLength,
    Steps,
    End,
    Convergents,
    Errors,
    Semiconvergents,
    Best,
    Digits,
    Trace,
};
inline constexpr std::size_t kExactFieldCount = 15;

// The JSON key of a field.
const char* FieldKey(ExactField field);

// Which keys a JSON result keeps.
class FieldSet {
public:
    // Every key but "line"; "trace" and the keys of the best fractions
    // only when asked for.
    static FieldSet Default(bool withTrace);

    bool Has(ExactField field) const { return bits_[static_cast<std::size_t>(field)]; }
    void Add(ExactField field) { bits_.set(static_cast<std::size_t>(field)); }

private:
    std::bitset<kExactFieldCount> bits_;
};

// A comma-separated list of keys, such as "inputs,periodLength". An unknown
// or missing key gives no value and a German message in `error`.
std::optional<FieldSet> ReadFieldList(std::string_view list, std::string& error);

}  // namespace tamsel
