// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tamsel {

// tamsel-cli [--variant] [--json] KOEFF WURZEL ABS NENNER
// Runs one expansion on the four texts and prints its results. Returns the
// exit status: 0 after a regular end, 1 after the failure path, 2 for a
// usage error. `args` excludes the program name.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tamsel
