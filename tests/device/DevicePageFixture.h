#pragma once

#include "device/CKestrelUSBDevice.h"
#include "device/HidBackendRegistry.h"
#include "device/HidPlatform.h"
#include "device/LedPreviewControl.h"
#include "device/SupportedDevices.h"
#include "sim/SimDevices.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Button.h"
#include "ui/HorizontalLayout.h"

#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// An LED of a device picture: keeps what it was told to show.
class TestLedButton : public ui::Button, public LedPreviewControl {
public:
    std::string_view GetClass() const override { return "DeviceKeyButton"; }
    bool IsClass(std::string_view name) const override
    {
        return ui::MatchesClass(name, "DeviceKeyButton") || ui::Button::IsClass(name);
    }
    void ShowLight(uint32_t colour, uint8_t intensity, bool show) override
    {
        lastColour = colour;
        lastIntensity = intensity;
        shown = show;
        ++updates;
    }

    uint32_t lastColour = 0;
    uint8_t lastIntensity = 0;
    bool shown = false;
    int updates = 0;
};

// Plays the device's selector entry: runs each timer's duty through the
// device when it fires (once), then starts the timers the device asks for
// and shows or hides itself, writing down each change.
class TestSelectorEntry : public ui::HorizontalLayout {
public:
    void DoEvent(ui::UiEvent& event) override
    {
        if (event.type != ui::EventType::Timer || !device) {
            ui::HorizontalLayout::DoEvent(event);
            return;
        }
        const auto id = static_cast<uint32_t>(event.wParam);
        GetManager()->KillTimer(this, id);
        fired.push_back(id);
        Apply(device->RunEntryTimer(id, online));
    }
    void Apply(const EntryTimerPlan& plan)
    {
        if (plan.online && *plan.online != online) {
            online = *plan.online;
            onlineChanges.push_back(online);
        }
        for (const auto& start : plan.timers)
            GetManager()->SetTimer(this, start.id, start.delayMs);
    }
    size_t Fired(uint32_t id) const { return static_cast<size_t>(std::count(fired.begin(), fired.end(), id)); }

    CKestrelUSBDevice* device = nullptr;
    bool online = false;
    std::vector<bool> onlineChanges;
    std::vector<uint32_t> fired;
};

// What the mouse and keyboard answer for the link: the command channel's.
// Also counts the static colour's steps.
class ReceiverAwareDevice : public CKestrelUSBDevice {
public:
    ~ReceiverAwareDevice() override { StopThreads(); }
    int IsLinkUp() override { return CommandLinkUp(); }
    void EffectStatic() override
    {
        ++staticSteps;
        CKestrelUSBDevice::EffectStatic();
    }

    std::atomic<int> staticSteps{0};
};

// A main window with one device page (15 LEDs, 11 key buttons, the mouse's
// row of the tables) and its selector entry, on the headless platform with
// the simulated devices and nothing of the machine's own.
class DevicePageFixture : public ::testing::Test {
protected:
    static constexpr int kLeds = 15;
    static constexpr int kKeys = 11;

    DevicePageFixture()
    {
        HidBackendRegistry::SetPlatformBackend(CreatePlatformHidBackend("/nonexistent-sysfs", "/nonexistent-dev"));
        std::string buttons;
        for (int i = 0; i < kKeys; ++i)
            buttons += "<DeviceKeyButton name=\"key_" + std::to_string(i) + "\" width=\"10\"/>";
        for (int i = 0; i <= kLeds; ++i) // light_15 is past the LED count
            buttons += "<DeviceKeyButton name=\"light_" + std::to_string(i) + "\" width=\"10\"/>";
        skin.Add("main.xml", "<Window size=\"800,600\"><VerticalLayout>"
                             "<SelectorEntry name=\"entry\" height=\"20\"/>"
                             "<KestrelUSBDevice name=\"device_page\">"
                             "<HorizontalLayout name=\"SelectPanel\">" +
                                 buttons +
                                 "</HorizontalLayout>"
                                 "<TabLayout name=\"device_function_switch\"><Control/><Control/><Control/><Control/>"
                                 "</TabLayout>"
                                 "<TabLayout name=\"device_key_function_switch\"><Control/><Control/><Control/>"
                                 "</TabLayout>"
                                 "</KestrelUSBDevice></VerticalLayout></Window>");
        window.factory = [](std::string_view tag) -> ui::Control* {
            if (tag == "KestrelUSBDevice")
                return new ReceiverAwareDevice;
            if (tag == "DeviceKeyButton")
                return new TestLedButton;
            if (tag == "SelectorEntry")
                return new TestSelectorEntry;
            return nullptr;
        };
        window.Open(800, 600);
        device = window.FindAs<CKestrelUSBDevice>("device_page");
        entry = window.FindAs<TestSelectorEntry>("entry");
        entry->device = device;
        device->SetClock([this] { return static_cast<uint32_t>(Loop().NowMs()); });
        SetUpLikeMainWindow(0);
    }
    ~DevicePageFixture() override { HidBackendRegistry::SetPlatformBackend(nullptr); }

    // The set-up calls in the main window's order, for a row of the device
    // kind table and the catalogue row of its command interface.
    void SetUpLikeMainWindow(int kindRow)
    {
        device->SetPageLayout("XML\\DeviceXml\\mousedevice.xml");
        device->SetMainWindow(window.GetHandle());
        device->SetKeyButtonCount(kKeys);
        device->SetLedCount(kLeds);
        device->SetKindRow(kindRow);
        device->SetPageFlag(1);
        device->SetProfileName("");
        device->SetFolderName("mouse");
        device->SetIdentity(DeviceIdentity(kSupportedDevices[4]));
        device->SetLightPresetIndex(1);
        device->SetLightConfigName("kovra_light");
        device->BindPageControls();
        device->SetSelectorEntry(entry);
    }

    // The catalogue row `row` as detection hands it over, with the path of
    // the simulated product's collection.
    static DeviceIdentity Entry(size_t row, const std::string& path)
    {
        DeviceIdentity identity(kSupportedDevices[row]);
        identity.connected = 1;
        identity.devicePath = path;
        return identity;
    }

    TestLedButton* Led(int index) { return window.FindAs<TestLedButton>(("light_" + std::to_string(index)).c_str()); }
    ui::HeadlessLoop& Loop() { return skin.platform.Headless(); }

    uitest::Skin skin;
    SimDevices devices;
    uitest::TestWindow window{"main.xml"};
    CKestrelUSBDevice* device = nullptr;
    TestSelectorEntry* entry = nullptr;
};
