// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch/batch_progress.h"

namespace tamsel {

namespace {

constexpr auto kQuietStart = std::chrono::seconds(1);
constexpr auto kInterval = std::chrono::milliseconds(250);
constexpr const char* kEraseLine = "\r\x1b[K";

std::string TwoDigits(long long value) {
    std::string digits = std::to_string(value);
    if (digits.size() < 2) digits.insert(digits.begin(), '0');
    return digits;
}

}  // namespace

std::string ProgressLine(std::uint64_t lines, std::chrono::milliseconds elapsed) {
    const long long ms = elapsed.count() > 0 ? elapsed.count() : 0;
    const std::uint64_t perSecond = ms > 0 ? lines * 1000 / static_cast<std::uint64_t>(ms) : 0;
    const long long seconds = ms / 1000;
    // m:ss, or h:mm:ss from the first hour on.
    const std::string time = seconds < 3600 ? std::to_string(seconds / 60) + ":" + TwoDigits(seconds % 60)
                                            : std::to_string(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) +
                                                  ":" + TwoDigits(seconds % 60);
    return std::string(kEraseLine) + std::to_string(lines) + " Zeilen, " + std::to_string(perSecond) + " Zeilen/s, " +
           time;
}

BatchProgress::BatchProgress(std::ostream& err, bool enabled) : err_(err) {
    if (enabled) thread_ = std::thread([this] { Show(); });
}

BatchProgress::~BatchProgress() {
    if (!thread_.joinable()) return;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void BatchProgress::Show() {
    const auto start = std::chrono::steady_clock::now();
    bool shown = false;
    std::unique_lock<std::mutex> lock(mutex_);
    while (!wake_.wait_until(lock, std::chrono::steady_clock::now() + kInterval, [this] { return stopping_; })) {
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (elapsed < kQuietStart) continue;
        err_ << ProgressLine(done_.load(std::memory_order_relaxed),
                             std::chrono::duration_cast<std::chrono::milliseconds>(elapsed))
             << std::flush;
        shown = true;
    }
    if (shown) err_ << kEraseLine << std::flush;
}

}  // namespace tamsel
