#include "device/LightThread.h"

#include "base/Trace.h"

#include <algorithm>

bool LightThread::Start(std::shared_ptr<DeviceProtocol> commandChannel, TickHandler tick,
                        std::shared_ptr<StopEvent> wake, std::string exitLine)
{
    return thread_.Start(
        [channel = std::move(commandChannel), tick = std::move(tick), wake = std::move(wake),
         exitLine = std::move(exitLine)](const StopEvent& stop, ThreadGate& gate) {
            using Clock = std::chrono::steady_clock;
            Clock::time_point next = Clock::now() + kTick;
            for (;;) {
                if (!channel->IsOpened()) {
                    if (stop.WaitFor(kClosedWait))
                        break;
                    next = Clock::now() + kTick;
                    continue;
                }
                if (stop.WaitFor(std::max(next - Clock::now(), Clock::duration::zero())))
                    break;
                // A late wake-up counts as one tick; the ticks it missed are
                // not made up in a burst.
                next += kTick;
                if (const Clock::time_point now = Clock::now(); next < now)
                    next = now + kTick;
                // Cleared before the step, so a change made while it runs
                // still wakes the wait after it.
                wake->Reset();
                bool steady = false;
                {
                    const ThreadGate::Pass pass = gate.Enter();
                    if (!pass)
                        return;
                    steady = tick();
                }
                if (steady && wake->Fd() >= 0) {
                    if (stop.WaitWith(wake->Fd(), std::chrono::nanoseconds(-1)) == StopEvent::Wake::Stopped)
                        break;
                    next = Clock::now();
                }
            }
            Trace("%s", exitLine.c_str());
        },
        kStopTimeoutMs);
}
