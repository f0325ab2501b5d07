#include "app/CMainWnd.h"

#include "app/InstanceLink.h"
#include "app/InterfaceFonts.h"
#include "app/LanguageConfig.h"
#include "app/MessageNames.h"
#include "app/SettingsStore.h"
#include "app/ToolReport.h"
#include "base/Trace.h"
#include "device/CKestrelUSBDevice.h"
#include "ui/Control.h"
#include "ui/ResourceManager.h"
#include "ui/WindowRegistry.h"

namespace {

// Texts of "control_light_status" (language text ids).
constexpr const char* kLightingOnText = "控制灯光";
constexpr const char* kLightingOffText = "不控制灯光";

// A saved mode of 0, or one past the effects a game may ask for, comes back
// as the first effect.
constexpr uint8_t kHighestSavedMode = 20;

} // namespace

void CMainWnd::SetLightControl(int state)
{
    for (CKestrelUSBDevice* device : AllLitDevices())
        device->SetHostLighting(state);
}

void CMainWnd::ShowLightControlState()
{
    if (ui::Control* status = manager_.FindControl("control_light_status"))
        status->SetText(lightControl_ ? kLightingOnText : kLightingOffText);
}

void CMainWnd::OnLightControlMessage(ui::WParam wParam, ui::LParam lParam)
{
    // Any program on the bus may send this; only the two documented states
    // are taken.
    if (wParam != 1 || (lParam != 0 && lParam != 1))
        return;
    lightControl_ = static_cast<int>(lParam);
    ShowLightControlState();
    SetLightControl(lightControl_);
}

void CMainWnd::ToggleLightControl()
{
    lightControl_ = lightControl_ ? 0 : 1;
    if (services_.link)
        services_.link->Broadcast(MessageNames::kLightOwner, 1, lightControl_);
    ShowLightControlState();
    SetLightControl(lightControl_);
}

void CMainWnd::ApplyLightRecord(CKestrelUSBDevice& device)
{
    device.SaveProfile();
    device.ApplyLightSettings();
    device.WriteProfileRecord(0, 0, 1, screenWidth_, screenHeight_);
}

void CMainWnd::OnGameEvent(ui::MessageId message, ui::WParam wParam, ui::LParam lParam)
{
    Trace("main window: game event %u (%lu, %ld)", message, static_cast<unsigned long>(wParam),
          static_cast<long>(lParam));
    CKestrelUSBDevice* device = CurrentDevice();
    // A mode the device does not have would light it with nothing.
    if (device && wParam <= 2 && device->HasLightMode(static_cast<int>(lParam))) {
        device->SetSyncLighting(0);
        LightInfoRecord state = device->LightState();
        if (wParam == 0) {
            state.savedMode = state.mode == 0 || state.mode > kHighestSavedMode ? 1 : state.mode;
            gameModeSaved_ = true;
        }
        state.mode = static_cast<uint8_t>(lParam & 0xFF);
        device->SetLightState(state);
        ApplyLightRecord(*device);
    }
    SetTimer(kTimerGameLighting, kGameLightingMs);
}

void CMainWnd::RestoreGameLighting()
{
    CKestrelUSBDevice* device = CurrentDevice();
    if (!device)
        return;
    device->SetSyncLighting(0);
    LightInfoRecord state = device->LightState();
    // Without a mode saved since the last restore the saved byte is stale
    // (or was never set): the device keeps the mode it shows.
    if (gameModeSaved_)
        state.mode = state.savedMode;
    gameModeSaved_ = false;
    device->SetLightState(state);
    ApplyLightRecord(*device);
}

void CMainWnd::OnPowerBroadcast(ui::WParam event)
{
    if (event == ui::Power::ResumeAutomatic) {
        awake_ = true;
        SetLightControl(lightControl_);
    } else if (event == ui::Power::Suspend) {
        awake_ = false;
        SetLightControl(0);
    }
}

void CMainWnd::SendToolReport()
{
    if (!services_.link || !services_.link->SendToolReport(kToolReportCopyDataId, BuildToolReport(kToolReportVersion)))
        Trace("main window: no service tool listens for the report");
}

void CMainWnd::ApplyLanguage(int index)
{
    if (index == languageIndex_)
        return;
    if (InterfaceFonts::ChangeOnSwitch(languageIndex_, index))
        InterfaceFonts::Apply(manager_, InterfaceFonts::FaceForLanguage(index));
    languageIndex_ = index;
    // Without its entry the texts stay as they are and the remembered
    // choice is kept.
    if (const auto entry = LanguageConfig::Entry(LanguageConfig::DefaultPath(), index)) {
        ui::ResourceManager& resources = ui::ResourceManager::Instance();
        resources.SetLanguageName(entry->name);
        resources.LoadLanguage(entry->file);
        resources.ReloadTexts();
        if (SettingsStore().WriteInt(LanguageConfig::kSettingName, entry->id))
            Trace("写成功！");
    } else {
        Trace("main window: language %d is not in Language.config", index);
    }
    manager_.Invalidate();
    for (size_t child : {size_t{0}, size_t{1}, size_t{3}})
        if (childWindows_[child])
            ui::SendMessage(childWindows_[child], ui::Msg::LanguageChanged, static_cast<ui::WParam>(index), 0);
    manager_.NeedUpdate();
}
