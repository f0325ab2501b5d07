#include "app/LanguageConfig.h"
#include "app/MessageNames.h"
#include "app/SettingsStore.h"
#include "app/ToolReport.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/CaseName.h"
#include "ui/Combo.h"
#include "ui/ListLabelElement.h"

namespace {

using apptest::CountingDevice;
using apptest::MainWindowFixture;

TEST_F(MainWindowFixture, FirstPaintHidesTheWindowUntilTheActivationMessage)
{
    Open(false);
    EXPECT_EQ(window->GetWindowTitle(), "Veltrane Software");
    EXPECT_FALSE(window->IsVisible());
    EXPECT_EQ(link.receiver, window->GetHandle());
    EXPECT_EQ(link.broadcasts, (std::vector<apptest::RecordingLink::Broadcasted>{
                                   {std::string(MessageNames::kLightOwner), 1, 1}}));
    ASSERT_EQ(window->Mice().size(), 1u);
    ASSERT_EQ(window->Keyboards().size(), 1u);
    EXPECT_EQ(window->SelectorEntries().size(), 2u);
    EXPECT_TRUE(platform.LastTrayIcon()->IsShown());
    EXPECT_EQ(platform.LastTrayIcon()->ToolTip(), "Veltrane Software");

    // What the detection thread posts after its first scan, and a second copy.
    for (ui::LParam sender : {0, 1}) {
        window->ShowWindow(false);
        Post(ids.activateInstance, 0, sender);
        EXPECT_TRUE(window->IsVisible());
        EXPECT_TRUE(Host().IsTopMost());
    }
}

TEST_F(MainWindowFixture, FirstScanWithNoDeviceShowsTheEmptyState)
{
    OpenAndWaitForScan();
    EXPECT_TRUE(window->Workers().IsRunning(WorkerSlots::kDetectionSlot));
    EXPECT_TRUE(Find("No_device_Link")->IsVisible());
    EXPECT_EQ(window->CountPresent(), std::make_pair(-1, 0));
    EXPECT_EQ(window->CurrentDevice(), nullptr);
}

TEST_F(MainWindowFixture, ArrivalWhileInTheTrayShowsAndRaisesTheWindow)
{
    OpenAndWaitForScan();
    window->GetPaintManager().ClickControl(Find("closebtn"));
    Loop().RunPending();
    ASSERT_FALSE(window->IsVisible()) << "closebtn keeps the program in the tray";
    EXPECT_EQ(Mouse()->StatusPollingSuspended(), 1);

    devices.Plug("mouse");
    ASSERT_TRUE(WaitForEntry(0));
    EXPECT_TRUE(window->IsVisible());
    EXPECT_TRUE(Host().IsTopMost()) << "raised in front of the other windows";
    EXPECT_FALSE(Find("No_device_Link")->IsVisible());
    EXPECT_EQ(window->CurrentDevice(), Mouse());
    EXPECT_TRUE(Mouse()->IsCommandOpen());
    EXPECT_EQ(Mouse()->StatusPollingSuspended(), 0);
    Loop().AdvanceBy(10);
    EXPECT_FALSE(Host().IsTopMost()) << "but not kept on top";

    // A second device joins without taking the selection.
    devices.Plug("keyboard");
    ASSERT_TRUE(WaitForEntry(1));
    EXPECT_EQ(window->CountPresent(), std::make_pair(0, 2));
    EXPECT_EQ(window->CurrentDevice(), Mouse());

    // Unplugging the selected device selects the one left.
    devices.Unplug("mouse");
    ASSERT_TRUE(Loop().WaitUntil([&] { return window->CountPresent().second == 1; }));
    EXPECT_EQ(window->CurrentDevice(), window->Keyboards().at(0));
    EXPECT_FALSE(Mouse()->IsCommandOpen());
}

TEST_F(MainWindowFixture, MouseThroughItsReceiverAppearsOnlyWhileSwitchedOn)
{
    SimFirmware* receiver = devices.Plug("mouse-receiver");
    receiver->SetWirelessDeviceOn(false);
    OpenAndWaitForScan();
    ASSERT_TRUE(Loop().WaitUntil([&] { return Mouse()->IsCommandOpen(); }));
    EXPECT_TRUE(Mouse()->ViaReceiver());
    auto* entry = window->SelectorEntries().at(0);

    Loop().AdvanceBy(500);
    EXPECT_FALSE(entry->IsOwnVisible()) << "the receiver alone is no mouse";
    EXPECT_EQ(entry->LinkFailures(), 1);
    EXPECT_TRUE(Find("No_device_Link")->IsVisible());

    receiver->SetWirelessDeviceOn(true);
    Loop().AdvanceBy(3000);
    EXPECT_TRUE(entry->IsOwnVisible()) << "shown within one retry";
    EXPECT_EQ(entry->LinkFailures(), 0);
    EXPECT_EQ(window->CurrentDevice(), Mouse());
    EXPECT_FALSE(Find("No_device_Link")->IsVisible());

    receiver->SetWirelessDeviceOn(false);
    Loop().AdvanceBy(2000);
    EXPECT_FALSE(entry->IsOwnVisible()) << "the link watch hides it again";
    EXPECT_EQ(window->CurrentDevice(), nullptr);
}

TEST_F(MainWindowFixture, ProfileChoicesWithin400MsApplyOnlyTheLast)
{
    OpenWithMouse();
    auto* combo = dynamic_cast<ui::Combo*>(window->GetPaintManager().FindSubControlByName(Mouse(), "device_profile_combo"));
    ASSERT_NE(combo, nullptr);
    for (const char* name : {"Work", "Game"}) {
        auto* item = new ui::ListLabelElement;
        item->SetText(name);
        combo->Add(item);
    }

    combo->SelectItem(0);
    Loop().AdvanceBy(300);
    combo->SelectItem(1);
    Loop().AdvanceBy(399);
    EXPECT_EQ(Mouse()->profileLoads, 0) << "the second choice restarted the wait";
    Loop().AdvanceBy(1);
    EXPECT_EQ(Mouse()->profileLoads, 1);
    EXPECT_EQ(Mouse()->profileRecords, 1);
    Loop().AdvanceBy(2000);
    EXPECT_EQ(Mouse()->profileLoads, 1);
}

TEST_F(MainWindowFixture, GameMessageWithOtherEffectReappliesTheLightingFiveSecondsLater)
{
    OpenWithMouse();
    CountingDevice& mouse = *Current();
    const LightInfoRecord before = mouse.LightState();
    const int states = mouse.lightStates;

    Post(ids.gameEvents[0], 3, 2);
    Loop().AdvanceBy(4999);
    EXPECT_EQ(mouse.lightStates, states) << "nothing shown before";
    EXPECT_EQ(mouse.profileRecords, 0);
    Loop().AdvanceBy(1);
    EXPECT_EQ(mouse.lightStates, states + 1);
    EXPECT_EQ(mouse.saves, 1);
    EXPECT_EQ(mouse.applies, 1);
    EXPECT_EQ(mouse.profileRecords, 1);
    EXPECT_EQ(mouse.LightState(), before);
}

struct GameCase {
    const char* name;
    uint8_t startMode;
    uint8_t startSavedMode;
    ui::WParam wParam;
    ui::LParam lParam;
    uint8_t modeAfterMessage;
    uint8_t savedAfterMessage;
    uint8_t modeAfterRestore;
};

class GameLighting : public MainWindowFixture, public ::testing::WithParamInterface<GameCase> {};

TEST_P(GameLighting, ShowsTheEffectAndRestoresTheDevicesOwn)
{
    const GameCase& c = GetParam();
    OpenWithMouse();
    CountingDevice& mouse = *Current();
    LightInfoRecord start;
    start.mode = c.startMode;
    start.savedMode = c.startSavedMode;
    start.red = 0x40;
    mouse.SetLightState(start);
    mouse.SetSyncLighting(1);

    Post(ids.gameEvents[2], c.wParam, c.lParam);
    EXPECT_EQ(mouse.LightState().mode, c.modeAfterMessage);
    EXPECT_EQ(mouse.LightState().savedMode, c.savedAfterMessage);
    Loop().AdvanceBy(CMainWnd::kGameLightingMs);
    EXPECT_EQ(mouse.LightState().mode, c.modeAfterRestore);
    EXPECT_EQ(mouse.LightState().red, 0x40);
    EXPECT_EQ(mouse.SyncLighting(), 0);
    EXPECT_EQ(mouse.profileRecords, c.modeAfterMessage != c.startMode ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, GameLighting,
    ::testing::Values(
        GameCase{"start_saves_the_mode_and_restores_it", 3, 0, 0, 6, 6, 3, 3},
        GameCase{"mode_zero_is_saved_as_one", 0, 0, 0, 6, 6, 1, 1},
        GameCase{"mode_past_twenty_is_saved_as_one", 21, 0, 0, 6, 6, 1, 1},
        // Without a saved mode since the last restore, the stale byte is
        // not put back: the device keeps what it shows.
        GameCase{"kill_without_start_keeps_its_effect", 3, 7, 1, 5, 5, 7, 5},
        // Modes outside the device's list change nothing; the re-apply runs.
        GameCase{"mode_outside_the_list_changes_nothing", 3, 0, 0, CountingDevice::kModes, 3, 0, 3},
        GameCase{"negative_mode_changes_nothing", 3, 0, 2, -1, 3, 0, 3}),
    CaseName());

TEST_F(MainWindowFixture, GameRestoreAfterStartAndKillReturnsToTheSavedMode)
{
    OpenWithMouse();
    CountingDevice& mouse = *Current();
    LightInfoRecord start;
    start.mode = 2;
    mouse.SetLightState(start);

    Post(ids.gameEvents[0], 0, 4);
    Loop().AdvanceBy(1000);
    Post(ids.gameEvents[2], 1, 5);
    EXPECT_EQ(mouse.LightState().mode, 5);
    Loop().AdvanceBy(4999);
    EXPECT_EQ(mouse.LightState().mode, 5) << "each message restarts the wait";
    Loop().AdvanceBy(1);
    EXPECT_EQ(mouse.LightState().mode, 2);
}

struct LightControlCase {
    const char* name;
    ui::WParam wParam;
    ui::LParam lParam;
    int lightControl;
    const char* text;
};

class LightControlMessage : public MainWindowFixture, public ::testing::WithParamInterface<LightControlCase> {};

TEST_P(LightControlMessage, SetsTheSwitchOnlyForItsOwnWParam)
{
    const LightControlCase& c = GetParam();
    OpenWithMouse();
    const std::string textBefore = Find("control_light_status")->GetRawText();

    Post(ids.lightControl, c.wParam, c.lParam);
    EXPECT_EQ(window->LightControl(), c.lightControl);
    EXPECT_EQ(Mouse()->HostLighting(), c.lightControl);
    EXPECT_EQ(Find("control_light_status")->GetRawText(), c.text ? c.text : textBefore);
    EXPECT_EQ(link.broadcasts.size(), 1u) << "only the start-up broadcast";
}

INSTANTIATE_TEST_SUITE_P(MainWindow, LightControlMessage,
                         ::testing::Values(LightControlCase{"release", 1, 0, 0, "不控制灯光"},
                                           LightControlCase{"take", 1, 1, 1, "控制灯光"},
                                           LightControlCase{"wparam_2_is_ignored", 2, 0, 1, nullptr},
                                           LightControlCase{"unknown_state_is_ignored", 1, 5, 1, nullptr}),
                         CaseName());

TEST_F(MainWindowFixture, LightStatusButtonTogglesAndBroadcasts)
{
    OpenWithMouse();
    window->GetPaintManager().ClickControl(Find("control_light_status"));
    Loop().RunPending();
    EXPECT_EQ(window->LightControl(), 0);
    EXPECT_EQ(Mouse()->HostLighting(), 0);
    EXPECT_EQ(Find("control_light_status")->GetText(), "Lighting off");
    window->GetPaintManager().ClickControl(Find("control_light_status"));
    Loop().RunPending();
    EXPECT_EQ(window->LightControl(), 1);
    const std::string owner(MessageNames::kLightOwner);
    EXPECT_EQ(link.broadcasts,
              (std::vector<apptest::RecordingLink::Broadcasted>{{owner, 1, 1}, {owner, 1, 0}, {owner, 1, 1}}));
}

TEST_F(MainWindowFixture, SuspendAndResumeWhileReleasedLeaveTheDevicesReleased)
{
    OpenWithMouse();
    Post(ids.lightControl, 1, 0);

    Post(ui::Msg::PowerBroadcast, ui::Power::Suspend, 0);
    EXPECT_FALSE(window->IsAwake());
    EXPECT_EQ(Mouse()->HostLighting(), 0);
    // Asleep, the window leaves game events alone.
    Post(ids.gameEvents[0], 0, 4);
    Loop().AdvanceBy(CMainWnd::kGameLightingMs);
    EXPECT_EQ(Mouse()->lightStates, 0);

    Post(ui::Msg::PowerBroadcast, ui::Power::ResumeAutomatic, 0);
    EXPECT_TRUE(window->IsAwake());
    EXPECT_EQ(window->LightControl(), 0);
    EXPECT_EQ(Mouse()->HostLighting(), 0);

    // Taking control again after a suspend reaches the devices on resume.
    Post(ids.lightControl, 1, 1);
    Post(ui::Msg::PowerBroadcast, ui::Power::Suspend, 0);
    EXPECT_EQ(Mouse()->HostLighting(), 0);
    Post(ui::Msg::PowerBroadcast, ui::Power::ResumeAutomatic, 0);
    EXPECT_EQ(Mouse()->HostLighting(), 1);
}

struct MonitorCase {
    const char* name;
    int screenWidth;
    int screenHeight;
    int dpi;
    int width;
    int height;
};

class FitToMonitor : public MainWindowFixture, public ::testing::WithParamInterface<MonitorCase> {};

TEST_P(FitToMonitor, ScalesTheWorkingSizeAndCentres)
{
    const MonitorCase& c = GetParam();
    const ui::Rect screen{0, 0, c.screenWidth, c.screenHeight};
    platform.SetScreens({{screen, screen, 96}});
    OpenAndWaitForScan();

    window->FitToMonitor();
    EXPECT_EQ(window->CurrentDpi(), c.dpi);
    EXPECT_EQ(window->GetPaintManager().GetDpi(), c.dpi);
    const ui::Rect rect = window->GetWindowRect();
    EXPECT_EQ(rect.Width(), c.width);
    EXPECT_EQ(rect.Height(), c.height);
    EXPECT_EQ(rect.left, (c.screenWidth - c.width) / 2);
    EXPECT_EQ(rect.top, (c.screenHeight - c.height) / 2);
    EXPECT_TRUE(window->IsVisible());

    // Hidden in the tray it stays hidden; a second fit gives the same size.
    window->GetPaintManager().ClickControl(Find("closebtn"));
    window->FitToMonitor();
    EXPECT_FALSE(window->IsVisible());
    EXPECT_EQ(window->GetWindowRect(), rect);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, FitToMonitor,
                         ::testing::Values(MonitorCase{"full_hd", 1920, 1080, 144, 1500, 960},
                                           MonitorCase{"laptop", 1366, 768, 96, 1000, 640},
                                           MonitorCase{"just_below", 1500, 1080, 96, 1000, 640}),
                         CaseName());

TEST_F(MainWindowFixture, TrayIconTogglesTheWindowAndItsMenuEndsTheProgram)
{
    OpenAndWaitForScan();
    Loop().AdvanceBy(CMainWnd::kFitToMonitorMs);
    const ui::Rect shown = window->GetWindowRect();
    window->GetPaintManager().ClickControl(Find("closebtn"));
    Loop().RunPending();
    ASSERT_FALSE(window->IsVisible());

    ui::HeadlessTrayIcon* tray = platform.LastTrayIcon();
    ASSERT_TRUE(tray->Click(ui::Msg::LeftButtonUp));
    Loop().RunPending();
    EXPECT_TRUE(window->IsVisible());
    EXPECT_EQ(window->GetWindowRect(), shown) << "back at the same size, centred";
    ASSERT_TRUE(tray->Click(ui::Msg::LeftButtonUp));
    Loop().RunPending();
    EXPECT_FALSE(window->IsVisible());

    ASSERT_TRUE(tray->Click(ui::Msg::RightButtonUp));
    Loop().RunPending();
    const size_t windows = platform.Hosts().size();
    Loop().AdvanceBy(CMainWnd::kTrayMenuMs);
    ASSERT_EQ(platform.Hosts().size(), windows + 1) << "the menu opens 10 ms later";
    ui::HeadlessWindowHost* menu = platform.Hosts().back();
    ASSERT_TRUE(menu->IsPopup());
    ASSERT_NE(menu->Window().GetPaintManager().FindControl("setwnd_menu"), nullptr);
    ASSERT_NE(menu->Window().GetPaintManager().FindControl("about_menu"), nullptr);
    menu->Window().GetPaintManager().ClickControl(menu->Window().GetPaintManager().FindControl("exit"));
    Loop().RunPending();
    EXPECT_TRUE(window->IsDestroyed());
    EXPECT_EQ(window->Tray(), nullptr);
    EXPECT_FALSE(window->Workers().IsRunning(WorkerSlots::kDetectionSlot));
    EXPECT_TRUE(Loop().IsQuitting()) << "the program ends";
}

TEST_F(MainWindowFixture, FirstRunAppliesTheFirstLanguageAndRemembersIt)
{
    Open(false);
    EXPECT_EQ(window->LanguageIndex(), 0);
    EXPECT_EQ(Find("nodevice_ok_btn")->GetText(), "OK");
    EXPECT_EQ(SettingsStore().ReadInt(LanguageConfig::kSettingName), 1033);
}

TEST_F(MainWindowFixture, RememberedLanguageAndItsFontsApplyAtStart)
{
    ASSERT_TRUE(SettingsStore().WriteInt(LanguageConfig::kSettingName, 2052));
    Open(false);
    EXPECT_EQ(window->LanguageIndex(), 1);
    EXPECT_EQ(Find("nodevice_ok_btn")->GetText(), "确定");
    EXPECT_EQ(window->GetPaintManager().GetFont(-1), (ui::FontInfo{"Verdana Unicode MS", 14}));

    // A language the list does not have keeps the texts and the remembered
    // choice.
    window->ApplyLanguage(7);
    EXPECT_EQ(Find("nodevice_ok_btn")->GetText(), "确定");
    EXPECT_EQ(SettingsStore().ReadInt(LanguageConfig::kSettingName), 2052);
}

TEST_F(MainWindowFixture, ToolQueryReportsTheVersionAndDeviceKinds)
{
    Open(false);
    Post(ids.toolQuery, 0, 0);
    ASSERT_EQ(link.reports.size(), 1u);
    EXPECT_EQ(link.reports[0].first, kToolReportCopyDataId);
    EXPECT_EQ(link.reports[0].second, BuildToolReport(kToolReportVersion));
}

TEST_F(MainWindowFixture, ShutdownLeavesAStuckWorkerBehindWithinItsBound)
{
    OpenAndWaitForScan();
    auto release = std::make_shared<std::atomic<bool>>(false);
    ASSERT_TRUE(window->Workers().Start(3, [release](const StopEvent&, ThreadGate&) {
        while (!release->load())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }));
    ASSERT_FALSE(window->Workers().Start(3, [](const StopEvent&, ThreadGate&) {})) << "the slot is busy";

    const auto start = std::chrono::steady_clock::now();
    window->DestroyWindow();
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(WorkerSlots::kStopTimeoutMs));
    EXPECT_LT(waited, std::chrono::milliseconds(3 * WorkerSlots::kStopTimeoutMs))
        << "one stuck worker costs one bound, not the whole shutdown";
    EXPECT_FALSE(window->Workers().IsRunning(WorkerSlots::kDetectionSlot));
    EXPECT_TRUE(Loop().IsQuitting());
    release->store(true);
}

} // namespace
