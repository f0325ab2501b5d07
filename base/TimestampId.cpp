#include "base/TimestampId.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>

std::string NewTimestampId()
{
    using namespace std::chrono;
    static std::mutex lock;
    static long long lastMs = 0;

    long long ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    {
        std::lock_guard guard(lock);
        if (ms <= lastMs)
            ms = lastMs + 1;
        lastMs = ms;
    }

    const time_t seconds = static_cast<time_t>(ms / 1000);
    tm local{};
    localtime_r(&seconds, &local);
    char text[64];
    std::snprintf(text, sizeof(text), "%d_%02d_%02d_%02d_%02d_%02d_%03d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(ms % 1000));
    return text;
}
