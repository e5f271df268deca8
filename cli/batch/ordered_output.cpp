// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch/ordered_output.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>

namespace tamsel {

namespace {

constexpr std::size_t kBlockBytes = 1 << 16;

}  // namespace

OrderedOutput::OrderedOutput(std::ostream& out, std::size_t byteBound, bool flushEachAnswer)
    : out_(out), byteBound_(std::max<std::size_t>(byteBound, 1)), flushEachAnswer_(flushEachAnswer) {}

std::uint64_t OrderedOutput::Open() {
    const std::lock_guard<std::mutex> lock(mutex_);
    answers_.emplace_back();
    if (answers_.size() == 1) answers_.front().direct = true;
    return next_++;
}

bool OrderedOutput::Add(std::uint64_t answer, std::string_view text) {
    std::unique_lock<std::mutex> lock(mutex_);
    Answer& entry = At(answer);
    turn_.wait(lock, [&] { return entry.direct || waiting_ + text.size() <= byteBound_ || failed_.load(); });
    if (failed_.load()) return false;
    if (!entry.direct) {
        // Small pieces join the last one, up to a block.
        if (entry.pieces.empty() || entry.pieces.back().size() + text.size() > kBlockBytes) {
            entry.pieces.emplace_back();
            entry.pieces.back().reserve(std::max(text.size(), kBlockBytes));
        }
        entry.pieces.back().append(text);
        waiting_ += text.size();
        peakWaiting_ = std::max(peakWaiting_, waiting_);
        return true;
    }
    // Only the oldest answer writes directly, and no one else writes
    // while it does.
    lock.unlock();
    Write(text);
    return !failed_.load();
}

void OrderedOutput::Close(std::uint64_t answer) {
    std::unique_lock<std::mutex> lock(mutex_);
    Answer& entry = At(answer);
    entry.closed = true;
    if (!entry.direct) return;
    PassTurn(lock);
}

void OrderedOutput::PassTurn(std::unique_lock<std::mutex>& lock) {
    answers_.pop_front();
    ++oldest_;
    while (!answers_.empty()) {
        Answer& next = answers_.front();
        while (!next.pieces.empty()) {
            std::vector<std::string> pieces = std::move(next.pieces);
            next.pieces.clear();
            std::size_t bytes = 0;
            for (const std::string& piece : pieces) bytes += piece.size();
            lock.unlock();
            for (const std::string& piece : pieces) Write(piece);
            lock.lock();
            waiting_ -= bytes;
            turn_.notify_all();
        }
        if (!next.closed) {
            next.direct = true;
            turn_.notify_all();
            break;
        }
        answers_.pop_front();
        ++oldest_;
    }
    lock.unlock();
    if (flushEachAnswer_ && !failed_.load()) {
        const std::lock_guard<std::mutex> writing(writing_);
        out_.flush();
        if (!out_) failed_ = true;
    }
    if (failed_.load()) turn_.notify_all();
}

void OrderedOutput::Write(std::string_view text) {
    if (failed_.load()) return;
    const std::lock_guard<std::mutex> writing(writing_);
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out_) {
        failed_ = true;
        const std::lock_guard<std::mutex> lock(mutex_);
        turn_.notify_all();
    }
}

std::size_t OrderedOutput::PeakWaiting() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return peakWaiting_;
}

void OrderedOutput::FlushIfIdle() {
    // Another thread may be in the middle of a write: give it a moment.
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (writing_.try_lock()) {
            out_.flush();
            writing_.unlock();
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

AnswerBuffer::AnswerBuffer(OrderedOutput& output, std::uint64_t answer)
    : output_(output), answer_(answer), block_(kBlockBytes) {
    setp(block_.data(), block_.data() + block_.size());
}

AnswerBuffer::~AnswerBuffer() {
    // Also while an exception unwinds: what is left is handed on if memory
    // allows, and nothing is thrown from here.
    try {
        sync();
    } catch (...) {
    }
}

bool AnswerBuffer::Hand() {
    const std::size_t used = static_cast<std::size_t>(pptr() - pbase());
    setp(block_.data(), block_.data() + block_.size());
    return used == 0 || output_.Add(answer_, std::string_view(block_.data(), used));
}

AnswerBuffer::int_type AnswerBuffer::overflow(int_type c) {
    if (!Hand()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int AnswerBuffer::sync() { return Hand() ? 0 : -1; }

}  // namespace tamsel
