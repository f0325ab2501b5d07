#include "base/AppFolders.h"
#include "device/IndexedName.h"
#include "tests/device/DevicePageFixture.h"
#include "tests/device/ProtocolFixture.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"
#include "ui/TabLayout.h"

#include <gtest/gtest.h>

namespace {

using DeviceBase = DevicePageFixture;

TEST_F(DeviceBase, IsAHorizontalLayoutNamedKestrelUSBDevice)
{
    EXPECT_EQ(device->GetClass(), "KestrelUSBDevice");
    EXPECT_TRUE(device->IsClass("KestrelUSBDevice"));
    EXPECT_TRUE(device->IsClass("HorizontalLayout"));
    EXPECT_EQ(device->GetPage(), 1);
    EXPECT_EQ(device->SelectedKey(), -1);
    EXPECT_EQ(device->Kind(), kKindMouse);
    EXPECT_EQ(device->Role(), kRoleCommand);
}

TEST_F(DeviceBase, ShowPageSelectsTheSectionsOfEachPage)
{
    auto* functions = window.FindAs<ui::TabLayout>("device_function_switch");
    auto* keyFunctions = window.FindAs<ui::TabLayout>("device_key_function_switch");
    struct Case {
        int page;
        int kind;
        int functionTab;
        int keyFunctionTab; // -1: left as it was
    };
    const Case cases[] = {
        {2, kKindMouse, 0, 1},    {6, kKindMouse, 0, 1},    {3, kKindMouse, 1, -1}, {8, kKindMouse, 1, -1},
        {4, kKindMouse, 3, -1},   {4, kKindKeyboard, 3, -1}, {4, kKindMousePad, 0, 2}, {7, kKindMouse, 0, 2},
        {5, kKindMouse, 2, -1},   {1, kKindMouse, 0, 0},    {9, kKindHeadset, 0, 0},
    };
    for (const Case& c : cases) {
        DeviceIdentity identity(kSupportedDevices[4]);
        identity.kind = static_cast<uint16_t>(c.kind);
        device->SetIdentity(identity);
        keyFunctions->SelectItem(2, false);
        device->ShowPage(c.page);
        EXPECT_EQ(device->GetPage(), c.page);
        EXPECT_EQ(functions->GetCurSel(), c.functionTab) << c.page << " kind " << c.kind;
        EXPECT_EQ(keyFunctions->GetCurSel(), c.keyFunctionTab < 0 ? 2 : c.keyFunctionTab)
            << c.page << " kind " << c.kind;
    }
}

TEST_F(DeviceBase, FilesLiveInTheKindsFolders)
{
    TempFolder home;
    ScopedEnv data("XDG_DATA_HOME", home.path() + "data");
    device->SetProfileName("1700000000123");
    EXPECT_EQ(device->DefaultProfilePath(), DefaultDataFolder() + "mouse.Json");
    const std::string folder = home.path() + "data/Veltrane Software/mouse/";
    EXPECT_EQ(device->UserFolder(), folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(device->ProfilePath(), folder + "1700000000123.Json");
    EXPECT_EQ(device->LightConfigPath(), folder + "kovra_light.config");
}

TEST_F(DeviceBase, HostLightingAsksTheKeyboardOnlyToFollowTheHost)
{
    SimFirmware& keyboard = *devices.Plug("keyboard");
    device->SetIdentity(DeviceIdentity(kSupportedDevices[0]));
    ASSERT_TRUE(device->OpenCommandInterface(Entry(0, SimDevices::CommandPath("keyboard"))));
    keyboard.ClearTraffic();
    device->SetHostLighting(1);
    device->SetHostLighting(0);
    EXPECT_EQ(keyboard.Commands(), std::vector<SimCommandRecord>({Read(0x1C, 0, 0)}));

    device->SetIdentity(DeviceIdentity(kSupportedDevices[4]));
    keyboard.ClearTraffic();
    device->SetHostLighting(1);
    EXPECT_TRUE(keyboard.Commands().empty());
}

TEST_F(DeviceBase, SwitchesAndRecordsKeepWhatTheyAreGiven)
{
    device->SetAudioLightRecord(0x04030201, 0x08070605, 0x1209);
    EXPECT_EQ(device->GetAudioLightRecord(), (AudioLightInfoRecord{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    device->SelectKey(4);
    EXPECT_EQ(device->SelectedKey(), 4);
    device->SetLightPresetIndex(3);
    EXPECT_EQ(device->GetLightPresetIndex(), 3);

    // The polling switch is kept only by a device with a power widget.
    device->SetStatusPollingSuspended(1);
    EXPECT_EQ(device->StatusPollingSuspended(), 0);
    ui::Control power;
    device->SetPowerWidget(&power);
    device->SetStatusPollingSuspended(1);
    EXPECT_EQ(device->StatusPollingSuspended(), 1);
    device->SetPowerWidget(nullptr);
}

TEST_F(DeviceBase, KeyEffectsDecayLightAndTurn)
{
    device->SetRingEntry(2, 1);
    device->SetRingEntry(22, 1);
    device->LightRingKeys();
    EXPECT_EQ(device->KeyEffects().Intensities()[2], 255);
    EXPECT_EQ(device->KeyEffects().Intensities()[22], 0); // only keys 1 to 9

    // Music decay from full: 255, 210, 165, 120, 75, 40, 5, 4, ...
    std::vector<int> music;
    for (int i = 0; i < 8; ++i) {
        music.push_back(device->KeyEffects().Intensities()[2]);
        device->DecayKeyEffect(2, 29);
    }
    EXPECT_EQ(music, (std::vector<int>{255, 210, 165, 120, 75, 40, 5, 4}));
    device->LightRingKeys();
    std::vector<int> plain;
    for (int i = 0; i < 6; ++i) {
        plain.push_back(device->KeyEffects().Intensities()[2]);
        device->DecayKeyEffect(2, 0);
    }
    EXPECT_EQ(plain, (std::vector<int>{255, 215, 175, 135, 95, 65}));
    device->DecayKeyEffect(-1, 0);
    device->DecayKeyEffect(170, 0);

    device->RotateRing(1);
    EXPECT_EQ(device->KeyEffects().Ring()[3], 1);
    EXPECT_EQ(device->KeyEffects().Ring()[0], 1); // 22 wrapped to the start
    device->RotateRing(0);
    device->RotateRing(0);
    EXPECT_EQ(device->KeyEffects().Ring()[1], 1);
    EXPECT_EQ(device->KeyEffects().Ring()[21], 1);
    device->ResetKeyEffects();
    EXPECT_EQ(device->KeyEffects().Intensities()[2], 0);
    EXPECT_EQ(device->KeyEffects().Ring()[1], 0);
}

TEST(IndexedName, SplitsAtTheLastRunOfDigits)
{
    EXPECT_EQ(IndexedName::Split("key_12")->prefix, "key_");
    EXPECT_EQ(IndexedName::Split("key_12")->number, 12);
    EXPECT_EQ(IndexedName::Split("DPI_slider_0")->number, 0);
    EXPECT_EQ(IndexedName::Split("light_0_7")->prefix, "light_0_");
    EXPECT_FALSE(IndexedName::Split("light_"));
    EXPECT_FALSE(IndexedName::Split("key_12345678901"));
}

} // namespace
