#include "base/WorkerThread.h"

#include <system_error>

WorkerThread::~WorkerThread()
{
    Stop();
}

bool WorkerThread::Start(Body body, int stopTimeoutMs, std::shared_ptr<StopEvent> stop)
{
    Stop();
    auto shared = std::make_shared<Shared>();
    shared->stop = stop ? std::move(stop) : std::make_shared<StopEvent>();
    shared->stop->Reset();
    try {
        thread_ = std::thread([shared, body = std::move(body)] {
            body(*shared->stop, shared->gate);
            {
                std::lock_guard guard(shared->lock);
                shared->done = true;
            }
            shared->ended.notify_all();
        });
    } catch (const std::system_error&) {
        return false;
    }
    shared_ = std::move(shared);
    stopTimeoutMs_ = stopTimeoutMs;
    return true;
}

void WorkerThread::Signal()
{
    if (shared_)
        shared_->stop->Set();
}

bool WorkerThread::IsRunning() const
{
    if (!shared_)
        return false;
    std::lock_guard guard(shared_->lock);
    return !shared_->done;
}

WorkerThread::StopResult WorkerThread::Stop(int timeoutMs)
{
    if (!shared_)
        return StopResult::NotRunning;
    std::shared_ptr<Shared> shared = std::move(shared_);
    shared->stop->Set();
    bool ended = false;
    {
        std::unique_lock guard(shared->lock);
        ended = shared->ended.wait_for(guard, std::chrono::milliseconds(timeoutMs), [&] { return shared->done; });
    }
    if (ended) {
        thread_.join();
        return StopResult::Ended;
    }
    shared->gate.Close();
    thread_.detach();
    return StopResult::TimedOut;
}
