// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "exact/expansion_value.h"

namespace tamsel {

// tamsel-cli --from 'CONTINUED FRACTION' [--variant | --nearest] [--json]
struct FromRequest {
    std::string text;
    exact::ExpansionKind kind = exact::ExpansionKind::Usual;
    bool json = false;
};

// The value of a continued fraction: plain, the four numbers KOEFF WURZEL
// ABS NENNER on one line and "x = " with the value written out; with json
// one object {"algorithm", "inputs", "value"}. A refused list gets its
// reason and column on `err`. Returns 0, 2 for a refused list, 3 when the
// output could not be written.
int RunFrom(const FromRequest& request, std::ostream& out, std::ostream& err);

// Whether --from stands before "--".
bool WantsFromMode(const std::vector<std::string>& args);

// Reads the arguments of the way back and runs it; 2 on a usage error.
int RunFromCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tamsel
