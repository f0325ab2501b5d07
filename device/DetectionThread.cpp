#include "device/DetectionThread.h"

#include "base/Trace.h"
#include "device/DetectionPass.h"
#include "device/HidHotplugMonitor.h"

void DetectionThread::Run(const std::shared_ptr<DeviceEntryTable>& entries, ui::WindowHandle mainWindow,
                          const StopEvent& stop, DetectionOptions options)
{
    DetectionPass pass(entries, mainWindow);
    std::unique_ptr<HidHotplugMonitor> monitor;
    if (options.useHotplugMonitor)
        monitor = std::make_unique<HidHotplugMonitor>();
    const int wakeFd = monitor ? monitor->WaitFd() : -1;
    const bool eventDriven = monitor && monitor->WatchesSystem();
    for (;;) {
        if (stop.IsSet()) {
            Trace("抓取设备线程设定退出");
            return;
        }
        if (monitor)
            monitor->Drain();
        if (!pass.Run())
            return;
        std::chrono::nanoseconds wait = kPollInterval;
        if (pass.Released())
            wait = std::chrono::nanoseconds::zero();
        else if (eventDriven)
            wait = pass.LeftCandidates() ? std::chrono::nanoseconds(kRetryInterval) : std::chrono::nanoseconds(-1);
        if (wait != std::chrono::nanoseconds::zero())
            stop.WaitWith(wakeFd, wait);
    }
}

std::unique_ptr<WorkerThread> StartDetection(ui::WindowHandle mainWindow, std::shared_ptr<StopEvent> stop,
                                             std::shared_ptr<DeviceEntryTable> entries, DetectionOptions options)
{
    auto thread = std::make_unique<WorkerThread>();
    const bool started = thread->Start(
        [entries = std::move(entries), mainWindow, options](const StopEvent& event, ThreadGate&) {
            DetectionThread::Run(entries, mainWindow, event, options);
        },
        DetectionThread::kStopTimeoutMs, std::move(stop));
    if (!started)
        return nullptr;
    return thread;
}
