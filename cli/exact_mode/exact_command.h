// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "cli/command_line/command.h"
#include "cli/command_line/exit_status.h"

namespace tamsel {

// tamsel-cli --exact [options] [EXPORT] KOEFF WURZEL ABS NENNER: expands
// exactly, in whole numbers of any size. Done also at the step limit;
// WrongCall for a number it cannot take.
ExitStatus RunExactMode(const Command& command, std::ostream& out, std::ostream& err);

}  // namespace tamsel
