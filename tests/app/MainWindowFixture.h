#pragma once

#include "app/CDeviceOptionUI.h"
#include "app/CMainWnd.h"
#include "app/ControlClassTable.h"
#include "app/InstanceLink.h"
#include "app/RegisteredMessages.h"
#include "base/AppFolders.h"
#include "base/Trace.h"
#include "device/CKestrelUSBDevice.h"
#include "device/HidBackendRegistry.h"
#include "device/HidPlatform.h"
#include "sim/SimDevices.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"
#include "ui/ControlFactory.h"
#include "ui/HeadlessPlatform.h"
#include "ui/HeadlessTrayIcon.h"
#include "ui/HeadlessWindowHost.h"
#include "ui/ResourceManager.h"
#include "ui/WindowRegistry.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace apptest {

// What the main window tells the bus, written down.
class RecordingLink : public InstanceLink {
public:
    struct Broadcasted {
        std::string name;
        int64_t wParam;
        int64_t lParam;
        bool operator==(const Broadcasted&) const = default;
    };

    Claim ClaimInstance() override { return Claim::First; }
    void SetReceiver(ui::WindowHandle window) override { receiver = window; }
    void Broadcast(std::string_view name, int64_t wParam, int64_t lParam) override
    {
        broadcasts.push_back({std::string(name), wParam, lParam});
    }
    bool SendToolReport(uint64_t dwData, const std::vector<uint8_t>& block) override
    {
        reports.emplace_back(dwData, block);
        return true;
    }

    ui::WindowHandle receiver;
    std::vector<Broadcasted> broadcasts;
    std::vector<std::pair<uint64_t, std::vector<uint8_t>>> reports;
};

// A device page that counts the operations the main window runs on it and
// offers a list of ten light modes, as a device class read from its preset
// document.
class CountingDevice : public CKestrelUSBDevice {
public:
    static constexpr int kModes = 10;

    CountingDevice() { defaultLightNames_.assign(kModes, "mode"); }
    ~CountingDevice() override { StopThreads(); }

    void SetLightState(const LightInfoRecord& record) override
    {
        ++lightStates;
        CKestrelUSBDevice::SetLightState(record);
    }
    void SaveProfile() override { ++saves; }
    int ApplyLightSettings() override { return ++applies; }
    int WriteProfileRecord(int, int, int, int width, int height) override
    {
        ++profileRecords;
        recordScreen = {width, height};
        return 1;
    }
    int LoadProfile() override { return ++profileLoads; }
    // What the mouse and keyboard answer: the receiver's link.
    int IsLinkUp() override { return CommandLinkUp(); }

    int lightStates = 0;
    int saves = 0;
    int applies = 0;
    int profileRecords = 0;
    int profileLoads = 0;
    std::pair<int, int> recordScreen;
};

class TestMainWnd : public CMainWnd {
public:
    using CMainWnd::CMainWnd;

protected:
    CKestrelUSBDevice* CreateDevicePage(std::string_view) override { return new CountingDevice; }
};

// The main window over the shipped skin on the headless platform, with the
// simulated devices and none of the machine's own, the user's folders in a
// temporary folder.
class MainWindowFixture : public ::testing::Test {
protected:
    static constexpr uint32_t kMainStyle = 0x96CA0000u;

    MainWindowFixture()
    {
        ConfigureTrace();
        HidBackendRegistry::SetPlatformBackend(CreatePlatformHidBackend("/nonexistent-sysfs", "/nonexistent-dev"));
        ui::ResourceManager::Instance().Reset();
        ui::ResourceManager::Instance().SetSkinFolder(SkinFolder());
        ui::ResourceManager::Instance().LoadResourceIndex("res.xml");
        RegisterControlClasses();
        ids = RegisteredMessages::Register();
        Loop().SetLimits(5000, 60 * 60 * 1000);
    }
    ~MainWindowFixture() override
    {
        window.reset();
        ui::ResourceManager::Instance().Reset();
        ui::ControlFactory::Instance().Clear();
        HidBackendRegistry::SetPlatformBackend(nullptr);
    }

    // Makes the main window as start-up does and runs until it has been
    // painted once.
    void Open(bool detection = true)
    {
        window = std::make_unique<TestMainWnd>(CMainWnd::Services{&link, detection, {}});
        ASSERT_TRUE(window->Create({}, CMainWnd::kTitle, kMainStyle, 0, 0, 0, 800, 572));
        window->CenterWindow();
        ASSERT_TRUE(Loop().WaitUntil([&] { return window->GetPaintManager().HasPainted(); }));
    }
    // Runs until the detection thread's first scan has shown the window.
    void OpenAndWaitForScan()
    {
        Open();
        ASSERT_TRUE(Loop().WaitUntil([&] { return window->IsVisible(); }));
    }
    // With the mouse plugged: runs until the mouse is the current device.
    void OpenWithMouse()
    {
        devices.Plug("mouse");
        Open();
        ASSERT_TRUE(WaitForEntry(0));
        ASSERT_EQ(window->CurrentDevice(), Mouse());
    }

    ui::HeadlessLoop& Loop() { return platform.Headless(); }
    ui::HeadlessWindowHost& Host() { return *platform.HostOf(window->GetHandle()); }
    ui::Control* Find(const char* name) { return window->GetPaintManager().FindControl(name); }
    CountingDevice* Mouse() { return static_cast<CountingDevice*>(window->Mice().at(0)); }
    CountingDevice* Current() { return static_cast<CountingDevice*>(window->CurrentDevice()); }
    void Post(ui::MessageId message, ui::WParam wParam, ui::LParam lParam)
    {
        ui::PostMessage(window->GetHandle(), message, wParam, lParam);
        Loop().RunPending();
    }
    // Waits (real time) until the selector entry of the device kind row is
    // visible: the detection thread has reported the device.
    bool WaitForEntry(int kindRow)
    {
        return Loop().WaitUntil([&] {
            for (auto* entry : window->SelectorEntries())
                if (entry->IsOwnVisible() && entry->Device()->KindRow() == kindRow)
                    return true;
            return false;
        });
    }

    TempFolder home;
    ScopedEnv dataHome{"XDG_DATA_HOME", home / "data"};
    ScopedEnv configHome{"XDG_CONFIG_HOME", home / "config"};
    ui::HeadlessPlatform platform;
    SimDevices devices;
    RecordingLink link;
    RegisteredMessages ids;
    std::unique_ptr<TestMainWnd> window;
};

} // namespace apptest
