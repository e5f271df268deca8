// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace tamsel {

// The answers of a batch, written in the order they were opened while
// several threads make them. The oldest open answer goes straight to the
// stream as it is made; the others wait in memory until their turn. When
// the bytes waiting reach the bound, a thread that adds more waits until
// its answer is the oldest, so that a single answer bigger than the bound
// is still written as it is made.
class OrderedOutput {
public:
    // `flushEachAnswer`: the stream is flushed as soon as an answer is done.
    OrderedOutput(std::ostream& out, std::size_t byteBound, bool flushEachAnswer);
    OrderedOutput(const OrderedOutput&) = delete;
    OrderedOutput& operator=(const OrderedOutput&) = delete;

    // The next answer, in output order; its number goes to Add and Close.
    std::uint64_t Open();
    // Adds text to an answer. Returns false once the stream has failed.
    bool Add(std::uint64_t answer, std::string_view text);
    // Ends an answer; every answer must be closed, the failed ones too.
    void Close(std::uint64_t answer);

    bool Failed() const { return failed_.load(); }
    // The most bytes that ever waited.
    std::size_t PeakWaiting() const;

    // Flushes the stream unless another thread keeps writing to it; for
    // the end of a process that ran out of memory. Allocates nothing, and
    // waits a moment at most: the lock it takes is never held while
    // allocating.
    void FlushIfIdle();

private:
    struct Answer {
        std::vector<std::string> pieces;  // what waits, in order
        bool closed = false;
        bool direct = false;  // the oldest: written as it comes
    };

    Answer& At(std::uint64_t answer) { return answers_[static_cast<std::size_t>(answer - oldest_)]; }
    void Write(std::string_view text);
    // Hands the turn on from the closed oldest answer, writing what waits.
    void PassTurn(std::unique_lock<std::mutex>& lock);

    std::ostream& out_;
    const std::size_t byteBound_;
    const bool flushEachAnswer_;
    mutable std::mutex mutex_;
    std::condition_variable turn_;
    std::deque<Answer> answers_;  // from the oldest not yet written
    std::uint64_t oldest_ = 0;
    std::uint64_t next_ = 0;
    std::size_t waiting_ = 0;
    std::size_t peakWaiting_ = 0;
    std::atomic<bool> failed_{false};
    std::mutex writing_;  // held while the stream is written
};

// A stream buffer that gathers an answer in blocks and hands them to an
// OrderedOutput.
class AnswerBuffer : public std::streambuf {
public:
    AnswerBuffer(OrderedOutput& output, std::uint64_t answer);
    ~AnswerBuffer() override;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Hand();

    OrderedOutput& output_;
    std::uint64_t answer_;
    std::vector<char> block_;
};

}  // namespace tamsel
