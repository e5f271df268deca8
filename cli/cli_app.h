// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tamsel {

// tamsel-cli [--variant] [--json] [exports] KOEFF WURZEL ABS NENNER
// Runs the window's expansion on the four texts and prints its results, or
// exports them (SVG, LaTeX). Returns the exit status: 0 after a regular
// end, 1 after the failure path, 2 for a usage error, 3 when a file or the
// output could not be written. `args` excludes the program name.
// With --exact or --batch it hands over to the exact mode
// (cli/exact_command.h), which reads a batch from `in`.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tamsel
