#include "sim/SimHidConnection.h"

#include "sim/SimHidInterface.h"

#include <algorithm>
#include <cstring>

SimHidConnection::SimHidConnection(HidAttributes attributes, HidCollection collection,
                                   std::shared_ptr<SimHidInterface> owner, bool canRead, bool canWrite)
    : HidConnection(attributes, std::move(collection)), owner_(std::move(owner)), canRead_(canRead),
      canWrite_(canWrite)
{
}

bool SimHidConnection::Read(uint8_t* buffer, size_t length, size_t& bytesRead, int timeoutMs)
{
    bytesRead = 0;
    if (!canRead_ || length == 0)
        return false;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    std::unique_lock guard(lock_);
    for (;;) {
        if (cancelled_ || dead_)
            return false;
        const Clock::time_point now = Clock::now();
        if (!queue_.empty() && queue_.front().due <= now) {
            const std::vector<uint8_t>& report = queue_.front().report;
            bytesRead = std::min(report.size(), length);
            std::memcpy(buffer, report.data(), bytesRead);
            queue_.pop_front();
            return true;
        }
        if (timeoutMs >= 0 && now >= deadline)
            return false;
        Clock::time_point wake = timeoutMs >= 0 ? deadline : Clock::time_point::max();
        if (!queue_.empty())
            wake = std::min(wake, queue_.front().due);
        if (wake == Clock::time_point::max())
            changed_.wait(guard);
        else
            changed_.wait_until(guard, wake);
    }
}

bool SimHidConnection::Write(const uint8_t* buffer, size_t length, size_t& bytesWritten, int)
{
    bytesWritten = 0;
    {
        std::lock_guard guard(lock_);
        if (!canWrite_ || cancelled_ || dead_ || length == 0)
            return false;
    }
    if (!owner_->DeliverOutput(buffer, length))
        return false;
    bytesWritten = length;
    return true;
}

void SimHidConnection::Cancel()
{
    std::lock_guard guard(lock_);
    cancelled_ = true;
    changed_.notify_all();
}

void SimHidConnection::Kill()
{
    std::lock_guard guard(lock_);
    dead_ = true;
    queue_.clear();
    changed_.notify_all();
}

void SimHidConnection::Deliver(std::vector<uint8_t> report, Clock::time_point due)
{
    std::lock_guard guard(lock_);
    if (dead_ || cancelled_ || !canRead_)
        return;
    // Kept in order of due time; equal times keep their sending order.
    auto at = std::upper_bound(queue_.begin(), queue_.end(), due,
                               [](Clock::time_point time, const Queued& queued) { return time < queued.due; });
    queue_.insert(at, Queued{due, std::move(report)});
    changed_.notify_all();
}

size_t SimHidConnection::Pending() const
{
    std::lock_guard guard(lock_);
    return queue_.size();
}
