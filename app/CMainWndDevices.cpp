#include "app/CMainWnd.h"

#include "app/CDeviceOptionUI.h"
#include "app/CMpDevicePowerUI.h"
#include "base/Trace.h"
#include "device/CKestrelUSBDevice.h"
#include "device/DeviceChannels.h"
#include "device/DeviceKinds.h"
#include "device/EntryTimerPlan.h"
#include "ui/Combo.h"
#include "ui/LayoutBuilder.h"
#include "ui/TabLayout.h"

namespace {

constexpr uint32_t kConnectDelayMs = 500;

bool IsCableKind(int kind)
{
    return kind == kKindMouse || kind == kKindKeyboard;
}

} // namespace

std::vector<CKestrelUSBDevice*>* CMainWnd::VectorOfKind(int kind)
{
    switch (kind) {
    case kKindMouse:
    case kKindMouseReceiver:
        return &mice_;
    case kKindKeyboard:
    case kKindKeyboardReceiver:
        return &keyboards_;
    case kKindMousePad:
        return &mousePads_;
    case kKindHeadset:
        return &headsets_;
    default:
        return nullptr;
    }
}

std::vector<CKestrelUSBDevice*> CMainWnd::AllLitDevices() const
{
    std::vector<CKestrelUSBDevice*> devices(mice_);
    devices.insert(devices.end(), mousePads_.begin(), mousePads_.end());
    devices.insert(devices.end(), keyboards_.begin(), keyboards_.end());
    return devices;
}

void CMainWnd::CreateFirstPageSets()
{
    // The mouse and keyboard rows of the device kind table, from their
    // command interfaces on the cable.
    for (size_t kindRow = 0; kindRow < 2; ++kindRow) {
        const DeviceKindRow& kindInfo = kDeviceKinds[kindRow];
        const int entry = FindEntryRow(kindInfo.vendorId, kindInfo.productId, kindInfo.kind, kRoleCommand);
        if (entry < 0 || !CreatePageSet(static_cast<size_t>(entry), kindInfo.variant))
            Trace("main window: no page set for device kind row %zu", kindRow);
    }
}

bool CMainWnd::CreatePageSet(size_t entryIndex, int variant)
{
    const DeviceIdentity& row = (*entries_)[entryIndex];
    // A receiver's row stands for the product on its cable.
    const bool receiver = DeviceChannels::IsReceiverKind(row.kind);
    const int kind = row.kind == kKindMouseReceiver      ? int{kKindMouse}
                     : row.kind == kKindKeyboardReceiver ? int{kKindKeyboard}
                                                         : int{row.kind};
    const DeviceIdentity& product =
        receiver && row.hasPartner && row.partner < entries_->size() ? (*entries_)[row.partner] : row;
    const int kindRow = FindKindRow(product.vendorId, product.productId, static_cast<uint16_t>(kind),
                                    static_cast<uint16_t>(variant));
    auto* powerSwitch = dynamic_cast<ui::TabLayout*>(manager_.FindControl("device_power_switch"));
    auto* pageSwitch = dynamic_cast<ui::TabLayout*>(manager_.FindControl("device_switch"));
    auto* selector = dynamic_cast<ui::Container*>(manager_.FindControl("device_select_layout"));
    if (kindRow < 0 || !powerSwitch || !pageSwitch || !selector)
        return false;
    const DeviceKindRow& kindInfo = kDeviceKinds[static_cast<size_t>(kindRow)];
    const DevicePageRow& pageInfo = kDevicePages[static_cast<size_t>(kindRow)];

    ui::LayoutBuilder builder;
    std::unique_ptr<ui::Control> powerBuilt(builder.Build("XML\\CustomControlXML\\MpDevicePower.xml", &manager_, this));
    std::unique_ptr<ui::Control> entryBuilt(builder.Build(kindInfo.selectorLayout, &manager_, this));
    std::unique_ptr<ui::Control> pageBuilt(builder.Build(pageInfo.pageLayout, &manager_, this));
    auto* power = dynamic_cast<CMpDevicePowerUI*>(powerBuilt.get());
    auto* entry = dynamic_cast<CDeviceOptionUI*>(entryBuilt.get());
    auto* page = dynamic_cast<CKestrelUSBDevice*>(pageBuilt.get());
    if (!power || !entry || !page) {
        Trace("main window: the page set of %s cannot be built", kindInfo.folderName);
        return false;
    }

    powerSwitch->Add(powerBuilt.release());
    power->SetKind(kind, variant);
    powerWidgets_.push_back(power);

    page->SetPageLayout(pageInfo.pageLayout);
    page->SetMainWindow(GetHandle());
    page->SetKeyButtonCount(pageInfo.keyButtonCount);
    page->SetLedCount(pageInfo.ledCount);
    page->SetKindRow(kindRow);
    page->SetPageFlag(pageInfo.pageFlag);
    page->SetProfileName({});
    page->SetFolderName(kindInfo.folderName);
    page->SetPowerWidget(power);
    page->SetIdentity(product);
    page->SetLightPresetIndex(kindInfo.lightPresetIndex);
    page->SetLightConfigName(pageInfo.lightConfigName);
    page->BindPageControls();
    // A new device follows the window's switches as the others do.
    page->SetHostLighting(lightControl_);
    page->SetWindowActive(windowActive_);
    pageSwitch->Add(pageBuilt.release());
    VectorOfKind(kind)->push_back(page);

    selector->Add(entryBuilt.release());
    entry->SetSynchronised(false);
    entry->BindPage(kindInfo.headerControl, "device_switch", pageSwitch->GetItemIndex(page));
    entry->SetPowerTab(kindInfo.powerControl, powerSwitch->GetItemIndex(power));
    entry->SetImages(kind, variant);
    entry->SetVisible(false);
    entry->SetDeviceName(kindInfo.folderName);
    entry->SetDevice(page);
    entry->SetPowerWidget(power);
    page->SetSelectorEntry(entry);
    selectorEntries_.push_back(entry);
    return true;
}

CKestrelUSBDevice* CMainWnd::DeviceForEntry(const DeviceIdentity& row) const
{
    // A receiver stands for the product on its cable, whose identity the
    // page set was built with.
    const bool receiver = DeviceChannels::IsReceiverKind(row.kind);
    const DeviceIdentity& product =
        receiver && row.hasPartner && row.partner < entries_->size() ? (*entries_)[row.partner] : row;
    for (const auto* list : {&mice_, &keyboards_, &mousePads_, &headsets_})
        for (CKestrelUSBDevice* device : *list) {
            const DeviceIdentity& identity = device->Identity();
            if (identity.vendorId != product.vendorId || identity.productId != product.productId)
                continue;
            // The notification interface belongs to the product's object.
            if (row.role == kRoleNotification || identity == product)
                return device;
        }
    return nullptr;
}

int CMainWnd::EntryIndexOf(const CKestrelUSBDevice* device) const
{
    for (size_t i = 0; i < selectorEntries_.size(); ++i)
        if (selectorEntries_[i]->Device() == device)
            return static_cast<int>(i);
    return -1;
}

std::pair<int, int> CMainWnd::CountPresent() const
{
    int first = -1;
    int count = 0;
    for (size_t i = 0; i < selectorEntries_.size(); ++i)
        if (selectorEntries_[i]->IsOwnVisible()) {
            if (first < 0)
                first = static_cast<int>(i);
            ++count;
        }
    return {first, count};
}

CKestrelUSBDevice* CMainWnd::CurrentDevice() const
{
    if (selectedEntry_ < 0 || static_cast<size_t>(selectedEntry_) >= selectorEntries_.size())
        return nullptr;
    const CDeviceOptionUI* entry = selectorEntries_[static_cast<size_t>(selectedEntry_)];
    return entry->IsOwnVisible() ? entry->Device() : nullptr;
}

void CMainWnd::OnDeviceArrived(size_t entryIndex)
{
    if (!entries_ || entryIndex >= entries_->size())
        return;
    const DeviceIdentity& row = (*entries_)[entryIndex];
    Trace("main window: interface %zu arrived (kind %u, role %u)", entryIndex, row.kind, row.role);
    if (VectorOfKind(row.kind)) {
        CKestrelUSBDevice* device = DeviceForEntry(row);
        if (!device && CreatePageSet(entryIndex, 0))
            device = DeviceForEntry(row);
        if (device && row.role == kRoleNotification) {
            device->OpenNotificationInterface(row);
        } else if (device) {
            const DeviceIdentity* partner =
                row.hasPartner && row.partner < entries_->size() ? &(*entries_)[row.partner] : nullptr;
            CDeviceOptionUI* entry = static_cast<CDeviceOptionUI*>(device->SelectorEntry());
            if (partner && partner->connected && !partner->devicePath.empty() && partner->partner == entryIndex) {
                // The product is already here through its other route.
                if (IsCableKind(row.kind) && entry) {
                    const EntryTimerPlan plan = device->SwitchRoute(row);
                    if (plan.online == true)
                        ShowEntry(EntryIndexOf(device), true, CountPresent().second == 0);
                    for (const EntryTimerPlan::Start& start : plan.timers)
                        manager_.SetTimer(entry, start.id, start.delayMs);
                }
            } else {
                if (!device->IsCommandOpen() && !device->OpenCommandInterface(row))
                    Trace("main window: interface %zu cannot be opened", entryIndex);
                const int index = EntryIndexOf(device);
                // Through the receiver the entry waits until the device answers.
                if (row.kind != kKindMouseReceiver && index >= 0)
                    ShowEntry(index, true, CountPresent().second == 0);
                if (entry)
                    manager_.SetTimer(entry, EntryTimer::kConnect, kConnectDelayMs);
            }
        }
    }
    ShowAndRaise();
}

void CMainWnd::OnDeviceRemoved(size_t entryIndex)
{
    if (!entries_ || entryIndex >= entries_->size())
        return;
    const DeviceIdentity& row = (*entries_)[entryIndex];
    Trace("main window: interface %zu removed", entryIndex);
    CKestrelUSBDevice* device = VectorOfKind(row.kind) ? DeviceForEntry(row) : nullptr;
    if (!device)
        return;
    if (row.role == kRoleNotification) {
        device->CloseNotificationInterface(row.kind);
        return;
    }
    const DeviceIdentity* partner =
        row.hasPartner && row.partner < entries_->size() ? &(*entries_)[row.partner] : nullptr;
    if (partner && partner->connected && !partner->devicePath.empty()) {
        // Unplugging the cable leaves the product on its receiver.
        if (IsCableKind(row.kind))
            if (auto* entry = static_cast<CDeviceOptionUI*>(device->SelectorEntry())) {
                const EntryTimerPlan plan = device->SwitchRoute(*partner);
                for (const EntryTimerPlan::Start& start : plan.timers)
                    manager_.SetTimer(entry, start.id, start.delayMs);
            }
        return;
    }
    device->CloseCommandInterface();
    EntryOffline(EntryIndexOf(device));
}

void CMainWnd::OnWirelessOnline(ui::WParam kindRow, ui::LParam online)
{
    int index = -1;
    for (size_t i = 0; i < selectorEntries_.size(); ++i)
        if (selectorEntries_[i]->Device() && selectorEntries_[i]->Device()->KindRow() == static_cast<int>(kindRow))
            index = static_cast<int>(i);
    if (index < 0)
        return;
    if (online == 0)
        EntryOffline(index);
    else if (!selectorEntries_[static_cast<size_t>(index)]->IsOwnVisible())
        ShowEntry(index, true, CountPresent().second == 0);
}

void CMainWnd::ShowEntry(int index, bool visible, bool select)
{
    if (index < 0 || static_cast<size_t>(index) >= selectorEntries_.size())
        return;
    CDeviceOptionUI* entry = selectorEntries_[static_cast<size_t>(index)];
    entry->SetVisible(visible);
    auto* pageSwitch = dynamic_cast<ui::TabLayout*>(manager_.FindControl("device_switch"));
    auto* powerSwitch = dynamic_cast<ui::TabLayout*>(manager_.FindControl("device_power_switch"));
    if (select) {
        if (pageSwitch)
            pageSwitch->SelectItem(entry->PageIndex(), false);
        if (powerSwitch) {
            powerSwitch->SetVisible(entry->PowerIndex() >= 0);
            if (entry->PowerIndex() >= 0)
                powerSwitch->SelectItem(entry->PowerIndex(), false);
        }
        entry->Select();
        selectedEntry_ = index;
    }
    int synchronised = 0;
    for (CDeviceOptionUI* each : selectorEntries_)
        if (each->IsOwnVisible() && each->IsSynchronised())
            ++synchronised;
    const bool none = CountPresent().second == 0;
    if (ui::Control* link = manager_.FindControl("No_device_Link"))
        link->SetVisible(none);
    if (none) {
        if (pageSwitch)
            pageSwitch->SelectItem(0, false);
        if (powerSwitch)
            powerSwitch->SelectItem(0, false);
    }
    if (synchronised < 2)
        for (CDeviceOptionUI* each : selectorEntries_)
            each->SetSynchronised(false);
}

void CMainWnd::EntryOffline(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= selectorEntries_.size())
        return;
    CDeviceOptionUI* entry = selectorEntries_[static_cast<size_t>(index)];
    int other = -1;
    if (entry->IsOwnVisible() && entry->IsSelected()) {
        CloseChildWindows();
        for (size_t i = 0; i < selectorEntries_.size() && other < 0; ++i)
            if (static_cast<int>(i) != index && selectorEntries_[i]->IsOwnVisible())
                other = static_cast<int>(i);
    }
    ShowEntry(index, false, false);
    if (other >= 0)
        ShowEntry(other, true, true);
}

void CMainWnd::OnEntrySelected(CDeviceOptionUI* entry)
{
    if (!entry->IsSelected())
        return;
    for (size_t i = 0; i < selectorEntries_.size(); ++i)
        if (selectorEntries_[i] == entry)
            selectedEntry_ = static_cast<int>(i);
    if (auto* powerSwitch = dynamic_cast<ui::TabLayout*>(manager_.FindControl("device_power_switch"))) {
        powerSwitch->SetVisible(entry->PowerIndex() >= 0);
        if (entry->PowerIndex() >= 0)
            powerSwitch->SelectItem(entry->PowerIndex(), false);
    }
}

void CMainWnd::SelectNeighbour(int direction)
{
    const int count = static_cast<int>(selectorEntries_.size());
    for (int i = selectedEntry_ + direction; i >= 0 && i < count; i += direction)
        if (selectorEntries_[static_cast<size_t>(i)]->IsOwnVisible()) {
            ShowEntry(i, true, true);
            return;
        }
}

void CMainWnd::SwitchProfile()
{
    CKestrelUSBDevice* device = CurrentDevice();
    if (!device)
        return;
    device->LoadProfile();
    device->ValidateMacroKeys();
    device->ShowSettings();
    device->WriteProfileRecord(0, 0, 1, screenWidth_, screenHeight_);
    const int result = device->WriteMacros(device->GetMacroRecords());
    Trace("main window: profile switched, macros written with result %d", result);
    device->WriteKeyLights(0);
}
