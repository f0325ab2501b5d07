#include "app/WorkerSlots.h"

#include "base/Trace.h"

WorkerSlots::~WorkerSlots()
{
    StopAll();
}

void WorkerSlots::Create(ui::WindowHandle mainWindow)
{
    for (Slot& slot : slots_)
        slot.argument = {mainWindow, std::make_shared<StopEvent>()};
    created_ = true;
}

bool WorkerSlots::IsFree(size_t slot) const
{
    return created_ && slot < kCount && !IsRunning(slot);
}

bool WorkerSlots::Start(size_t slot, WorkerThread::Body body)
{
    if (!IsFree(slot))
        return false;
    auto thread = std::make_unique<WorkerThread>();
    if (!thread->Start(std::move(body), kStopTimeoutMs, slots_[slot].argument.stop))
        return false;
    slots_[slot].thread = std::move(thread);
    return true;
}

bool WorkerSlots::Adopt(size_t slot, std::unique_ptr<WorkerThread> thread)
{
    if (!thread || !IsFree(slot))
        return false;
    slots_[slot].thread = std::move(thread);
    return true;
}

bool WorkerSlots::IsRunning(size_t slot) const
{
    return slot < kCount && slots_[slot].thread && slots_[slot].thread->IsRunning();
}

std::vector<size_t> WorkerSlots::StopAll(int timeoutMs)
{
    std::vector<size_t> leftBehind;
    if (!created_)
        return leftBehind;
    for (Slot& slot : slots_)
        slot.argument.stop->Set();
    for (size_t i = 0; i < kCount; ++i) {
        std::unique_ptr<WorkerThread> thread = std::move(slots_[i].thread);
        if (thread && thread->Stop(timeoutMs) == WorkerThread::StopResult::TimedOut) {
            Trace("线程退出：：对象处于非激发状态，超时 (slot %zu)", i);
            leftBehind.push_back(i);
        }
    }
    return leftBehind;
}
