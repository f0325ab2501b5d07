#include "app/CMainWnd.h"

#include "app/CDeviceOptionUI.h"
#include "app/InstanceLink.h"
#include "app/LanguageConfig.h"
#include "app/MainWndControls.h"
#include "app/MessageNames.h"
#include "app/PlaceholderContainer.h"
#include "app/SettingsStore.h"
#include "base/Trace.h"
#include "device/CKestrelUSBDevice.h"
#include "ui/Control.h"
#include "ui/LayoutBuilder.h"
#include "ui/MenuWindow.h"
#include "ui/Platform.h"
#include "ui/ResourceManager.h"
#include "ui/TrayIcon.h"
#include "ui/WindowRegistry.h"

#include <atomic>

namespace {

std::atomic<uint64_t> g_published{0};

} // namespace

CMainWnd::CMainWnd(Services services) : services_(services), ids_(RegisteredMessages::Register()) {}

CMainWnd::~CMainWnd()
{
    if (WindowImplBase* menu = ui::WindowRegistry::Instance().Find(trayMenu_))
        menu->DestroyWindow();
    // Deleted without being destroyed first: the workers still stop, and
    // the detection thread waiting for this window is let go first.
    if (GetHandle())
        DestroyWindow();
}

ui::WindowHandle CMainWnd::Published()
{
    return ui::WindowHandle{g_published.load()};
}

ui::Control* CMainWnd::CreateControl(std::string_view tag)
{
    const MainWndControlRow* row = FindMainWndControl(tag);
    if (!row)
        return nullptr;
    if (!row->layout.empty()) {
        ui::LayoutBuilder builder;
        return builder.Build(row->layout, &manager_, this);
    }
    if (row->tag == "KestrelMouseDevice" || row->tag == "KestrelKeyboardDevice")
        return CreateDevicePage(row->tag);
    return new PlaceholderContainer(std::string(row->tag));
}

CKestrelUSBDevice* CMainWnd::CreateDevicePage(std::string_view)
{
    return new CKestrelUSBDevice;
}

void CMainWnd::InitWindow()
{
    ui::ResourceManager::Instance().LoadLanguage("lan_cn.xml");
    FindWindowButtons();
    g_published.store(GetHandle().id);
    SetIcon("icon/veltrane.png");
    CreateTray();
    if (services_.link)
        services_.link->SetReceiver(GetHandle());
}

void CMainWnd::OnFirstPaint()
{
    if (services_.link)
        services_.link->Broadcast(MessageNames::kLightOwner, 1, 1);
    ApplyLanguage(LanguageConfig::StoredIndex(SettingsStore(), LanguageConfig::DefaultPath()));
    entries_ = std::make_shared<DeviceEntryTable>();
    CreateFirstPageSets();
    if (ui::Platform* platform = ui::Platform::Current()) {
        const ui::Rect screen = platform->ScreenNearest(GetWindowRect()).rect;
        screenWidth_ = screen.Width();
        screenHeight_ = screen.Height();
    }
    ShowWindow(false);
    workers_.Create(GetHandle());
    if (services_.startDetection) {
        const WorkerSlots::Argument& slot = workers_.ArgumentOf(WorkerSlots::kDetectionSlot);
        if (!workers_.Adopt(WorkerSlots::kDetectionSlot,
                            StartDetection(slot.mainWindow, slot.stop, entries_, services_.detection)))
            Trace("main window: the detection thread did not start");
    }
    SetTimer(kTimerFitToMonitor, kFitToMonitorMs);
}

void CMainWnd::Notify(ui::Notification& notification)
{
    if (notification.type == "timer")
        return;
    ui::Control* sender = notification.sender;
    const std::string name = sender ? sender->GetName() : std::string();
    Trace("main window: %s %s", notification.type.c_str(), name.c_str());
    if (notification.type == "windowinit") {
        OnFirstPaint();
    } else if (notification.type == "click") {
        OnClick(sender);
    } else if (notification.type == "selectchanged") {
        if (name == "device_select")
            for (ui::Control* parent = sender->GetParent(); parent; parent = parent->GetParent())
                if (auto* entry = dynamic_cast<CDeviceOptionUI*>(parent)) {
                    OnEntrySelected(entry);
                    break;
                }
    } else if (notification.type == "itemselect") {
        if (name == "device_profile_combo")
            SetTimer(kTimerProfileSwitch, kProfileSwitchMs);
    }
}

void CMainWnd::OnTimer(uint32_t id)
{
    switch (id) {
    case kTimerFitToMonitor:
        KillTimer(id);
        FitToMonitor();
        manager_.Invalidate();
        break;
    case kTimerProfileSwitch:
        KillTimer(id);
        SwitchProfile();
        break;
    case kTimerTrayMenu:
        KillTimer(id);
        OpenTrayMenu();
        break;
    case kTimerGameLighting:
        KillTimer(id);
        RestoreGameLighting();
        break;
    default:
        break;
    }
}

ui::LResult CMainWnd::HandleMessage(ui::MessageId message, ui::WParam wParam, ui::LParam lParam)
{
    ui::LResult result = 0;
    if (HandleAlways(message, wParam, lParam, result))
        return result;
    // Between suspend and resume the rest waits for the system to wake.
    if (awake_ && HandleAwake(message, wParam, lParam, result))
        return result;
    return WindowImplBase::HandleMessage(message, wParam, lParam);
}

bool CMainWnd::HandleAlways(ui::MessageId message, ui::WParam wParam, ui::LParam lParam, ui::LResult& result)
{
    result = 0;
    if (message == ids_.activateInstance) {
        ShowAndRaise();
        return true;
    }
    if (message == ids_.updateProgress) {
        // The settings window shows the firmware update's progress.
        if (childWindows_[0])
            ui::PostMessage(childWindows_[0], message, wParam, lParam);
        return true;
    }
    if (message == ids_.lightControl) {
        OnLightControlMessage(wParam, lParam);
        return true;
    }
    if (message == ids_.toolQuery) {
        SendToolReport();
        return true;
    }
    switch (message) {
    case ui::Msg::Activate:
        SetDevicesActive(wParam != 0 ? 1 : 0);
        return false;
    case ui::Msg::MouseHover:
        SetDevicesActive(1);
        return false;
    case ui::Msg::MouseLeave:
        SetDevicesActive(0);
        return false;
    case ui::Msg::PowerBroadcast:
        OnPowerBroadcast(wParam);
        return true;
    case ui::Msg::Destroy:
        OnDestroy();
        return true;
    // The detection thread has already marked the interface in the entry
    // table; dropping its message while asleep would leave the device
    // unusable until it is plugged again.
    case ui::Msg::DeviceArrived:
        OnDeviceArrived(wParam);
        return true;
    case ui::Msg::DeviceRemoved:
        OnDeviceRemoved(wParam);
        return true;
    default:
        return false;
    }
}

bool CMainWnd::HandleAwake(ui::MessageId message, ui::WParam wParam, ui::LParam lParam, ui::LResult& result)
{
    result = 0;
    if (ids_.IsGameEvent(message)) {
        OnGameEvent(message, wParam, lParam);
        return true;
    }
    switch (message) {
    case ui::Msg::WirelessOnline:
        OnWirelessOnline(wParam, lParam);
        return true;
    case ui::Msg::LanguageChanged:
        ApplyLanguage(static_cast<int>(wParam));
        return true;
    case ui::Msg::ShowProgress:
        if (ui::Control* progress = manager_.FindControl("setting_progress"))
            progress->SetVisible(true);
        return true;
    case ui::Msg::ClearUpdateBadge:
        if (ui::Control* button = manager_.FindControl("setbtn"))
            button->SetForeImage({});
        return true;
    case ui::Msg::TrayCallback:
        OnTrayCallback(lParam);
        return true;
    case ui::Msg::MenuCommand:
        if (const auto* record = reinterpret_cast<const ui::MenuCommandRecord*>(wParam))
            OnMenuCommand(record->name);
        return true;
    case ui::Msg::Timer:
        OnTimer(static_cast<uint32_t>(wParam));
        return true;
    case ui::Msg::DpiChanged:
        WindowImplBase::HandleMessage(message, wParam, lParam);
        CenterWindow();
        manager_.NeedUpdate();
        return true;
    case ui::Msg::DisplayChange:
        FitToMonitor();
        return true;
    default:
        return false;
    }
}

void CMainWnd::OnDestroy()
{
    if (tray_) {
        tray_->Hide();
        tray_.reset();
    }
    ShowWindow(false);
    workers_.StopAll();
    g_published.store(0);
    ui::PostQuitMessage(0);
}
