#pragma once

#include "app/RegisteredMessages.h"
#include "app/WorkerSlots.h"
#include "device/DetectionThread.h"
#include "device/DeviceEntryTable.h"
#include "ui/WindowImplBase.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CDeviceOptionUI;
class CKestrelUSBDevice;
class CMpDevicePowerUI;
class InstanceLink;

namespace ui {
class TrayIcon;
} // namespace ui

// The program's one top-level window and its hub: builds the interface from
// "XML_MAIN", owns the page sets of the devices and the table of supported
// interfaces, runs the worker slots, the tray icon and the window-level
// controls, and turns every message from the detection thread, companion
// programs, games and the system into work for the devices.
//
// Sources: CMainWnd.cpp (life cycle, message and notification dispatch),
// CMainWndFrame.cpp (size, showing, window buttons, tray, menus),
// CMainWndDevices.cpp (page sets, arrivals, removals, selector entries),
// CMainWndLighting.cpp (lighting control, game events, power, tool report,
// language).
class CMainWnd : public ui::WindowImplBase {
public:
    static constexpr uint32_t kTimerFitToMonitor = 1011;
    static constexpr uint32_t kTimerProfileSwitch = 1055;
    static constexpr uint32_t kTimerTrayMenu = 1032;
    static constexpr uint32_t kTimerGameLighting = 1066;
    static constexpr uint32_t kFitToMonitorMs = 100;
    static constexpr uint32_t kProfileSwitchMs = 400;
    static constexpr uint32_t kTrayMenuMs = 10;
    static constexpr uint32_t kGameLightingMs = 5000;
    // The working size at DPI 96; FitToMonitor scales it.
    static constexpr int kWorkingWidth = 1000;
    static constexpr int kWorkingHeight = 640;
    static constexpr uint32_t kTrayIconId = 107;
    static constexpr const char* kTitle = "Veltrane Software";

    struct Services {
        // Broadcasts and the service tool's report; null: there is no bus.
        InstanceLink* link = nullptr;
        // Start the detection thread in slot 0 at first paint.
        bool startDetection = true;
        DetectionOptions detection;
    };

    explicit CMainWnd(Services services);
    ~CMainWnd() override;

    // The main window's handle, published while the window exists, for
    // threads that post to it.
    static ui::WindowHandle Published();

    std::string GetSkinFile() override { return "XML_MAIN"; }
    std::string GetWindowClassName() const override { return "MainWnd"; }
    ui::Control* CreateControl(std::string_view tag) override;
    void InitWindow() override;
    void Notify(ui::Notification& notification) override;
    ui::LResult HandleMessage(ui::MessageId message, ui::WParam wParam, ui::LParam lParam) override;

    // What the other parts of the program call.
    CKestrelUSBDevice* CurrentDevice() const;
    void ShowAndRaise();
    void FitToMonitor();
    void CloseChildWindows();
    void SetDevicesHidden(int flag);
    void SetLightControl(int state);
    void SetDevicesActive(int flag);
    void ApplyLanguage(int index);

    int LightControl() const { return lightControl_; }
    int CurrentDpi() const { return currentDpi_; }
    int LanguageIndex() const { return languageIndex_; }
    bool IsAwake() const { return awake_; }
    WorkerSlots& Workers() { return workers_; }
    const std::shared_ptr<DeviceEntryTable>& Entries() const { return entries_; }
    const std::vector<CKestrelUSBDevice*>& Mice() const { return mice_; }
    const std::vector<CKestrelUSBDevice*>& Keyboards() const { return keyboards_; }
    const std::vector<CDeviceOptionUI*>& SelectorEntries() const { return selectorEntries_; }
    ui::TrayIcon* Tray() const { return tray_.get(); }
    // The index of the first visible selector entry (-1 when none) and how
    // many are visible.
    std::pair<int, int> CountPresent() const;

protected:
    // The page object of a mouse or keyboard page layout's root tag.
    virtual CKestrelUSBDevice* CreateDevicePage(std::string_view tag);

private:
    // CMainWnd.cpp
    void OnFirstPaint();
    void OnTimer(uint32_t id);
    void OnDestroy();
    bool HandleAlways(ui::MessageId message, ui::WParam wParam, ui::LParam lParam, ui::LResult& result);
    bool HandleAwake(ui::MessageId message, ui::WParam wParam, ui::LParam lParam, ui::LResult& result);

    // CMainWndFrame.cpp
    void FindWindowButtons();
    void CreateTray();
    void OnClick(ui::Control* sender);
    void OnTrayCallback(ui::LParam mouseMessage);
    void OpenTrayMenu();
    void OnMenuCommand(const std::string& name);
    void UpdateNoDeviceLink();
    void Raise();
    void HideToTray();

    // CMainWndDevices.cpp
    void CreateFirstPageSets();
    bool CreatePageSet(size_t entryIndex, int variant);
    void OnDeviceArrived(size_t entryIndex);
    void OnDeviceRemoved(size_t entryIndex);
    void OnWirelessOnline(ui::WParam kindRow, ui::LParam online);
    void ShowEntry(int index, bool visible, bool select);
    void EntryOffline(int index);
    void OnEntrySelected(CDeviceOptionUI* entry);
    void SelectNeighbour(int direction);
    void SwitchProfile();
    CKestrelUSBDevice* DeviceForEntry(const DeviceIdentity& entry) const;
    int EntryIndexOf(const CKestrelUSBDevice* device) const;
    std::vector<CKestrelUSBDevice*>* VectorOfKind(int kind);
    std::vector<CKestrelUSBDevice*> AllLitDevices() const;

    // CMainWndLighting.cpp
    void OnLightControlMessage(ui::WParam wParam, ui::LParam lParam);
    void ToggleLightControl();
    void ShowLightControlState();
    void OnGameEvent(ui::MessageId message, ui::WParam wParam, ui::LParam lParam);
    void RestoreGameLighting();
    void ApplyLightRecord(CKestrelUSBDevice& device);
    void OnPowerBroadcast(ui::WParam event);
    void SendToolReport();

    Services services_;
    RegisteredMessages ids_;

    // The window buttons, found at initialisation.
    std::array<ui::Control*, 9> windowButtons_{};
    std::unique_ptr<ui::TrayIcon> tray_;
    ui::WindowHandle trayMenu_;

    int lightControl_ = 1;
    int currentDpi_ = 96;
    int languageIndex_ = -1;
    bool awake_ = true;
    int windowActive_ = 0;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    // A game message with wParam 0 kept the mode to return to since the
    // last restore.
    bool gameModeSaved_ = false;

    WorkerSlots workers_;
    std::shared_ptr<DeviceEntryTable> entries_;
    std::vector<CKestrelUSBDevice*> mice_;
    std::vector<CKestrelUSBDevice*> keyboards_;
    std::vector<CKestrelUSBDevice*> mousePads_;
    std::vector<CKestrelUSBDevice*> headsets_;
    std::vector<CMpDevicePowerUI*> powerWidgets_;
    std::vector<CDeviceOptionUI*> selectorEntries_;
    int selectedEntry_ = -1;

    // The settings, about, colour palette and music lighting windows while
    // they are open.
    std::array<ui::WindowHandle, 4> childWindows_{};
};
