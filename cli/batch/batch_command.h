// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/command_line/command.h"
#include "cli/command_line/exit_status.h"

namespace tamsel {

// Expands one input line of a batch and appends its JSON object (or, for a
// bad line, {"line": ..., "error": ...}) with its line end to `out`. Empty
// lines and comments (from "#" on) give nothing. Returns false for a bad line.
bool ExpandBatchLine(std::string_view line, std::uint64_t lineNumber, const ExactOptions& options, std::ostream& out);

// tamsel-cli --batch: reads KOEFF WURZEL ABS NENNER per line from `in` and
// writes one JSON object per input line to `out`, in input order, computed
// on a pool of threads. Returns Done, InputRefused when a line failed, or
// NotWritten when the output could not be written.
ExitStatus RunBatch(const ExactOptions& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tamsel
