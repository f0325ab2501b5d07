#pragma once

#include "base/StopEvent.h"
#include "base/WorkerThread.h"
#include "device/DeviceEntryTable.h"
#include "ui/WindowHandle.h"

#include <chrono>
#include <memory>

// How the detection thread learns of changes.
struct DetectionOptions {
    // Wait on the transport's hot-plug monitor. Without one (or with this
    // off) the thread looks every kPollInterval.
    bool useHotplugMonitor = true;
};

// The device detection thread: runs a DetectionPass at start and then
// whenever a HID interface may have arrived or gone. With the system's
// hot-plug events watched it sleeps until one comes (a pass that left an
// interface it could not open or claim is tried again after kRetryInterval;
// a pass that freed an entry is followed by another at once); without them it
// passes every kPollInterval. Simulated plugs wake it in either case. It ends
// on the stop event (trace "抓取设备线程设定退出") or when the interfaces cannot
// be listed.
class DetectionThread {
public:
    static constexpr std::chrono::milliseconds kPollInterval{100};
    static constexpr std::chrono::milliseconds kRetryInterval{1000};
    // Shutdown waits this long for the thread before leaving it behind.
    static constexpr int kStopTimeoutMs = 1000;

    // The thread's whole loop; everything it touches is shared or its own.
    static void Run(const std::shared_ptr<DeviceEntryTable>& entries, ui::WindowHandle mainWindow,
                    const StopEvent& stop, DetectionOptions options);
};

// Starts the detection thread for the main window, which created `stop`
// (manual reset) and owns the device entry table it shares with the thread.
// The returned owner signals and joins the thread (Stop, or its destructor).
std::unique_ptr<WorkerThread> StartDetection(ui::WindowHandle mainWindow, std::shared_ptr<StopEvent> stop,
                                             std::shared_ptr<DeviceEntryTable> entries,
                                             DetectionOptions options = {});
