#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

// A manual-reset event: a worker thread's stop signal. It stays signalled
// until Reset; a thread waits for it with a time limit, alone or together
// with a file descriptor of its own (a hot-plug monitor), so no worker has to
// poll for it.
class StopEvent {
public:
    enum class Wake { Stopped, Ready, TimedOut };

    StopEvent();
    ~StopEvent();
    StopEvent(const StopEvent&) = delete;
    StopEvent& operator=(const StopEvent&) = delete;

    void Set();
    void Reset();
    bool IsSet() const;

    // True when the event is (or becomes) signalled within `timeout`; a
    // negative timeout waits without limit.
    bool WaitFor(std::chrono::nanoseconds timeout) const;
    // Readable while the event is set; -1 when no descriptor could be made.
    int Fd() const { return fd_; }
    // Waits until the event is signalled, `fd` is readable or the time is up;
    // fd -1 waits for the event alone. The event wins when both are ready.
    Wake WaitWith(int fd, std::chrono::nanoseconds timeout) const;

private:
    mutable std::mutex lock_;
    mutable std::condition_variable changed_;
    std::atomic<bool> set_{false};
    // Readable while the event is set; -1 when none could be made, then
    // WaitWith watches the other descriptor in short slices.
    int fd_ = -1;
};
