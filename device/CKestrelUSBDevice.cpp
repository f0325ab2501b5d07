#include "device/CKestrelUSBDevice.h"

#include "base/AppFolders.h"
#include "base/Trace.h"
#include "ui/PaintManager.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

constexpr uint16_t kSettingsChangedOnDevice = 0x401;
constexpr int kReceiverLinkTries = 25;
constexpr auto kReceiverLinkPause = std::chrono::milliseconds(50);

uint32_t SteadyMs()
{
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
}

} // namespace

CKestrelUSBDevice::CKestrelUSBDevice()
    : clock_(SteadyMs)
{
}

CKestrelUSBDevice::~CKestrelUSBDevice()
{
    StopThreads();
}

std::string_view CKestrelUSBDevice::GetClass() const
{
    return "KestrelUSBDevice";
}

bool CKestrelUSBDevice::IsClass(std::string_view name) const
{
    return ui::MatchesClass(name, "KestrelUSBDevice") || ui::HorizontalLayout::IsClass(name);
}

void CKestrelUSBDevice::Notify(ui::Notification& notification)
{
    LoopDispatch(notification);
}

void CKestrelUSBDevice::SetKeyButtonCount(int count)
{
    page_.SetKeyButtonCount(static_cast<size_t>(std::max(count, 0)));
}

void CKestrelUSBDevice::SetHostLighting(int state)
{
    if (state != hostLighting_)
        frameSender_.Forget();
    hostLighting_ = state;
    if (state != 0 && identity_.kind == kKindKeyboard)
        channels_.Command().EnableHostLighting();
}

void CKestrelUSBDevice::SetStatusPollingSuspended(int flag)
{
    if (powerWidget_)
        statusPollingSuspended_ = flag;
}

// Channels.

bool CKestrelUSBDevice::OpenCommandInterface(const DeviceIdentity& entry)
{
    if (!channels_.OpenCommand(entry))
        return false;
    commandInterface_ = entry;
    frameSender_.Forget();
    return true;
}

void CKestrelUSBDevice::CloseCommandInterface()
{
    channels_.CloseCommand();
}

EntryTimerPlan CKestrelUSBDevice::SwitchRoute(const DeviceIdentity& entry)
{
    if (channels_.SwitchCommand(entry))
        commandInterface_ = entry;
    frameSender_.Forget();
    EntryTimerPlan plan;
    if (DeviceChannels::IsReceiverKind(entry.kind)) {
        if (pageFlag_) {
            for (int attempt = 0; attempt < kReceiverLinkTries; ++attempt) {
                if (IsLinkUp())
                    break;
                Trace("获取2.4G模式失败");
                std::this_thread::sleep_for(kReceiverLinkPause);
            }
            ReadPowerStatus();
        }
        plan.timers.push_back({EntryTimer::kLinkWatch, 2000});
    } else {
        plan.timers.push_back({EntryTimer::kConnect, 500});
        plan.online = true;
        if (pageFlag_)
            ReadPowerStatus();
    }
    return plan;
}

int CKestrelUSBDevice::CommandLinkUp()
{
    DeviceProtocol& channel = channels_.Command();
    return channel.IsOpened() && channel.ViaReceiver() && channel.IsLinkUp() ? 1 : 0;
}

bool CKestrelUSBDevice::OpenNotificationInterface(const DeviceIdentity& entry)
{
    return channels_.OpenNotification(
        entry, [this](uint16_t code) { OnDeviceNotification(code); }, NotificationExitLine());
}

bool CKestrelUSBDevice::ReopenNotificationInterface(const DeviceIdentity& entry)
{
    CloseNotificationInterface(entry.kind);
    return OpenNotificationInterface(entry);
}

void CKestrelUSBDevice::CloseNotificationInterface(int kind)
{
    channels_.CloseNotification(kind);
}

void CKestrelUSBDevice::OnDeviceNotification(uint16_t code)
{
    if (code == kSettingsChangedOnDevice) {
        Trace("接收到自动添加设备的同步信息要求");
        StartEntryTimer(EntryTimer::kReadSettings, ReadSettingsDelayMs());
    }
}

void CKestrelUSBDevice::StartEntryTimer(uint32_t id, uint32_t delayMs)
{
    if (selectorEntry_ && selectorEntry_->GetManager())
        selectorEntry_->GetManager()->SetTimer(selectorEntry_, id, delayMs);
}

void CKestrelUSBDevice::StopThreads()
{
    StopLightThread();
    // One kind of each route: the direct and the receiver interface.
    CloseNotificationInterface(kKindMouse);
    CloseNotificationInterface(kKindMouseReceiver);
}

// The selector entry's timers.

EntryTimerPlan CKestrelUSBDevice::RunEntryTimer(uint32_t id, bool entryVisible)
{
    switch (id) {
    case EntryTimer::kConnect:
        return OnConnectTimer();
    case EntryTimer::kLightTick:
        return OnLightTimer();
    case EntryTimer::kReadSettings:
        ReadDeviceSettings();
        return {};
    case EntryTimer::kDevice1003:
        OnTimer1003();
        return {};
    case EntryTimer::kDevice1004:
        OnTimer1004();
        return {};
    case EntryTimer::kPowerStatus:
        return OnPowerTimer();
    case EntryTimer::kLinkWatch:
        return OnLinkWatchTimer(entryVisible);
    default:
        return {};
    }
}

EntryTimerPlan CKestrelUSBDevice::OnConnectTimer()
{
    EntryTimerPlan plan;
    const bool viaReceiver = IsCommandOpen() && ViaReceiver();
    if (viaReceiver) {
        if (!IsLinkUp()) {
            plan.online = false;
            plan.timers.push_back({EntryTimer::kConnect, 3000});
            return plan;
        }
        plan.online = true;
    }
    ConnectDevice();
    plan.timers.push_back({EntryTimer::kLightTick, 5});
    if (pageFlag_ && IsCommandOpen())
        plan.timers.push_back({EntryTimer::kPowerStatus, 50});
    if (viaReceiver)
        plan.timers.push_back({EntryTimer::kLinkWatch, 2000});
    return plan;
}

EntryTimerPlan CKestrelUSBDevice::OnLightTimer()
{
    SendLightFrame();
    EntryTimerPlan plan;
    if (IsCommandOpen())
        plan.timers.push_back({EntryTimer::kLightTick, ViaReceiver() ? 500u : 5u});
    return plan;
}

EntryTimerPlan CKestrelUSBDevice::OnPowerTimer()
{
    ReadPowerStatus();
    EntryTimerPlan plan;
    if (pageFlag_)
        plan.timers.push_back({EntryTimer::kPowerStatus, 5000});
    return plan;
}

EntryTimerPlan CKestrelUSBDevice::OnLinkWatchTimer(bool entryVisible)
{
    EntryTimerPlan plan;
    if (!IsCommandOpen() || !ViaReceiver())
        return plan;
    const bool up = IsLinkUp() != 0;
    if (up && !entryVisible) {
        plan.online = true;
        if (pageFlag_)
            ReadPowerStatus();
    } else if (!up && entryVisible) {
        plan.online = false;
    }
    plan.timers.push_back({EntryTimer::kLinkWatch, 3000});
    return plan;
}

// Page.

void CKestrelUSBDevice::BindPageControls()
{
    page_.Bind(this);
}

void CKestrelUSBDevice::ShowPage(int page)
{
    pageIndex_ = page;
    page_.ShowPage(this, page, identity_.kind);
}

int CKestrelUSBDevice::GetPage() const
{
    return pageIndex_;
}

// Files.

std::string CKestrelUSBDevice::DefaultProfilePath() const
{
    return DefaultDataFolder() + folderName_ + ".Json";
}

std::string CKestrelUSBDevice::UserFolder() const
{
    return DeviceDataFolder(folderName_);
}

std::string CKestrelUSBDevice::ProfilePath() const
{
    return UserFolder() + profileName_ + ".Json";
}

std::string CKestrelUSBDevice::LightConfigPath() const
{
    return UserFolder() + lightConfigName_ + ".config";
}

// The rest of the base behaviour: the device classes give their own.

int CKestrelUSBDevice::ApplyLightSettings()
{
    return 0;
}

void CKestrelUSBDevice::ConnectDevice()
{
    StartLightThread();
}

void CKestrelUSBDevice::ReadDeviceSettings() {}
void CKestrelUSBDevice::OnTimer1003() {}
void CKestrelUSBDevice::OnTimer1004() {}
void CKestrelUSBDevice::ReadPowerStatus() {}

int CKestrelUSBDevice::IsLinkUp()
{
    return 1;
}

int CKestrelUSBDevice::LoadProfile()
{
    return 0;
}

void CKestrelUSBDevice::ShowSettings() {}
void CKestrelUSBDevice::ValidateMacroKeys() {}
void CKestrelUSBDevice::ReloadProfile() {}

std::vector<int> CKestrelUSBDevice::GetMacroRecords()
{
    return {};
}

int CKestrelUSBDevice::WriteKeyAssignments(int, const std::vector<KeyAssignmentEntry>&)
{
    return 0;
}

int CKestrelUSBDevice::WriteKeyLights(int)
{
    return 0;
}

int CKestrelUSBDevice::WriteMacros(const std::vector<int>&)
{
    return 0;
}

int CKestrelUSBDevice::WriteProfileRecord(int, int, int, int, int)
{
    return 0;
}

void CKestrelUSBDevice::LoadPresetDocuments() {}

void CKestrelUSBDevice::SetKeyNameMap(std::map<int, std::string> names)
{
    keyNameMap_ = std::move(names);
}

int CKestrelUSBDevice::OpenProfileFiles()
{
    return 0;
}

std::string CKestrelUSBDevice::GetProfileName() const
{
    return {};
}

void CKestrelUSBDevice::SaveProfile() {}

void CKestrelUSBDevice::SetLightPresetIndex(int index)
{
    lightPresetIndex_ = index;
}

int CKestrelUSBDevice::GetLightPresetIndex() const
{
    return lightPresetIndex_;
}

void CKestrelUSBDevice::SetAudioLightRecord(uint32_t first, uint32_t second, uint32_t third)
{
    const uint8_t bytes[9] = {static_cast<uint8_t>(first),       static_cast<uint8_t>(first >> 8),
                              static_cast<uint8_t>(first >> 16), static_cast<uint8_t>(first >> 24),
                              static_cast<uint8_t>(second),      static_cast<uint8_t>(second >> 8),
                              static_cast<uint8_t>(second >> 16), static_cast<uint8_t>(second >> 24),
                              static_cast<uint8_t>(third)};
    audioLightRecord_ = {bytes[0], bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7], bytes[8]};
}

AudioLightInfoRecord CKestrelUSBDevice::GetAudioLightRecord()
{
    return audioLightRecord_;
}

void CKestrelUSBDevice::SelectKey(int index)
{
    selectedKey_ = index;
}

void CKestrelUSBDevice::SetMusicLevels(const int*, int) {}
void CKestrelUSBDevice::SetExternalValues(const int*, int) {}
