// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tamsel {

// What tamsel-cli says when memory runs out (exit status 1).
inline constexpr const char* kOutOfMemory = "tamsel-cli: der Speicher reicht nicht; was fertig war, ist geschrieben\n";

// Lets GMP end the process through EndForLackOfMemory when an allocation
// fails, instead of aborting.
void InstallMemoryExhaustionHandling();

// Writes the finished output through the flush in place, says so on
// standard error and ends the process with status 1. Allocates nothing.
[[noreturn]] void EndForLackOfMemory();

// While it lives, EndForLackOfMemory calls flush(context) to write what is
// finished; the flush must neither allocate nor wait for a lock that an
// allocating thread may hold.
class FinishedOutputFlush {
public:
    using Flush = void (*)(void* context);
    FinishedOutputFlush(Flush flush, void* context);
    ~FinishedOutputFlush();
    FinishedOutputFlush(const FinishedOutputFlush&) = delete;
    FinishedOutputFlush& operator=(const FinishedOutputFlush&) = delete;

private:
    Flush previousFlush_;
    void* previousContext_;
};

}  // namespace tamsel
