#include "app/ApplicationFonts.h"
#include "app/CDeviceOptionUI.h"
#include "app/ControlClassTable.h"
#include "app/InterfaceFonts.h"
#include "app/LanguageConfig.h"
#include "app/SettingsStore.h"
#include "app/TrayMenuPlacement.h"
#include "app/WorkerSlots.h"
#include "device/CKestrelUSBDevice.h"
#include "tests/support/CaseName.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/ControlFactory.h"
#include "ui/MenuWindow.h"
#include "ui/PaintManager.h"

#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace {

struct PlacementCase {
    const char* name;
    ui::Rect workArea; // of a 1920 x 1080 screen
    ui::Point anchor;
    int align;
};

class TrayMenu : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(TrayMenu, OpensBesideThePanel)
{
    using namespace ui::MenuAlign;
    const TrayMenuPlacement placement = TrayMenuPlacement::For({900, 500}, {0, 0, 1920, 1080}, GetParam().workArea);
    EXPECT_EQ(placement.anchor, GetParam().anchor);
    EXPECT_EQ(placement.align, GetParam().align);
}

INSTANTIATE_TEST_SUITE_P(
    Shell, TrayMenu,
    ::testing::Values(PlacementCase{"no_panel", {0, 0, 1920, 1080}, {900, 500}, 6},
                      PlacementCase{"top", {0, 32, 1920, 1080}, {900, 33}, 12},
                      PlacementCase{"left", {48, 0, 1920, 1080}, {49, 500}, 18},
                      PlacementCase{"bottom", {0, 0, 1920, 1040}, {900, 1020}, 24},
                      PlacementCase{"right", {0, 0, 1872, 1080}, {1871, 500}, 24}),
    CaseName());

TEST(WorkerSlots, StopAllSignalsEveryEventAndLeavesAStuckThreadBehind)
{
    WorkerSlots slots;
    EXPECT_FALSE(slots.Start(1, [](const StopEvent&, ThreadGate&) {})) << "not created yet";
    slots.Create(ui::WindowHandle{42});
    std::set<StopEvent*> events;
    for (size_t i = 0; i < WorkerSlots::kCount; ++i) {
        EXPECT_EQ(slots.ArgumentOf(i).mainWindow, ui::WindowHandle{42});
        events.insert(slots.ArgumentOf(i).stop.get());
    }
    EXPECT_EQ(events.size(), WorkerSlots::kCount) << "an event of its own per slot";

    auto release = std::make_shared<std::atomic<bool>>(false);
    auto cooperativeEnded = std::make_shared<std::atomic<bool>>(false);
    ASSERT_TRUE(slots.Start(2, [release](const StopEvent&, ThreadGate&) {
        while (!release->load())
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }));
    ASSERT_TRUE(slots.Start(5, [cooperativeEnded](const StopEvent& stop, ThreadGate&) {
        stop.WaitFor(std::chrono::nanoseconds(-1));
        cooperativeEnded->store(true);
    }));
    EXPECT_FALSE(slots.Start(5, [](const StopEvent&, ThreadGate&) {})) << "busy";
    EXPECT_FALSE(slots.Start(WorkerSlots::kCount, [](const StopEvent&, ThreadGate&) {}));

    EXPECT_EQ(slots.StopAll(50), std::vector<size_t>{2});
    EXPECT_TRUE(cooperativeEnded->load());
    for (size_t i = 0; i < WorkerSlots::kCount; ++i)
        EXPECT_TRUE(slots.ArgumentOf(i).stop->IsSet());
    release->store(true);
}

TEST(ApplicationFonts, LoadInOrderAndGoInReverse)
{
    std::vector<std::string> loaded;
    std::vector<int> removed;
    {
        ApplicationFonts fonts(
            "/program/",
            [&](const std::string& path) {
                loaded.push_back(path);
                return path.find("Ridgeline") != std::string::npos ? -1 : static_cast<int>(loaded.size());
            },
            [&](int handle) { removed.push_back(handle); });
        EXPECT_EQ(fonts.Handles(), (std::array<int, 4>{1, -1, 3, 4}));
    }
    EXPECT_EQ(loaded, (std::vector<std::string>{"/program/Font/Simplified_Chinese.ttf",
                                                "/program/Font/Ridgeline-Regular.otf",
                                                "/program/Font/NotoSansThai-Regular.ttf",
                                                "/program/Font/NotoSansCJKtc-Regular.otf"}));
    EXPECT_EQ(removed, (std::vector<int>{4, 3, 1})) << "the missing font is not removed";
}

struct FontSwitchCase {
    const char* name;
    int from;
    int to;
    bool changes;
};

class FontSwitch : public ::testing::TestWithParam<FontSwitchCase> {};

TEST_P(FontSwitch, ChangesWhenEitherLanguageHasItsOwnFace)
{
    EXPECT_EQ(InterfaceFonts::ChangeOnSwitch(GetParam().from, GetParam().to), GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(Shell, FontSwitch,
                         ::testing::Values(FontSwitchCase{"first_language", -1, 5, true},
                                           FontSwitchCase{"chinese_to_other", 0, 5, true},
                                           FontSwitchCase{"other_to_other", 5, 6, false},
                                           FontSwitchCase{"other_to_thai", 5, 15, true},
                                           FontSwitchCase{"traditional_to_other", 2, 1, true}),
                         CaseName());

TEST(InterfaceFonts, TableInOneFace)
{
    EXPECT_EQ(InterfaceFonts::FaceForLanguage(5), "Verdana Unicode MS");
    EXPECT_EQ(InterfaceFonts::FaceForLanguage(15), "Noto Sans Thai");
    ui::PaintManager manager;
    manager.AddFont(3, {"Old", 9}, false, false);
    InterfaceFonts::Apply(manager, "Noto Sans Thai");
    EXPECT_EQ(manager.GetFont(3), (ui::FontInfo{"Noto Sans Thai", 30}));
    EXPECT_EQ(manager.GetFont(50), (ui::FontInfo{"Noto Sans Thai", 18, true}));
    EXPECT_EQ(manager.GetFont(1), (ui::FontInfo{"Noto Sans Thai", 14, false, true}));
    EXPECT_EQ(manager.GetFont(-1), (ui::FontInfo{"Noto Sans Thai", 14}));
    ui::PaintManager::RemoveAllSharedFonts();
}

struct StoredLanguageCase {
    const char* name;
    std::optional<int> stored;
    bool document;
    int index;
};

class StoredLanguage : public ::testing::TestWithParam<StoredLanguageCase> {};

TEST_P(StoredLanguage, FindsTheRememberedId)
{
    TempFolder temp;
    SettingsStore settings(temp / "settings.json");
    if (GetParam().stored) {
        ASSERT_TRUE(settings.WriteInt(LanguageConfig::kSettingName, *GetParam().stored));
    }
    const std::string config = temp / "Language.config";
    if (GetParam().document)
        std::ofstream(config) << R"({"Language": [
            {"Language_name": "English", "Language_file": "lan_en.xml", "Language_ID": 1033},
            {"Language_name": "Nameless", "Language_file": "lan_x.xml"},
            {"Language_name": "简体中文", "Language_file": "lan_cn.xml", "Language_ID": 2052}]})";
    EXPECT_EQ(LanguageConfig::StoredIndex(settings, config), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Shell, StoredLanguage,
                         ::testing::Values(StoredLanguageCase{"nothing_stored", std::nullopt, true, 0},
                                           StoredLanguageCase{"stored_chinese", 2052, true, 2},
                                           StoredLanguageCase{"unknown_id", 7, true, 0},
                                           StoredLanguageCase{"id_of_no_entry", 0, true, 0},
                                           StoredLanguageCase{"no_document", 2052, false, 0}),
                         CaseName());

TEST(SettingsStore, KeepsOtherMembersAndSurvivesABrokenDocument)
{
    TempFolder temp;
    std::ofstream(temp / "settings.json") << "{ not json";
    SettingsStore settings(temp / "settings.json");
    EXPECT_EQ(settings.ReadInt("LANGUAGE"), std::nullopt);
    ASSERT_TRUE(settings.WriteInt("LANGUAGE", 2052));
    ASSERT_TRUE(settings.WriteInt("OTHER", 1));
    EXPECT_EQ(settings.ReadInt("LANGUAGE"), 2052);
    EXPECT_EQ(settings.ReadInt("OTHER"), 1);
}

TEST(ControlClassTable, LayoutsNameEveryClass)
{
    uitest::Skin skin;
    ui::ControlFactory::Instance().Clear();
    RegisterControlClasses();
    std::string xml = "<Window><VerticalLayout>";
    for (std::string_view name : kControlClassTable)
        xml += "<" + std::string(ControlClassTag(name)) + " name=\"" + std::string(name) + "\"/>";
    xml += "</VerticalLayout></Window>";
    skin.Add("classes.xml", xml);
    uitest::TestWindow window("classes.xml");
    window.Open();
    for (std::string_view name : kControlClassTable) {
        ui::Control* control = window.Find(std::string(name).c_str());
        ASSERT_NE(control, nullptr) << name;
        EXPECT_TRUE(control->IsClass(ControlClassTag(name))) << name;
    }
    EXPECT_NE(window.FindAs<CDeviceOptionUI>("CDeviceOptionUI"), nullptr);
    EXPECT_NE(window.FindAs<CKestrelUSBDevice>("CKestrelUSBDevice"), nullptr);
    EXPECT_EQ(window.Find("CCircleProgressUI")->GetClass(), "CircleProgressUI");
    window.DestroyWindow();
    ui::ControlFactory::Instance().Clear();
}

struct EntryImageCase {
    const char* name;
    int kind;
    int variant;
    const char* stem;
};

class EntryImages : public ::testing::TestWithParam<EntryImageCase> {};

TEST_P(EntryImages, FollowTheDeviceKind)
{
    CDeviceOptionUI entry;
    entry.SetImages(1, 0);
    entry.SetImages(GetParam().kind, GetParam().variant);
    const std::string base = std::string("common/device_ico/") + GetParam().stem;
    EXPECT_EQ(entry.Images(), (CDeviceOptionUI::ImageSet{base + "_normal.png", base + "_selected.png",
                                                         base + "_synchro_normal.png",
                                                         base + "_synchro_selected.png"}));
}

INSTANTIATE_TEST_SUITE_P(Shell, EntryImages,
                         ::testing::Values(EntryImageCase{"mouse", 2, 0, "ms_device"},
                                           EntryImageCase{"hard_pad", 3, 0, "hard_mp_device"},
                                           EntryImageCase{"soft_pad", 3, 1, "soft_mp_device"},
                                           EntryImageCase{"other_pad_keeps_the_last", 3, 2, "kb_device"},
                                           EntryImageCase{"headset", 7, 0, "hd_device"},
                                           EntryImageCase{"old_headset", 4, 0, "hd_device"},
                                           EntryImageCase{"hub", 5, 0, "hub_device"},
                                           EntryImageCase{"unknown", 6, 0, "unknow_device"}),
                         CaseName());

} // namespace
