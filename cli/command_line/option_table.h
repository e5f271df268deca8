// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line/command.h"

namespace tamsel {

// Sets of modes, as bits: bit n stands for the Mode of value n.
inline constexpr unsigned ModeBit(Mode mode) { return 1u << static_cast<unsigned>(mode); }
inline constexpr unsigned kWindowMode = ModeBit(Mode::Window);
inline constexpr unsigned kExactMode = ModeBit(Mode::Exact);
inline constexpr unsigned kBatchMode = ModeBit(Mode::Batch);
inline constexpr unsigned kPellMode = ModeBit(Mode::Pell);
inline constexpr unsigned kFromMode = ModeBit(Mode::From);
inline constexpr unsigned kEveryMode = ~0u;

// A mode: the option that switches it on (none for the window-faithful
// run) and, for its usage line, the plain arguments it takes.
struct ModeRow {
    Mode mode;
    std::string switchName;
    std::string operands;
};

// Every mode, in the order --help shows their usage lines.
const std::vector<ModeRow>& ModeTable();
const ModeRow& RowOfMode(Mode mode);

// Puts an option into the command: `value` is its value (empty for an option
// that takes none). Returns a German message (no program name, no line end)
// when the value is wrong, else an empty text.
using ApplyOption = std::string (*)(Command& command, const std::string& value);

// One option of tamsel-cli. The parse, --help, the usage lines, the
// completion scripts and the test against the manual page all read it.
struct OptionRow {
    std::string longName = {};     // "--max-steps"
    char shortName = 0;            // 'h' for -h; 0 when there is none
    std::string valueName = {};    // "N"; empty for an option without a value
    unsigned modes = 0;            // the modes it is allowed in (kWindowMode | ...)
    std::string defaultText = {};  // the default as help and manual page write it; empty when none
    std::string help = {};         // German; '\n' between lines
    ApplyOption apply = nullptr;
    std::string needs = {};  // an option without which this one means nothing ("--svg")
    bool early = false;      // read before every other: --help, --version, the mode switches
    std::string alias = {};  // a second long name, not shown ("--window-colors")
    // For an option without value name that may take one after "=" only
    // ("surd" for --trace=surd); shown as --name[=VALUE].
    std::string optionalValue = {};
};

// Every option of every mode, in the order --help lists them. "--", which
// ends the options, is a row too.
const std::vector<OptionRow>& OptionTable();

// The row of a long name ("--trace", also an alias) or a short one ('h'); nullptr when there is none.
const OptionRow* FindLongOption(std::string_view name);
const OptionRow* FindShortOption(char name);

}  // namespace tamsel
