#pragma once

#include "ui/EventLoop.h"
#include "ui/VirtualClock.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace ui {

// The event loop without a display, on a virtual clock. Time moves only in
// AdvanceBy() or when a running loop has nothing else to do (it then jumps to
// the next timer), so timers and posted tasks run in a fixed order: posted
// tasks first, in posting order, then timers by due time (ties by start
// order). Tasks posted from other threads wake a waiting loop; a running
// loop with a timer pending jumps to it instead of waiting, so tests that
// involve other threads wait for them with WaitUntil().
class HeadlessLoop : public EventLoop {
public:
    explicit HeadlessLoop(std::shared_ptr<VirtualClock> clock = std::make_shared<VirtualClock>());
    ~HeadlessLoop() override;

    uint64_t NowMs() const override { return clock_->NowMs(); }
    void Post(std::function<void()> task) override;
    bool IsLoopThread() const override { return std::this_thread::get_id() == thread_; }
    TimerId StartTimer(uint32_t intervalMs, std::function<void()> fire) override;
    void StopTimer(TimerId id) override;
    void RunUntil(const std::function<bool()>& finished) override;
    int Run() override;
    void Quit(int code) override;
    bool IsQuitting() const override { return quitting_; }

    VirtualClock& Clock() { return *clock_; }
    // Runs the posted tasks, including those they post, without moving time.
    void RunPending();
    // Moves time forward by ms, firing every timer that falls due on the way
    // at its due time, with the posted tasks run after each.
    void AdvanceBy(uint64_t ms);
    // Runs posted tasks, waiting up to realTimeoutMs of real time for tasks
    // from other threads, until ready() answers true; answers ready().
    bool WaitUntil(const std::function<bool()>& ready, int realTimeoutMs = 5000);
    size_t ActiveTimers() const { return timers_.size(); }
    // Posted tasks not run yet; callable from any thread.
    size_t PendingTasks() const;
    // How long (real time) a running loop with nothing to do waits for other
    // threads before it gives up, and how far (virtual time) one run may
    // move the clock; both end runaway tests instead of hanging them.
    void SetLimits(int idleRealMs, uint64_t maxVirtualMs);

private:
    struct Timer {
        uint32_t interval;
        uint64_t due;
        uint64_t order;
        std::function<void()> fire;
    };
    bool RunOneTask();
    // Fires the earliest timer due at or before `limit`; false when none.
    bool FireNextTimer(uint64_t limit);
    bool NextDue(uint64_t& due) const;

    std::shared_ptr<VirtualClock> clock_;
    std::thread::id thread_;
    mutable std::mutex lock_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> tasks_;
    std::map<TimerId, Timer> timers_;
    TimerId nextTimer_ = 1;
    uint64_t nextOrder_ = 0;
    bool quitting_ = false;
    int quitCode_ = 0;
    int idleRealMs_ = 10000;
    uint64_t maxVirtualMs_ = 3600 * 1000;
};

} // namespace ui
