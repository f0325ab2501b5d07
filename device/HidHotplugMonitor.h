#pragma once

#include <memory>

// A wake-up source for device detection: its fd becomes readable when a HID
// interface may have arrived or gone, from the system (a udev monitor on the
// hidraw subsystem, when one can be had) or from a registered backend's
// NotifyChanged (simulated plugs). Nothing depends on a udev daemon: without
// one the kernel's own events are watched, and without either the fd only
// reports simulated plugs, so detection keeps its periodic pass.
class HidHotplugMonitor {
public:
    HidHotplugMonitor();
    ~HidHotplugMonitor();
    HidHotplugMonitor(const HidHotplugMonitor&) = delete;
    HidHotplugMonitor& operator=(const HidHotplugMonitor&) = delete;

    // Poll it for reading; -1 when no wake-up source could be made.
    int WaitFd() const;
    // Whether system events are watched (else only simulated plugs).
    bool WatchesSystem() const;
    // Consumes what is pending; true when anything had arrived.
    bool Drain();

private:
    struct State;
    std::unique_ptr<State> state_;
};
