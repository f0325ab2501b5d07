#pragma once

#include "device/DeviceEntryTable.h"
#include "device/HidDevice.h"
#include "ui/Messages.h"
#include "ui/WindowHandle.h"

#include <memory>

// The name of the application's registered message, posted to the main
// window once the first detection pass has looked at every interface.
constexpr const char* kActivationMessageName = "Veltrane Software";

// One pass of device detection: while some device entry is free, list the HID
// interfaces, match them against the catalogue and claim entries (message
// 3090, sent and waited for); then probe every connected entry and release
// the ones whose interface is gone (message 3091). The interfaces are matched
// by the fields of their paths before anything is opened, so a pass opens only
// interfaces that could fill a free entry.
//
// The device entry table is the main window's; the pass changes it without a
// lock, which is safe because the main window changes it only while it
// handles the two messages, and the pass waits for those.
class DetectionPass {
public:
    DetectionPass(std::shared_ptr<DeviceEntryTable> entries, ui::WindowHandle mainWindow);

    // False when the interfaces could not be listed (detection then ends).
    bool Run();
    // Whether the last pass left a candidate interface it could not open or
    // claim (tried again on the next pass).
    bool LeftCandidates() const { return leftCandidates_; }
    // Whether the last pass freed an entry: an interface already present
    // (a second device of the same product) may claim it on the next pass.
    bool Released() const { return released_; }

private:
    bool ClaimArrivals();
    void ProbeConnected();

    std::shared_ptr<DeviceEntryTable> entries_;
    ui::WindowHandle mainWindow_;
    ui::MessageId activationMessage_;
    HidDevice device_; // the pass's own, used by its thread alone
    bool announced_ = false;
    bool leftCandidates_ = false;
    bool released_ = false;
};
