// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string_view>

#include "cli/batch/batch_line.h"
#include "cli/command_line/command.h"
#include "cli/command_line/exit_status.h"

namespace tamsel {

// tamsel-cli --pell D: the answers for one D (with --norm N, --solutions K
// those of x^2 - D y^2 = N), as text or JSON. InputRefused when a period
// does not close within --max-steps, WrongCall for a wrong D or N.
ExitStatus RunPellMode(const Command& command, std::ostream& out, std::ostream& err);

// The line answer of --batch --pell: a line holds D or D N (comments from
// "#" on); one JSON object for it, {"line", "error", "code"} for a failed
// one (then false), with "file" first when `place` names one.
bool AnswerPellLine(std::string_view line, const BatchPlace& place, const Command& command, std::ostream& out);

}  // namespace tamsel
