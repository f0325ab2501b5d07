#pragma once

#include <atomic>
#include <cstdint>

namespace ui {

// Time that moves only when told to: the headless loop's clock. Starts at 1 s
// so no event carries the time 0.
class VirtualClock {
public:
    uint64_t NowMs() const { return now_.load(); }
    void Set(uint64_t ms) { now_.store(ms); }
    void Advance(uint64_t ms) { now_.fetch_add(ms); }

private:
    std::atomic<uint64_t> now_{1000};
};

} // namespace ui
