// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/expansion_engine.h"
#include "engine/memory_host.h"
#include "notation/drawing_surface.h"

namespace tamsel {

// One line of the trace as numbers: a quadratic irrational met and the
// integer pulled out of it (none for the last one of a periodic expansion).
struct TraceRow {
    QuadIrrational x;
    std::optional<double> quotient;
};

// Everything a run on plain texts gives: the texts of the window's three
// boxes, and the same results as numbers.
struct TextRun {
    RunResult result;
    int n = 0;                          // the step counter after the run
    std::array<std::string, 4> inputs;  // the input texts after the write-back
    std::vector<Message> messages;
    std::string bracketNotation;  // the line the run appended, CR LF included
    std::string trace;
    std::string fractionList;
    std::vector<TraceRow> traceRows;
    std::vector<double> quotients;  // of the recorded steps
    bool rationalEnd = false;       // the denominator became 0
    std::vector<Fraction> fractions;
};

// Runs the window's expansion on four input texts, without a window; where
// a drawing surface is given, the nested fraction is drawn on it.
TextRun RunOnTexts(const std::array<std::string, 4>& inputs, bool variant, DrawingSurface* drawing = nullptr);

}  // namespace tamsel
