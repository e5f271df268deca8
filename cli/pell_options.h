// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

inline constexpr unsigned kDefaultPrecision = 30;
inline constexpr unsigned kMostPrecision = 100'000;
inline constexpr std::uint64_t kMostSolutions = 100'000;

// What tamsel-cli --pell is asked for.
struct PellRequest {
    bool batch = false;
    bool json = false;
    bool full = false;
    unsigned precision = kDefaultPrecision;
    std::uint64_t maxSteps = 0;
    std::optional<std::string> norm;         // the text of N
    std::optional<std::uint64_t> solutions;  // --solutions K
    std::optional<PellFields> fields;        // --fields
    std::vector<std::string> numbers;        // D

    // The keys an answer has: those of --fields or all (with "line" in a batch only).
    PellFields Fields() const;
};

// Whether the arguments ask for --pell (before "--").
bool WantsPellMode(const std::vector<std::string>& args);

// Reads the arguments of tamsel-cli --pell ... On a usage error returns false
// with a German message in `error` (no program name, no line end).
bool ReadPellOptions(const std::vector<std::string>& args, PellRequest& request, std::string& error);

}  // namespace tamsel
