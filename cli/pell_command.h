// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/pell_options.h"

namespace tamsel {

// tamsel-cli --pell ...: reads the options (see ReadPellOptions) and runs
// RunPell. Exit status 0, 1 when a period does not close within --max-steps
// (or a batch line failed), 2 for a usage error or a wrong number, 3 when the
// output could not be written.
int RunPellCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

int RunPell(const PellRequest& request, std::istream& in, std::ostream& out, std::ostream& err);

// Answers one input of a batch line ("D" or "D N") as one JSON object with
// its line number, or {"line", "error"}. Returns false for a failed line.
bool AnswerPellLine(std::string_view line, std::uint64_t lineNumber, const PellRequest& request, std::ostream& out);

}  // namespace tamsel
