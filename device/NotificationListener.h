#pragma once

#include "base/WorkerThread.h"
#include "device/NotificationChannel.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The thread that waits for device events on one notification interface: it
// blocks in a read (without time limit) of the interface and hands the code of
// each report to the device object. Closing the interface ends the read.
class NotificationListener {
public:
    static constexpr int kStopTimeoutMs = 500;
    // A failed read (device gone, interface closed) is retried after this,
    // so a dead interface does not keep the thread busy.
    static constexpr int kRetryMs = 100;

    // Runs inside the device's gate, on the listener's thread.
    using Handler = std::function<void(uint16_t code)>;

    // Stops a running listener first. `exitLine` is traced when the thread
    // sees its stop.
    bool Start(std::shared_ptr<NotificationChannel> channel, bool receiver, Handler handler, std::string exitLine);
    // Asks the thread to stop without waiting (the caller then closes the
    // interface, which ends a pending read).
    void Signal() { thread_.Signal(); }
    WorkerThread::StopResult Stop() { return thread_.Stop(kStopTimeoutMs); }
    bool IsRunning() const { return thread_.IsRunning(); }

private:
    WorkerThread thread_;
};
