#include "ui/HeadlessLoop.h"

#include "base/Trace.h"

#include <chrono>

namespace ui {

HeadlessLoop::HeadlessLoop(std::shared_ptr<VirtualClock> clock)
    : clock_(std::move(clock)), thread_(std::this_thread::get_id())
{
}

HeadlessLoop::~HeadlessLoop() = default;

void HeadlessLoop::Post(std::function<void()> task)
{
    {
        std::lock_guard guard(lock_);
        tasks_.push_back(std::move(task));
    }
    wake_.notify_all();
}

EventLoop::TimerId HeadlessLoop::StartTimer(uint32_t intervalMs, std::function<void()> fire)
{
    TimerId id = nextTimer_++;
    const uint32_t interval = intervalMs == 0 ? 1 : intervalMs;
    timers_[id] = Timer{interval, NowMs() + interval, nextOrder_++, std::move(fire)};
    return id;
}

void HeadlessLoop::StopTimer(TimerId id) { timers_.erase(id); }

size_t HeadlessLoop::PendingTasks() const
{
    std::lock_guard guard(lock_);
    return tasks_.size();
}

bool HeadlessLoop::RunOneTask()
{
    std::function<void()> task;
    {
        std::lock_guard guard(lock_);
        if (tasks_.empty())
            return false;
        task = std::move(tasks_.front());
        tasks_.pop_front();
    }
    task();
    return true;
}

void HeadlessLoop::RunPending()
{
    while (RunOneTask()) {
    }
}

bool HeadlessLoop::NextDue(uint64_t& due) const
{
    bool found = false;
    for (const auto& [id, timer] : timers_) {
        if (!found || timer.due < due) {
            due = timer.due;
            found = true;
        }
    }
    return found;
}

bool HeadlessLoop::FireNextTimer(uint64_t limit)
{
    auto best = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second.due > limit)
            continue;
        if (best == timers_.end() || it->second.due < best->second.due ||
            (it->second.due == best->second.due && it->second.order < best->second.order))
            best = it;
    }
    if (best == timers_.end())
        return false;
    if (best->second.due > NowMs())
        clock_->Set(best->second.due);
    const TimerId id = best->first;
    best->second.due = NowMs() + best->second.interval;
    best->second.order = nextOrder_++;
    // The timer may stop itself or others while firing: call a copy.
    auto fire = best->second.fire;
    fire();
    (void)id;
    return true;
}

void HeadlessLoop::AdvanceBy(uint64_t ms)
{
    const uint64_t target = NowMs() + ms;
    RunPending();
    while (FireNextTimer(target))
        RunPending();
    if (NowMs() < target)
        clock_->Set(target);
    RunPending();
}

bool HeadlessLoop::WaitUntil(const std::function<bool()>& ready, int realTimeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(realTimeoutMs);
    while (true) {
        RunPending();
        if (ready())
            return true;
        std::unique_lock guard(lock_);
        if (!wake_.wait_until(guard, deadline, [&] { return !tasks_.empty(); }))
            return ready();
    }
}

void HeadlessLoop::SetLimits(int idleRealMs, uint64_t maxVirtualMs)
{
    idleRealMs_ = idleRealMs;
    maxVirtualMs_ = maxVirtualMs;
}

void HeadlessLoop::RunUntil(const std::function<bool()>& finished)
{
    const uint64_t start = NowMs();
    while (!quitting_) {
        if (RunOneTask()) {
            if (finished())
                return;
            continue;
        }
        if (finished())
            return;
        uint64_t due = 0;
        if (NextDue(due)) {
            if (due - start > maxVirtualMs_) {
                Trace("headless loop: ran %llu ms of virtual time without finishing",
                      static_cast<unsigned long long>(maxVirtualMs_));
                return;
            }
            FireNextTimer(due);
            continue;
        }
        std::unique_lock guard(lock_);
        if (!wake_.wait_for(guard, std::chrono::milliseconds(idleRealMs_), [&] { return !tasks_.empty(); })) {
            Trace("headless loop: idle with nothing scheduled, giving up");
            return;
        }
    }
}

int HeadlessLoop::Run()
{
    quitting_ = false;
    RunUntil([] { return false; });
    quitting_ = false;
    return quitCode_;
}

void HeadlessLoop::Quit(int code)
{
    quitting_ = true;
    quitCode_ = code;
}

} // namespace ui
