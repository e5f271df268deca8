// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/memory_exhaustion.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

#include <gmp.h>

namespace tamsel {

namespace {

std::atomic<FinishedOutputFlush::Flush> currentFlush{nullptr};
std::atomic<void*> currentContext{nullptr};
std::atomic_flag ending = ATOMIC_FLAG_INIT;

void* Allocate(std::size_t bytes) {
    void* block = std::malloc(bytes);
    if (block == nullptr) EndForLackOfMemory();
    return block;
}

void* Reallocate(void* block, std::size_t, std::size_t bytes) {
    void* moved = std::realloc(block, bytes);
    if (moved == nullptr) EndForLackOfMemory();
    return moved;
}

void Release(void* block, std::size_t) { std::free(block); }

}  // namespace

void InstallMemoryExhaustionHandling() { mp_set_memory_functions(Allocate, Reallocate, Release); }

void EndForLackOfMemory() {
    // A second thread out of memory waits here for the first to end the process.
    while (ending.test_and_set()) pause();
    const FinishedOutputFlush::Flush flush = currentFlush.load();
    if (flush != nullptr) flush(currentContext.load());
    const ssize_t written = write(STDERR_FILENO, kOutOfMemory, std::strlen(kOutOfMemory));
    static_cast<void>(written);
    _exit(1);
}

FinishedOutputFlush::FinishedOutputFlush(Flush flush, void* context)
    : previousFlush_(currentFlush.load()), previousContext_(currentContext.load()) {
    currentContext = context;
    currentFlush = flush;
}

FinishedOutputFlush::~FinishedOutputFlush() {
    currentFlush = previousFlush_;
    currentContext = previousContext_;
}

}  // namespace tamsel
