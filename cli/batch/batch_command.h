// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch/batch_line.h"
#include "cli/command_line/command.h"
#include "cli/command_line/exit_status.h"

namespace tamsel {

// The most bytes of finished answers a batch keeps waiting for their turn.
inline constexpr std::size_t kBatchByteBound = std::size_t{64} << 20;

// How a batch runs, beside the options that apply to every line.
struct BatchSettings {
    // Every answer names its file and line (more than one input file).
    bool namesFiles = false;
    // Every answer is written and flushed as soon as it is made, in order.
    bool lineBuffered = false;
    // The progress line on `err` (only for a terminal).
    bool progress = false;
    // Threads that answer lines; 0: one per core.
    unsigned threads = 0;
    std::size_t byteBound = kBatchByteBound;
};

// One input of a batch: its name as given ("-" for standard input).
struct BatchSource {
    std::string name;
    std::istream* in;
};

// The line answer of --batch: expands one input line and appends its JSON
// object (or, for a bad line, {"line": ..., "error": ..., "code": ...}, with
// "column" for an expression) with its line end to `out`; with
// options.expression the line is one expression instead of four numbers.
// Empty lines and comments (from "#" on) give nothing. Returns false for a
// bad line.
bool ExpandBatchLine(std::string_view line, const BatchPlace& place, const ExactOptions& options, std::ostream& out);

// tamsel-cli --batch: reads the sources in turn and writes what `answerLine`
// makes of every input line to `out`, in input order, computed on a pool of
// threads. Returns Done, InputRefused when a line failed, WrongCall when a
// source could not be read to its end, or NotWritten when the output could
// not be written.
ExitStatus RunBatch(const BatchLineAnswer& answerLine, const std::vector<BatchSource>& sources,
                    const BatchSettings& settings, std::ostream& out, std::ostream& err);

// Opens the named files ("-" and no name at all: `in`), every one before
// anything is answered, and runs the batch on them; with more than one file
// every answer names its file. A file that cannot be opened: a message and
// WrongCall, with nothing answered.
ExitStatus RunBatchOnFiles(const BatchLineAnswer& answerLine, const std::vector<std::string>& files,
                           BatchSettings settings, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tamsel
