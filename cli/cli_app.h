// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tamsel {

// tamsel-cli: reads the arguments (without the program name) into one
// command and runs it: the window-faithful run, the exact one (--exact),
// the batch (--batch, reading `in` when it names no file), --help or
// --version. Returns the exit status (cli/command_line/exit_status.h).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tamsel
