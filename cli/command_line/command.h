// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/exact_mode/approximation_request.h"
#include "cli/export/export_options.h"
#include "cli/json/exact_fields.h"
#include "cli/pell/pell_fields.h"
#include "exact/exact_expansion.h"

namespace tamsel {

inline constexpr std::uint64_t kDefaultMaxSteps = 1'000'000;
inline constexpr std::uint64_t kDefaultConvergents = 20;
inline constexpr unsigned kMostThreads = 256;

// The ways tamsel-cli runs: it expands as the window does, exactly
// (--exact), or line by line (--batch), it answers the Pell equations of sqrt(D)
// (--pell; with --batch line by line), or it goes the way back from a continued
// fraction to its value (--from).
enum class Mode { Window, Exact, Batch, Pell, From };

// A call that only asks for a text about the program.
enum class Special { None, Help, Version };

// What the options set for a run; the window-faithful run reads only
// `variant` and `json`.
struct ExactOptions {
    bool variant = false;
    bool json = false;
    bool trace = false;
    bool surdTrace = false;   // --trace=surd: each complete quotient as the number it is
    bool expression = false;  // one expression instead of four numbers (--expr)
    std::uint64_t maxSteps = kDefaultMaxSteps;
    std::uint64_t convergents = kDefaultConvergents;
    std::optional<FieldSet> fields;
    unsigned threads = 0;  // 0: one per core
    bool lineBuffered = false;
    bool quiet = false;
    // The batch's input files in order ("-": standard input); none: standard input.
    std::vector<std::string> files;
    ApproximationRequest approximations;

    // The keys a JSON result keeps: those of --fields, or the default set
    // with the keys of the options given.
    FieldSet Fields() const {
        if (fields) return *fields;
        FieldSet set = FieldSet::Default(trace);
        if (approximations.errors) set.Add(ExactField::Errors);
        if (approximations.semiconvergents) set.Add(ExactField::Semiconvergents);
        if (approximations.best) set.Add(ExactField::Best);
        if (approximations.digits) set.Add(ExactField::Digits);
        return set;
    }
    exact::ExpansionAlgorithm Algorithm() const {
        if (approximations.nearest) return exact::ExpansionAlgorithm::Nearest;
        return variant ? exact::ExpansionAlgorithm::Variant : exact::ExpansionAlgorithm::Regular;
    }
};

// One call of tamsel-cli, read completely before anything runs.
struct Command {
    Special special = Special::None;
    Mode mode = Mode::Window;
    ExactOptions options;
    ExportOptions exports;
    bool pell = false;  // --pell, also with --batch
    PellSettings pellSettings;
    // The four number texts (KOEFF WURZEL ABS NENNER; D with --pell), or the
    // one expression (--expr) or continued fraction (--from); with --batch
    // empty, the plain arguments being the input files in `options.files`.
    std::vector<std::string> numbers;
};

}  // namespace tamsel
