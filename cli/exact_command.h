// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tamsel {

// Whether the arguments ask for the exact mode or the batch: --exact,
// --batch or --expr before "--".
bool WantsExactMode(const std::vector<std::string>& args);

// tamsel-cli --exact [--variant] [--json] [--fields LIST] [--max-steps N]
//            [--convergents N] [--trace[=surd]] KOEFF WURZEL ABS NENNER
// tamsel-cli --exact [the same options] EXPRESSION   (or --expr EXPRESSION)
// tamsel-cli --batch [the same options] [--expr] [--threads N] < lines
// Expands exactly, in whole numbers of any size; --help and --version
// before "--" show the usage text or the version. Returns the exit status:
// 0 done (also at the step limit), 1 a batch line failed, 2 usage error,
// 3 the output could not be written. `args` excludes the program name.
int RunExactCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tamsel
