#pragma once

#include "device/HidConnection.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

class SimHidInterface;

// One open collection of a simulated interface. Like a hidraw file it keeps
// its own queue of the interface's input reports (only those of its
// collection); a report may carry a time before which it cannot be read, so
// a device model can answer late without a thread of its own.
class SimHidConnection : public HidConnection {
public:
    using Clock = std::chrono::steady_clock;

    SimHidConnection(HidAttributes attributes, HidCollection collection, std::shared_ptr<SimHidInterface> owner,
                     bool canRead, bool canWrite);

    bool Read(uint8_t* buffer, size_t length, size_t& bytesRead, int timeoutMs) override;
    bool Write(const uint8_t* buffer, size_t length, size_t& bytesWritten, int timeoutMs) override;
    void Cancel() override;

    void Deliver(std::vector<uint8_t> report, Clock::time_point due);
    // The interface was unplugged: every read and write fails from now on.
    void Kill();
    // Input reports delivered and not read yet.
    size_t Pending() const;

private:
    struct Queued {
        Clock::time_point due;
        std::vector<uint8_t> report;
    };

    std::shared_ptr<SimHidInterface> owner_;
    const bool canRead_;
    const bool canWrite_;
    mutable std::mutex lock_;
    std::condition_variable changed_;
    std::deque<Queued> queue_;
    bool cancelled_ = false;
    bool dead_ = false;
};
