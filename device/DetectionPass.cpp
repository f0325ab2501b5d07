#include "device/DetectionPass.h"

#include "ui/WindowRegistry.h"

DetectionPass::DetectionPass(std::shared_ptr<DeviceEntryTable> entries, ui::WindowHandle mainWindow)
    : entries_(std::move(entries)), mainWindow_(mainWindow),
      activationMessage_(ui::RegisterWindowMessage(kActivationMessageName))
{
}

bool DetectionPass::Run()
{
    leftCandidates_ = false;
    released_ = false;
    if (!entries_->AllEntriesClaimed()) {
        if (!ClaimArrivals())
            return false;
        if (!announced_) {
            announced_ = true;
            ui::PostMessage(mainWindow_, activationMessage_, 0, 0);
        }
    }
    ProbeConnected();
    return true;
}

bool DetectionPass::ClaimArrivals()
{
    if (!device_.Enumerate())
        return false;
    while (const auto path = device_.NextPath()) {
        DeviceIdentity identity;
        identity.vendorId = HidDevice::ParseHexField(*path, "vid_");
        identity.productId = HidDevice::ParseHexField(*path, "pid_");
        identity.interfaceNumber = HidDevice::ParseHexField(*path, "&mi_");
        identity.collectionNumber = HidDevice::ParseHexField(*path, "&col");
        identity.devicePath = *path;
        if (!entries_->IsCandidate(identity))
            continue;
        if (!device_.Open(*path, true, false, true, false)) {
            leftCandidates_ = true;
            continue;
        }
        const HidAttributes attributes = device_.Attributes();
        const HidCaps caps = device_.Caps();
        identity.vendorId = attributes.vendorId;
        identity.productId = attributes.productId;
        identity.usagePage = caps.usagePage;
        identity.usage = caps.usage;
        // Closed before the main window hears of it: the main window opens
        // the interface itself while it handles the arrival.
        device_.Close();
        if (const auto row = entries_->ClaimEntry(identity))
            ui::SendMessage(mainWindow_, ui::Msg::DeviceArrived, *row, 0);
        else
            leftCandidates_ = true;
    }
    device_.FreePathList();
    return true;
}

void DetectionPass::ProbeConnected()
{
    for (size_t row = 0; row < entries_->size(); ++row) {
        const DeviceIdentity& entry = (*entries_)[row];
        if (!entry.connected)
            continue;
        if (device_.Open(entry.devicePath, false, false, false, false)) {
            device_.Close();
            continue;
        }
        device_.Close();
        entries_->ReleaseEntry(row);
        released_ = true;
        ui::SendMessage(mainWindow_, ui::Msg::DeviceRemoved, row, 0);
    }
}
