// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tamsel {

// The keys of a JSON answer of --pell, for --fields.
enum class PellField : unsigned {
    Line,
    D,
    PeriodLength,
    Pell,
    NegativePell,
    Unit,
    Regulator,
    PeriodLengthOrderD,
    PellFour,
    NegativePellFour,
    UnitOrderD,
    RegulatorOrderD,
};
inline constexpr unsigned kPellFieldCount = 12;

class PellFields {
public:
    static PellFields All() { return PellFields((1U << kPellFieldCount) - 1); }
    PellFields() = default;
    explicit PellFields(unsigned bits) : bits_(bits) {}
    bool Has(PellField f) const { return (bits_ & Bit(f)) != 0; }
    void Add(PellField f) { bits_ |= Bit(f); }
    void Remove(PellField f) { bits_ &= ~Bit(f); }

private:
    static unsigned Bit(PellField f) { return 1U << static_cast<unsigned>(f); }
    unsigned bits_ = 0;
};

const char* PellFieldKey(PellField field);

// A comma-separated list of keys; on a fault no value and a German message in `error`.
std::optional<PellFields> ReadPellFieldList(const std::string& list, std::string& error);

inline constexpr unsigned kDefaultPrecision = 30;
inline constexpr unsigned kMostPrecision = 100'000;
inline constexpr std::uint64_t kMostSolutions = 100'000;

// What --pell reads besides --json, --max-steps and the batch's switches.
struct PellSettings {
    bool full = false;
    unsigned precision = kDefaultPrecision;
    std::optional<std::string> norm;         // the text of N
    std::optional<std::uint64_t> solutions;  // --solutions K
    std::optional<PellFields> fields;        // --fields

    // The keys an answer has: those of --fields, or all but "line" outside a batch.
    PellFields Fields(bool batch) const;
};

}  // namespace tamsel
