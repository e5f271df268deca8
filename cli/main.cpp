// SPDX-License-Identifier: GPL-3.0-or-later
#include <csignal>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/memory_exhaustion.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // A reader that stops early (tamsel-cli ... | head) ends the program
    // quietly, as it ends every line tool, whatever the caller ignored.
    std::signal(SIGPIPE, SIG_DFL);
    tamsel::InstallMemoryExhaustionHandling();
    const tamsel::FinishedOutputFlush flushOnExhaustion([](void*) { std::cout.flush(); }, nullptr);
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return tamsel::RunCli(args, std::cin, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        tamsel::EndForLackOfMemory();
    }
}
