// SPDX-License-Identifier: GPL-3.0-or-later
// Writes tamsel-cli's completion script for one shell into a file; run by
// the build, not installed.

#include <fstream>
#include <iostream>
#include <optional>

#include "cli/completion/completion_script.h"

int main(int argc, char** argv) {
    const std::optional<tamsel::Shell> shell = argc == 3 ? tamsel::ShellNamed(argv[1]) : std::nullopt;
    if (!shell) {
        std::cerr << "Aufruf: write_completion bash|zsh|fish DATEI\n";
        return 2;
    }
    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file << tamsel::CompletionScript(*shell);
    file.close();
    if (!file) {
        std::cerr << "write_completion: " << argv[2] << " kann nicht geschrieben werden\n";
        return 3;
    }
    return 0;
}
