#include "device/linux/HidrawConnection.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

constexpr size_t kMaxReport = 16384; // hidraw's largest report

long long NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

std::shared_ptr<HidrawConnection> HidrawConnection::Create(HidAttributes attributes, HidCollection collection,
                                                           int fd, bool canRead, bool canWrite)
{
    const int cancelFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (cancelFd < 0) {
        close(fd);
        return nullptr;
    }
    return std::make_shared<HidrawConnection>(attributes, std::move(collection), fd, cancelFd, canRead, canWrite);
}

HidrawConnection::HidrawConnection(HidAttributes attributes, HidCollection collection, int fd, int cancelFd,
                                   bool canRead, bool canWrite)
    : HidConnection(attributes, std::move(collection)), fd_(fd), cancelFd_(cancelFd), canRead_(canRead),
      canWrite_(canWrite)
{
}

HidrawConnection::~HidrawConnection()
{
    close(fd_);
    close(cancelFd_);
}

void HidrawConnection::Cancel()
{
    cancelled_.store(true);
    const uint64_t one = 1;
    // The counter stays non-zero, so every later wait sees the cancel too.
    [[maybe_unused]] const ssize_t written = write(cancelFd_, &one, sizeof(one));
}

int HidrawConnection::WaitFor(short events, int timeoutMs, long long deadline)
{
    for (;;) {
        if (cancelled_.load())
            return -1;
        int wait = -1;
        if (timeoutMs >= 0)
            wait = static_cast<int>(std::max<long long>(0, deadline - NowMs()));
        pollfd fds[2] = {{fd_, events, 0}, {cancelFd_, POLLIN, 0}};
        const int ready = poll(fds, 2, wait);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || (fds[1].revents & POLLIN))
            return -1;
        if (ready == 0)
            return 0;
        if (fds[0].revents & events)
            return 1;
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL))
            return -1; // the node went away
    }
}

bool HidrawConnection::Read(uint8_t* buffer, size_t length, size_t& bytesRead, int timeoutMs)
{
    bytesRead = 0;
    if (!canRead_ || length == 0)
        return false;
    const long long deadline = NowMs() + std::max(timeoutMs, 0);
    uint8_t report[kMaxReport + 1];
    for (;;) {
        if (WaitFor(POLLIN, timeoutMs, deadline) != 1)
            return false;
        // Without report ids the node hands out bare data; the id byte 0 is put in front.
        const bool numbered = Collection().UsesReportIds();
        uint8_t* into = numbered ? report : report + 1;
        const ssize_t got = read(fd_, into, kMaxReport);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (got <= 0)
            return false;
        size_t size = static_cast<size_t>(got);
        if (!numbered) {
            report[0] = 0;
            ++size;
        }
        // Every open node hears all reports of its interface; other
        // collections' reports are not this reader's.
        if (!Collection().HasReport(HidReportType::Input, report[0]))
            continue;
        bytesRead = std::min(size, length);
        std::memcpy(buffer, report, bytesRead);
        return true;
    }
}

bool HidrawConnection::Write(const uint8_t* buffer, size_t length, size_t& bytesWritten, int timeoutMs)
{
    bytesWritten = 0;
    if (!canWrite_ || length == 0)
        return false;
    const long long deadline = NowMs() + std::max(timeoutMs, 0);
    for (;;) {
        if (WaitFor(POLLOUT, timeoutMs, deadline) != 1)
            return false;
        const ssize_t sent = write(fd_, buffer, length);
        if (sent < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (sent != static_cast<ssize_t>(length))
            return false;
        bytesWritten = length;
        return true;
    }
}
