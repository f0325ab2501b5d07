#pragma once

#include <mutex>

// How a worker thread reaches the object that owns it. The thread does its
// work on the owner inside a pass; the owner closes the gate before it goes
// away, which waits for a pass in progress, so a thread that outlives its
// owner (left behind at its time limit) finds the gate shut and never touches
// freed memory. Nothing inside a pass may wait for the owner's thread.
class ThreadGate {
public:
    class Pass {
    public:
        Pass() = default;
        explicit Pass(std::unique_lock<std::mutex> guard) : guard_(std::move(guard)) {}
        explicit operator bool() const { return guard_.owns_lock(); }

    private:
        std::unique_lock<std::mutex> guard_;
    };

    // A held pass while the owner is there; an empty one once it is gone.
    Pass Enter()
    {
        std::unique_lock guard(lock_);
        if (!open_)
            return Pass();
        return Pass(std::move(guard));
    }

    // Waits for a pass in progress; no pass starts after it.
    void Close()
    {
        std::lock_guard guard(lock_);
        open_ = false;
    }

private:
    std::mutex lock_;
    bool open_ = true;
};
