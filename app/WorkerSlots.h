#pragma once

#include "base/StopEvent.h"
#include "base/WorkerThread.h"
#include "ui/WindowHandle.h"

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

// The main window's 20 worker slots, each a manual-reset stop event and the
// argument a worker gets ({main window, stop event}); slot 0 runs the device
// detection thread, slot 8 the lighting synchronisation thread, the others
// hold only their event and argument. At shutdown every event is signalled
// first, then each thread gets kStopTimeoutMs to end; one that does not is
// left behind (its gate closed, never killed), so shutdown waits at most
// kCount x kStopTimeoutMs.
class WorkerSlots {
public:
    static constexpr size_t kCount = 20;
    static constexpr size_t kDetectionSlot = 0;
    static constexpr size_t kSynchronisationSlot = 8;
    static constexpr int kStopTimeoutMs = 1000;

    struct Argument {
        ui::WindowHandle mainWindow;
        std::shared_ptr<StopEvent> stop;
    };

    WorkerSlots() = default;
    // Stops whatever still runs.
    ~WorkerSlots();
    WorkerSlots(const WorkerSlots&) = delete;
    WorkerSlots& operator=(const WorkerSlots&) = delete;

    // Makes the 20 events (not signalled) and arguments.
    void Create(ui::WindowHandle mainWindow);
    bool IsCreated() const { return created_; }
    const Argument& ArgumentOf(size_t slot) const { return slots_.at(slot).argument; }

    // Runs `body` in the slot with the slot's stop event; false when the
    // slots are not created, the slot is out of range or busy, or no thread
    // could be made.
    bool Start(size_t slot, WorkerThread::Body body);
    // Takes a thread started elsewhere with the slot's stop event.
    bool Adopt(size_t slot, std::unique_ptr<WorkerThread> thread);
    bool IsRunning(size_t slot) const;

    // Signals all events, then waits for each thread in slot order; answers
    // the slots whose thread was left behind.
    std::vector<size_t> StopAll(int timeoutMs = kStopTimeoutMs);

private:
    struct Slot {
        Argument argument;
        std::unique_ptr<WorkerThread> thread;
    };
    bool IsFree(size_t slot) const;

    std::array<Slot, kCount> slots_;
    bool created_ = false;
};
