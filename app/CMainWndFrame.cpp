#include "app/CMainWnd.h"

#include "app/TrayMenuPlacement.h"
#include "base/Trace.h"
#include "device/CKestrelUSBDevice.h"
#include "ui/Control.h"
#include "ui/MenuWindow.h"
#include "ui/Platform.h"
#include "ui/ResourceManager.h"
#include "ui/TrayIcon.h"
#include "ui/WindowRegistry.h"

namespace {

constexpr std::array<const char*, 9> kWindowButtons = {"closebtn",  "maxbtn",  "restorebtn",
                                                       "minbtn",    "skinbtn", "gamemodebtn",
                                                       "cloudbtn", "smarteyesbtn", "setbtn"};

// Top-most for this long brings the window in front of the others without
// keeping it there.
constexpr uint32_t kTimerUnpin = 4001;
constexpr uint32_t kUnpinMs = 10;

constexpr int kDpiLargeScreen = 144;
constexpr int kDpiNormal = 96;

} // namespace

void CMainWnd::FindWindowButtons()
{
    for (size_t i = 0; i < kWindowButtons.size(); ++i)
        windowButtons_[i] = manager_.FindControl(kWindowButtons[i]);
}

void CMainWnd::CreateTray()
{
    ui::Platform* platform = ui::Platform::Current();
    if (!platform)
        return;
    tray_ = platform->CreateTrayIcon();
    if (!tray_->Show(GetHandle(), kTrayIconId, ui::Msg::TrayCallback,
                     ui::ResourceManager::Instance().ResolvePath("icon/veltrane_tray.png"), kTitle))
        Trace("main window: the desktop shows no tray icon");
}

void CMainWnd::FitToMonitor()
{
    ui::Platform* platform = ui::Platform::Current();
    if (!platform || !GetHost())
        return;
    const bool shown = IsVisible() && !IsMinimized();
    if (IsMinimized())
        GetHost()->Restore();
    const ui::Rect screen = platform->ScreenNearest(GetWindowRect()).rect;
    currentDpi_ = screen.Width() > 1500 && screen.Height() > 960 ? kDpiLargeScreen : kDpiNormal;
    // The working size is set at DPI 96 and scaled from there, so the window
    // ends at the same size however often this runs.
    ui::PaintManager::SetAllDpi(kDpiNormal);
    const ui::Rect rect = GetWindowRect();
    MoveWindow({rect.left, rect.top, rect.left + kWorkingWidth, rect.top + kWorkingHeight});
    ui::PaintManager::SetAllDpi(currentDpi_);
    CenterWindow();
    ShowWindow(shown, false);
}

void CMainWnd::ShowAndRaise()
{
    UpdateNoDeviceLink();
    SetDevicesHidden(0);
    DispatchMessage(ui::Msg::SysCommand, ui::SysCommand::Restore, 0);
    Raise();
    Trace("main window: shown and raised");
}

void CMainWnd::Raise()
{
    SetTopMost(true);
    ui::Platform* platform = ui::Platform::Current();
    if (!platform)
        return;
    const ui::WindowHandle handle = GetHandle();
    // A loop timer of its own: the window's timers pass through the power
    // check, and the window must not stay on top while the system sleeps.
    auto timer = std::make_shared<ui::EventLoop::TimerId>(0);
    *timer = platform->Loop().StartTimer(kUnpinMs, [handle, timer] {
        ui::Platform::Current()->Loop().StopTimer(*timer);
        if (auto* window = ui::WindowRegistry::Instance().Find(handle))
            window->SetTopMost(false);
    });
}

void CMainWnd::UpdateNoDeviceLink()
{
    if (ui::Control* link = manager_.FindControl("No_device_Link"))
        link->SetVisible(CountPresent().second == 0);
}

void CMainWnd::CloseChildWindows()
{
    for (ui::WindowHandle child : childWindows_)
        if (child)
            ui::SendMessage(child, ui::Msg::Close, 0, 0);
}

void CMainWnd::HideToTray()
{
    CloseChildWindows();
    ShowWindow(false);
    SetDevicesHidden(1);
}

void CMainWnd::SetDevicesHidden(int flag)
{
    for (auto* list : {&mice_, &keyboards_})
        for (CKestrelUSBDevice* device : *list)
            device->SetStatusPollingSuspended(flag);
}

void CMainWnd::SetDevicesActive(int flag)
{
    windowActive_ = flag;
    for (CKestrelUSBDevice* device : AllLitDevices())
        device->SetWindowActive(flag);
}

void CMainWnd::OnClick(ui::Control* sender)
{
    if (!sender)
        return;
    const std::string& name = sender->GetName();
    if (name == "closebtn")
        HideToTray();
    else if (name == "minbtn")
        DispatchMessage(ui::Msg::SysCommand, ui::SysCommand::Minimize, 0);
    else if (name == "maxbtn")
        DispatchMessage(ui::Msg::SysCommand, ui::SysCommand::Maximize, 0);
    else if (name == "restorebtn")
        DispatchMessage(ui::Msg::SysCommand, ui::SysCommand::Restore, 0);
    else if (name == "nodevice_ok_btn")
        ShowWindow(false);
    else if (name == "control_light_status")
        ToggleLightControl();
    else if (name == "device_select_prev")
        SelectNeighbour(-1);
    else if (name == "device_select_next")
        SelectNeighbour(1);
}

void CMainWnd::OnTrayCallback(ui::LParam mouseMessage)
{
    if (mouseMessage == ui::Msg::LeftButtonUp) {
        UpdateNoDeviceLink();
        const bool shown = IsVisible() && !IsMinimized();
        CloseChildWindows();
        if (shown) {
            ShowWindow(false);
            SetDevicesHidden(1);
            return;
        }
        ShowWindow(true);
        FitToMonitor();
        DispatchMessage(ui::Msg::SysCommand, ui::SysCommand::Restore, 0);
        Raise();
        manager_.Invalidate();
        SetDevicesHidden(0);
        manager_.NeedUpdate();
    } else if (mouseMessage == ui::Msg::RightButtonUp) {
        SetTimer(kTimerTrayMenu, kTrayMenuMs);
    }
}

void CMainWnd::OpenTrayMenu()
{
    ui::Platform* platform = ui::Platform::Current();
    if (!platform)
        return;
    if (WindowImplBase* old = ui::WindowRegistry::Instance().Find(trayMenu_))
        old->DestroyWindow();
    const ui::Point cursor = platform->CursorPos();
    const ui::ScreenInfo screen = platform->ScreenNearest({cursor.x, cursor.y, cursor.x + 1, cursor.y + 1});
    const TrayMenuPlacement placement = TrayMenuPlacement::For(cursor, screen.rect, screen.workArea);
    ui::MenuWindow* menu = ui::MenuWindow::Open(GetHandle(), "menu.xml", placement.anchor, placement.align);
    trayMenu_ = menu ? menu->GetHandle() : ui::WindowHandle{};
}

void CMainWnd::OnMenuCommand(const std::string& name)
{
    if (name == "exit") {
        CloseChildWindows();
        Close(0);
    }
}
