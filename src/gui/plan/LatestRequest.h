#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>

namespace vistagon::gui {

// The mailbox of a worker that only wants the newest request: a new one
// replaces one still waiting and outdates the one being worked on, which the
// worker sees at its next cancel test. Close ends the worker's wait and
// outdates everything. A hold point lets a test stop the worker where it
// tests, so that requests pile up behind it.
template <class Request>
class LatestRequest {
public:
    void Post(Request request)
    {
        {
            const std::lock_guard lock(mutex_);
            if (pending_) ++replaced_;
            pending_ = std::move(request);
            ++posted_;
        }
        changed_.notify_all();
    }

    // The worker: the newest request, waiting for one; none once closed.
    std::optional<Request> Take()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return closed_ || pending_.has_value(); });
        if (closed_) return std::nullopt;
        std::optional<Request> request = std::move(pending_);
        pending_.reset();
        taken_ = posted_.load();
        return request;
    }

    // The worker, at its cancel tests: a newer request came, or the mailbox closed.
    bool Outdated() const { return closed_ || posted_.load() != taken_.load(); }

    void Close()
    {
        {
            const std::lock_guard lock(mutex_);
            closed_ = true;
        }
        changed_.notify_all();
    }

    // Requests that were replaced before the worker took them.
    int replaced() const
    {
        const std::lock_guard lock(mutex_);
        return replaced_;
    }

    // The worker calls this where it may be held.
    void HoldPoint()
    {
        if (!holdArmed_) return;
        std::unique_lock lock(mutex_);
        if (!holdArmed_) return;
        holding_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return closed_ || !holdArmed_; });
        holding_ = false;
    }
    // Tests: the worker stops at its next hold point until Release (or Close).
    void ArmHold() { holdArmed_ = true; }
    void WaitUntilHeld()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return holding_ || closed_; });
    }
    void Release()
    {
        {
            const std::lock_guard lock(mutex_);
            holdArmed_ = false;
        }
        changed_.notify_all();
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Request> pending_;
    std::atomic<uint64_t> posted_{0};
    std::atomic<uint64_t> taken_{0};
    std::atomic<bool> closed_{false};
    std::atomic<bool> holdArmed_{false};
    bool holding_ = false;
    int replaced_ = 0;
};

}  // namespace vistagon::gui
