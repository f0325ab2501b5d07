#pragma once

#include "base/WorkerThread.h"
#include "device/DeviceProtocol.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

// The light thread of a device object: once per tick it lets the device run
// one step of its light modes, while the command channel is open. When the
// step says the frame is steady (a static colour: nothing changes until the
// light state does) the thread sleeps until the device wakes it.
//
// The effect speeds are counted in ticks of 1/64 s: on the platform the
// product was made for, its 1 ms wait returned at the system timer's
// granularity of 15.625 ms, and the speeds were tuned to that (a breathing
// cycle of 128 steps lasts about 16 s at 8 ticks a step and 2 s at 1). The
// thread sleeps until its next tick rather than polling the clock.
class LightThread {
public:
    static constexpr std::chrono::nanoseconds kTick{15'625'000};
    // While the channel is closed the thread looks again after this.
    static constexpr std::chrono::milliseconds kClosedWait{100};
    static constexpr int kStopTimeoutMs = 1000;

    // Runs inside the device's gate, on the light thread; true when the
    // frame stays as it is until `wake` is set.
    using TickHandler = std::function<bool()>;

    // Stops a running thread first. `exitLine` is traced when the thread
    // sees its stop.
    bool Start(std::shared_ptr<DeviceProtocol> commandChannel, TickHandler tick, std::shared_ptr<StopEvent> wake,
               std::string exitLine);
    WorkerThread::StopResult Stop() { return thread_.Stop(kStopTimeoutMs); }
    bool IsRunning() const { return thread_.IsRunning(); }

private:
    WorkerThread thread_;
};
