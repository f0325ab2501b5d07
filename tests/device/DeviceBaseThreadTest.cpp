#include "tests/device/DevicePageFixture.h"
#include "tests/device/TraceCapture.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

using DeviceThreads = DevicePageFixture;

size_t LinkChecks(const SimFirmware& firmware)
{
    size_t count = 0;
    for (const auto& record : firmware.Commands())
        count += record.command == 0xAA;
    return count;
}

TEST_F(DeviceThreads, ReceiverWithTheMouseOffStaysOfflineAndRetriesEvery3Seconds)
{
    SimFirmware& receiver = *devices.Plug("mouse-receiver");
    receiver.SetWirelessDeviceOn(false);
    ASSERT_TRUE(device->OpenCommandInterface(Entry(6, SimDevices::CommandPath("mouse-receiver"))));
    entry->Apply({std::nullopt, {{EntryTimer::kConnect, 500}}});

    Loop().AdvanceBy(500 + 3000 + 3000);
    EXPECT_EQ(entry->Fired(EntryTimer::kConnect), 3u);
    EXPECT_EQ(LinkChecks(receiver), 3u);
    EXPECT_TRUE(entry->onlineChanges.empty());
    EXPECT_EQ(device->IsLinkUp(), 0);
    EXPECT_FALSE(device->IsLightThreadRunning());

    // Switched on, it is online within one retry period and connects.
    receiver.SetWirelessDeviceOn(true);
    Loop().AdvanceBy(3000);
    EXPECT_EQ(entry->onlineChanges, std::vector<bool>{true});
    EXPECT_TRUE(device->IsLightThreadRunning());
    Loop().AdvanceBy(500);
    EXPECT_EQ(entry->Fired(EntryTimer::kPowerStatus), 1u);  // 50 ms after connecting
    EXPECT_EQ(entry->Fired(EntryTimer::kLightTick), 1u);    // 5 ms after, then every 500 ms
    EXPECT_EQ(entry->Fired(EntryTimer::kConnect), 4u);

    // The link watch takes it offline when the mouse goes off again.
    receiver.SetWirelessDeviceOn(false);
    Loop().AdvanceBy(1500);
    EXPECT_EQ(entry->Fired(EntryTimer::kLinkWatch), 1u);
    EXPECT_EQ(entry->Fired(EntryTimer::kLightTick), 4u);
    EXPECT_EQ(entry->onlineChanges, (std::vector<bool>{true, false}));
}

TEST_F(DeviceThreads, PluggingTheCableKeepsTheObjectAndSwitchesRouteAndLightTick)
{
    SimFirmware& receiver = *devices.Plug("mouse-receiver");
    ASSERT_TRUE(device->OpenCommandInterface(Entry(6, SimDevices::CommandPath("mouse-receiver"))));
    device->SetHostLighting(1);
    device->SetLightState(LightInfoRecord{2, 4, 4, 0, 0, 9, 8, 7}); // static
    device->RunLightTick();
    EXPECT_TRUE(device->ViaReceiver());
    EXPECT_EQ(device->RunEntryTimer(EntryTimer::kLightTick, true).timers,
              (std::vector<EntryTimerPlan::Start>{{EntryTimer::kLightTick, 500}}));
    EXPECT_TRUE(receiver.LightPackets().empty());

    SimFirmware& cable = *devices.Plug("mouse");
    const EntryTimerPlan plan = device->SwitchRoute(Entry(4, SimDevices::CommandPath("mouse")));
    EXPECT_EQ(plan, (EntryTimerPlan{true, {{EntryTimer::kConnect, 500}}}));
    EXPECT_FALSE(device->ViaReceiver());
    EXPECT_TRUE(device->IsCommandOpen());
    EXPECT_EQ(device->RunEntryTimer(EntryTimer::kLightTick, true).timers,
              (std::vector<EntryTimerPlan::Start>{{EntryTimer::kLightTick, 5}}));
    ASSERT_EQ(cable.LightPackets().size(), 1u);
    EXPECT_EQ(cable.LightPackets()[0].packet.payload[0], 9 * 255 / 256);

    // The cable pulled: back to the receiver, the link watch follows.
    devices.Unplug("mouse");
    EXPECT_EQ(device->SwitchRoute(Entry(6, SimDevices::CommandPath("mouse-receiver"))),
              (EntryTimerPlan{std::nullopt, {{EntryTimer::kLinkWatch, 2000}}}));
    EXPECT_TRUE(device->ViaReceiver());
    EXPECT_EQ(LinkChecks(receiver), 1u); // the first try found the link up
}

TEST_F(DeviceThreads, SettingsChangedOnTheDeviceStartTheReadSettingsTimer)
{
    TraceCapture trace;
    SimFirmware& mouse = *devices.Plug("mouse");
    ASSERT_TRUE(device->OpenNotificationInterface(Entry(5, SimDevices::NotificationPath("mouse"))));
    EXPECT_TRUE(device->IsNotificationListening(false));
    ASSERT_TRUE(mouse.ChangeSettingsOnDevice(1, {3}));
    ASSERT_TRUE(Loop().WaitUntil([&] { return window.GetPaintManager().HasTimer(entry, EntryTimer::kReadSettings); }));
    Loop().AdvanceBy(50);
    EXPECT_EQ(entry->Fired(EntryTimer::kReadSettings), 1u);
    EXPECT_TRUE(trace.Contains("接收到自动添加设备的同步信息要求"));

    // Another event starts nothing.
    mouse.PressButton();
    std::this_thread::sleep_for(50ms);
    Loop().RunPending();
    EXPECT_FALSE(window.GetPaintManager().HasTimer(entry, EntryTimer::kReadSettings));
}

TEST_F(DeviceThreads, RemovedDeviceEndsTheBlockedNotificationThreadWhenTheObjectGoes)
{
    TraceCapture trace;
    devices.Plug("mouse");
    auto standalone = std::make_unique<ReceiverAwareDevice>();
    ASSERT_TRUE(standalone->OpenNotificationInterface(Entry(5, SimDevices::NotificationPath("mouse"))));
    std::this_thread::sleep_for(50ms); // into its read
    devices.Unplug("mouse");
    std::this_thread::sleep_for(20ms);
    const auto start = Clock::now();
    standalone.reset();
    EXPECT_LT(Clock::now() - start, 500ms);
    EXPECT_TRUE(trace.Contains("MS 设备同步线程设定退出"));
    EXPECT_TRUE(trace.Contains("线程退出：：对象处于激发状态\n"));
    EXPECT_FALSE(trace.Contains("超时"));
}

TEST_F(DeviceThreads, ClosingTheInterfaceEndsAReadWithoutLimit)
{
    devices.Plug("mouse-receiver");
    const DeviceIdentity receiverEntry = Entry(7, SimDevices::NotificationPath("mouse-receiver"));
    ASSERT_TRUE(device->OpenNotificationInterface(receiverEntry));
    EXPECT_TRUE(device->IsNotificationOpen(true));
    EXPECT_FALSE(device->IsNotificationOpen(false));
    std::this_thread::sleep_for(20ms);
    const auto start = Clock::now();
    device->CloseNotificationInterface(kKindMouseReceiver);
    EXPECT_LT(Clock::now() - start, 500ms);
    EXPECT_FALSE(device->IsNotificationListening(true));
    ASSERT_TRUE(device->ReopenNotificationInterface(receiverEntry));
    EXPECT_TRUE(device->IsNotificationListening(true));
}

TEST_F(DeviceThreads, LightThreadStepsWhileTheChannelIsOpenAndStopsOnRequest)
{
    TraceCapture trace;
    devices.Plug("mouse");
    device->SetClock([] { return static_cast<uint32_t>(Clock::now().time_since_epoch() / 1ms); });
    device->SetLightState(LightInfoRecord{3, 4, 4, 0, 0, 0, 0, 0}); // spectrum, a step every tick
    device->StartLightThread();
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(device->Counters().step, 0); // the channel is closed: nothing runs

    ASSERT_TRUE(device->OpenCommandInterface(Entry(4, SimDevices::CommandPath("mouse"))));
    const auto deadline = Clock::now() + 3s;
    while (device->Counters().step < 5 && Clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    EXPECT_GE(device->Counters().step, 5);
    device->StopLightThread();
    EXPECT_FALSE(device->IsLightThreadRunning());
    EXPECT_TRUE(trace.Contains("MS灯光线程设定退出"));
    EXPECT_TRUE(trace.Contains("线程退出：：对象处于激发状态\n"));
}

TEST_F(DeviceThreads, SteadyColourLetsTheLightThreadSleepUntilTheStateChanges)
{
    auto& counting = static_cast<ReceiverAwareDevice&>(*device);
    devices.Plug("mouse");
    ASSERT_TRUE(device->OpenCommandInterface(Entry(4, SimDevices::CommandPath("mouse"))));
    device->SetLightState(LightInfoRecord{2, 4, 4, 0, 0, 1, 2, 3}); // static, a step every tick
    device->StartLightThread();
    const auto waitFor = [&](int steps) {
        const auto deadline = Clock::now() + 3s;
        while (counting.staticSteps < steps && Clock::now() < deadline)
            std::this_thread::sleep_for(5ms);
        return counting.staticSteps.load();
    };
    EXPECT_EQ(waitFor(1), 1);
    std::this_thread::sleep_for(200ms); // some 13 ticks
    EXPECT_EQ(counting.staticSteps, 1);

    device->SetLightState(LightInfoRecord{2, 4, 4, 0, 0, 7, 8, 9});
    EXPECT_EQ(waitFor(2), 2);
    EXPECT_EQ(LedColour::Unpack(device->GetLedColour(0)), (LedColour{7, 8, 9, 255}));
    device->StopLightThread();
}

} // namespace
