#include "base/StopEvent.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

// The slice a wait on a descriptor is cut into when the event has none.
constexpr std::chrono::milliseconds kSlice{10};

timespec ToTimespec(std::chrono::nanoseconds timeout)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(timeout);
    return timespec{static_cast<time_t>(seconds.count()), static_cast<long>((timeout - seconds).count())};
}

} // namespace

StopEvent::StopEvent() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

StopEvent::~StopEvent()
{
    if (fd_ >= 0)
        close(fd_);
}

void StopEvent::Set()
{
    {
        std::lock_guard guard(lock_);
        if (set_)
            return;
        set_ = true;
        if (fd_ >= 0) {
            const uint64_t one = 1;
            [[maybe_unused]] const ssize_t written = write(fd_, &one, sizeof(one));
        }
    }
    changed_.notify_all();
}

void StopEvent::Reset()
{
    std::lock_guard guard(lock_);
    set_ = false;
    uint64_t count = 0;
    if (fd_ >= 0)
        [[maybe_unused]] const ssize_t got = read(fd_, &count, sizeof(count));
}

bool StopEvent::IsSet() const
{
    return set_;
}

bool StopEvent::WaitFor(std::chrono::nanoseconds timeout) const
{
    std::unique_lock guard(lock_);
    if (timeout < std::chrono::nanoseconds::zero()) {
        changed_.wait(guard, [this] { return set_.load(); });
        return true;
    }
    return changed_.wait_for(guard, timeout, [this] { return set_.load(); });
}

StopEvent::Wake StopEvent::WaitWith(int fd, std::chrono::nanoseconds timeout) const
{
    if (fd < 0)
        return WaitFor(timeout) ? Wake::Stopped : Wake::TimedOut;
    const bool forever = timeout < std::chrono::nanoseconds::zero();
    const auto deadline = std::chrono::steady_clock::now() + (forever ? std::chrono::nanoseconds::zero() : timeout);
    for (;;) {
        if (set_)
            return Wake::Stopped;
        std::chrono::nanoseconds left = forever ? std::chrono::nanoseconds(-1)
                                                : std::max(std::chrono::nanoseconds::zero(),
                                                           deadline - std::chrono::steady_clock::now());
        if (fd_ < 0 && (left < std::chrono::nanoseconds::zero() || left > kSlice))
            left = kSlice;
        pollfd entries[2] = {{fd, POLLIN, 0}, {fd_, POLLIN, 0}};
        const timespec span = ToTimespec(left);
        const int ready = ppoll(entries, fd_ >= 0 ? 2 : 1, left < std::chrono::nanoseconds::zero() ? nullptr : &span,
                                nullptr);
        if (set_)
            return Wake::Stopped;
        if (ready > 0 && (entries[0].revents & (POLLIN | POLLERR | POLLHUP | POLLNVAL)))
            return Wake::Ready;
        if (ready < 0 && errno != EINTR)
            return Wake::Ready; // the descriptor is unusable: let the caller look at it
        if (!forever && std::chrono::steady_clock::now() >= deadline)
            return Wake::TimedOut;
    }
}
