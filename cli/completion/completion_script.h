// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tamsel {

enum class Shell { Bash, Zsh, Fish };

// The shell named "bash", "zsh" or "fish".
std::optional<Shell> ShellNamed(std::string_view name);

// The completion script of tamsel-cli for a shell, from the option table:
// every option with the first line of its help, a file name after --svg,
// after "--" and as the input files of --batch. No hashbang: the shells
// read it from their completion folders.
std::string CompletionScript(Shell shell);

}  // namespace tamsel
