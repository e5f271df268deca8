// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "cli/command_line/command.h"
#include "cli/command_line/exit_status.h"

namespace tamsel {

// tamsel-cli [--variant] [--json] [EXPORT] KOEFF WURZEL ABS NENNER: runs the
// window's expansion on the four texts and prints its results (or exports
// them); the window's messages go to `err`. InputRefused after the failure path.
ExitStatus RunWindowMode(const Command& command, std::ostream& out, std::ostream& err);

}  // namespace tamsel
