// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace tamsel {

// A small thread pool that runs jobs in parallel and hands their results
// back in the order the jobs came, on the thread that submits them. At
// most `maxPending` jobs are queued, running or waiting to be handed back:
// Submit waits for the oldest before it takes one more, so memory stays
// bounded however many jobs come.
template <class Result>
class OrderedWorkers {
public:
    using Job = std::function<Result()>;
    using Deliver = std::function<void(Result&)>;

    OrderedWorkers(unsigned threads, std::size_t maxPending, Deliver deliver)
        : maxPending_(maxPending < 1 ? 1 : maxPending), deliver_(std::move(deliver)) {
        for (unsigned i = 0; i < (threads < 1 ? 1 : threads); ++i) workers_.emplace_back([this] { Work(); });
    }
    ~OrderedWorkers() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
            queue_.clear();
        }
        workAvailable_.notify_all();
        for (std::thread& worker : workers_) worker.join();
    }
    OrderedWorkers(const OrderedWorkers&) = delete;
    OrderedWorkers& operator=(const OrderedWorkers&) = delete;

    // Queues a job; hands back every result that is ready in order, and
    // waits while too many jobs are pending. A job's exception is thrown
    // here when its result's turn comes.
    void Submit(Job job) {
        auto slot = std::make_shared<Slot>();
        slot->job = std::move(job);
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            pending_.push_back(slot);
            queue_.push_back(slot);
        }
        workAvailable_.notify_one();
        DeliverReady(maxPending_);
    }

    // Waits for every job and hands back the remaining results.
    void Finish() { DeliverReady(1); }

private:
    struct Slot {
        Job job;
        Result result{};
        std::exception_ptr failure;
        bool done = false;
    };

    // Hands back finished results in order until fewer than `limit` jobs
    // are pending and the oldest is not finished.
    void DeliverReady(std::size_t limit) {
        for (;;) {
            std::shared_ptr<Slot> oldest;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                if (pending_.empty()) return;
                if (pending_.size() >= limit) {
                    jobDone_.wait(lock, [this] { return pending_.front()->done; });
                } else if (!pending_.front()->done) {
                    return;
                }
                oldest = pending_.front();
                pending_.pop_front();
            }
            if (oldest->failure) std::rethrow_exception(oldest->failure);
            deliver_(oldest->result);
        }
    }

    void Work() {
        for (;;) {
            std::shared_ptr<Slot> slot;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                workAvailable_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
                if (queue_.empty()) return;
                slot = queue_.front();
                queue_.pop_front();
            }
            try {
                slot->result = slot->job();
            } catch (...) {
                slot->failure = std::current_exception();
            }
            slot->job = nullptr;
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                slot->done = true;
            }
            jobDone_.notify_all();
        }
    }

    const std::size_t maxPending_;
    Deliver deliver_;
    std::mutex mutex_;
    std::condition_variable workAvailable_;
    std::condition_variable jobDone_;
    std::deque<std::shared_ptr<Slot>> pending_;  // in order, until handed back
    std::deque<std::shared_ptr<Slot>> queue_;    // not yet started
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace tamsel
