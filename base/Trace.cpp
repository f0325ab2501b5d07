#include "base/Trace.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <unistd.h>

namespace {

std::atomic<bool> enabled{false};
std::mutex sinkLock;
int sink = -1; // guarded by sinkLock
bool sinkOwned = false;

void WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        data += n;
        size -= static_cast<size_t>(n);
    }
}

} // namespace

void ConfigureTrace()
{
    std::lock_guard guard(sinkLock);
    if (sinkOwned)
        close(sink);
    sink = -1;
    sinkOwned = false;

    if (const char* file = std::getenv("VELTRANE_DEBUG_FILE"); file && *file) {
        sink = open(file, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        sinkOwned = sink >= 0;
    } else if (const char* debug = std::getenv("VELTRANE_DEBUG"); debug && std::strcmp(debug, "1") == 0) {
        sink = STDERR_FILENO;
    }
    enabled.store(sink >= 0, std::memory_order_release);
}

void Trace(const char* format, ...)
{
    if (!enabled.load(std::memory_order_acquire))
        return;

    char small[512];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(small, sizeof(small), format, args);
    va_end(args);
    if (length < 0) {
        va_end(again);
        return;
    }
    std::string text;
    if (static_cast<size_t>(length) < sizeof(small)) {
        text.assign(small, static_cast<size_t>(length));
    } else {
        text.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, again);
        text.resize(static_cast<size_t>(length));
    }
    va_end(again);
    if (text.empty() || text.back() != '\n')
        text += '\n';

    std::lock_guard guard(sinkLock);
    if (sink >= 0)
        WriteAll(sink, text.data(), text.size());
}
