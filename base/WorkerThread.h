#pragma once

#include "base/StopEvent.h"
#include "base/ThreadGate.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// One worker thread and its stop signal, owned by the one object that starts
// it. Stop signals the event and waits for the thread at most a time limit; a
// thread that has not ended by then is left to end on its own (never killed):
// its gate is closed first, so from then on it cannot reach its owner, and
// the event and gate stay alive as long as the thread holds them.
class WorkerThread {
public:
    enum class StopResult { NotRunning, Ended, TimedOut };
    using Body = std::function<void(const StopEvent& stop, ThreadGate& gate)>;

    WorkerThread() = default;
    // Stops a running thread with the last time limit given to Start.
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Stops a running thread first (with its own limit), then runs `body` on
    // a new thread. The stop event is `stop` when given (reset here, before
    // the thread exists, so an early signal is never lost), else a new one.
    // False when no thread could be made.
    bool Start(Body body, int stopTimeoutMs, std::shared_ptr<StopEvent> stop = nullptr);
    StopResult Stop(int timeoutMs);
    StopResult Stop() { return Stop(stopTimeoutMs_); }
    bool IsRunning() const;
    // Signals the stop event without waiting.
    void Signal();

private:
    struct Shared {
        std::shared_ptr<StopEvent> stop;
        ThreadGate gate;
        std::mutex lock;
        std::condition_variable ended;
        bool done = false;
    };

    std::shared_ptr<Shared> shared_;
    std::thread thread_;
    int stopTimeoutMs_ = 1000;
};
