// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string_view>

#include "cli/command_line/command.h"
#include "cli/command_line/exit_status.h"

namespace tamsel {

// tamsel-cli --pell D: the answers for one D (with --norm N, --solutions K
// those of x^2 - D y^2 = N), as text or JSON. InputRefused when a period
// does not close within --max-steps, WrongCall for a wrong D or N.
ExitStatus RunPellMode(const Command& command, std::ostream& out, std::ostream& err);

// tamsel-cli --batch --pell: each input line holds D or D N; one JSON object
// per line in order, {"line", "error"} for a failed one (InputRefused).
ExitStatus RunPellBatch(const Command& command, std::istream& in, std::ostream& out, std::ostream& err);

// Answers one batch line; false for a failed line.
bool AnswerPellLine(std::string_view line, std::uint64_t lineNumber, const Command& command, std::ostream& out);

}  // namespace tamsel
