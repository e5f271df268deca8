// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tamsel {

// The synopsis of each way to call tamsel-cli, one line each.
inline constexpr const char* kWindowUsageLine = "Aufruf: tamsel-cli [--variant] [--json] KOEFF WURZEL ABS NENNER\n";
inline constexpr const char* kExactUsageLine =
    "Aufruf: tamsel-cli --exact [--variant] [--json] [--max-steps N] [--convergents N] [--trace[=surd]]\n"
    "                   [--fields LISTE] KOEFF WURZEL ABS NENNER | AUSDRUCK\n";
inline constexpr const char* kBatchUsageLine =
    "Aufruf: tamsel-cli --batch [--variant] [--max-steps N] [--convergents N] [--trace[=surd]] [--fields LISTE]\n"
    "                   [--expr] [--threads N] < EINGABEN\n";
inline constexpr const char* kFromUsageLine =
    "Aufruf: tamsel-cli --from KETTENBRUCH [--variant | --nearest] [--json]\n";

// What follows a usage error's message and its usage line.
inline constexpr const char* kHelpHint = "Mehr dazu mit „tamsel-cli --help“.\n";

// The whole text of --help.
const char* HelpText();

}  // namespace tamsel
