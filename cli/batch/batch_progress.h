// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

namespace tamsel {

// The progress line of a batch on a terminal: lines done, lines per second
// and the time so far, e.g. "\r\x1b[K12345 Zeilen, 6172 Zeilen/s, 0:02"
// (carriage return and erase line first, so that it overwrites itself).
std::string ProgressLine(std::uint64_t lines, std::chrono::milliseconds elapsed);

// Shows the progress line on `err` from a second thread, four times a
// second once the batch has run for a second; erases it when it ends.
// Does nothing when not enabled.
class BatchProgress {
public:
    BatchProgress(std::ostream& err, bool enabled);
    ~BatchProgress();
    BatchProgress(const BatchProgress&) = delete;
    BatchProgress& operator=(const BatchProgress&) = delete;

    void Done(std::uint64_t lines) { done_.fetch_add(lines, std::memory_order_relaxed); }

private:
    void Show();

    std::ostream& err_;
    std::atomic<std::uint64_t> done_{0};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace tamsel
