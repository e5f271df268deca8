// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/approximation_request.h"
#include "cli/exact_fields.h"
#include "exact/exact_expansion.h"

namespace tamsel {

inline constexpr std::uint64_t kDefaultMaxSteps = 1'000'000;
inline constexpr std::uint64_t kDefaultConvergents = 20;
inline constexpr unsigned kMostThreads = 256;

// The options of the exact mode (--exact) and of the batch (--batch).
struct ExactOptions {
    bool batch = false;
    bool variant = false;
    bool json = false;
    bool trace = false;
    std::uint64_t maxSteps = kDefaultMaxSteps;
    std::uint64_t convergents = kDefaultConvergents;
    std::optional<FieldSet> fields;
    unsigned threads = 0;  // 0: one per core
    std::vector<std::string> numbers;
    ApproximationRequest approximations;

    // The keys a JSON result keeps: those of --fields, or the default set
    // with the keys of the options given.
    FieldSet Fields() const;
    exact::ExpansionAlgorithm Algorithm() const;
};

// Reads the arguments of `tamsel-cli --exact ...` or `tamsel-cli --batch ...`.
// Options are the known long options before "--"; every other argument,
// negative numbers included, is a number text. On a usage error returns
// false with a German message in `error` (no program name, no line end).
bool ReadExactOptions(const std::vector<std::string>& args, ExactOptions& options, std::string& error);

}  // namespace tamsel
