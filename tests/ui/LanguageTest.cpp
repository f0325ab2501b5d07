#include "tests/ui/UiTestSupport.h"
#include "ui/Combo.h"
#include "ui/ListLabelElement.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

class Language : public ::testing::Test {
protected:
    Language()
    {
        skin.Add("lan_en.xml", R"(<Language name="English"><Text id="close_text">Close</Text><Text id="message_text_16">Error %d</Text><Text id="mode_1">Breathing</Text></Language>)");
        skin.Add("lan_cn.xml", "<Language name=\"Chinese\"><Text id=\"close_text\">\xE5\x85\xB3\xE9\x97\xAD</Text><Text id=\"mode_1\">\xE5\x91\xBC\xE5\x90\xB8</Text></Language>");
        skin.Add("w.xml", R"(<Window size="200,100"><VerticalLayout>
            <Label name="title" text="close_text" resourcetext="true"/>
            <Label name="raw" text="close_text"/>
            <Label name="str_test" resourcetext="true" visible="false"/>
            <Combo name="modes" itemresourcetext="true"><ListLabelElement text="mode_1"/></Combo>
          </VerticalLayout></Window>)");
    }
    uitest::Skin skin;
};

TEST_F(Language, SwitchingReResolvesEveryText)
{
    auto& resources = ui::ResourceManager::Instance();
    ASSERT_TRUE(resources.LoadLanguage("lan_en.xml"));
    uitest::TestWindow window("w.xml");
    ASSERT_TRUE(window.Open());
    skin.platform.Headless().RunPending();
    EXPECT_EQ(window.Find("title")->GetText(), "Close");
    EXPECT_EQ(window.Find("raw")->GetText(), "close_text");
    auto* combo = window.FindAs<ui::Combo>("modes");
    combo->SelectItem(0, false, false);
    EXPECT_EQ(combo->GetText(), "Breathing");

    // The program's way to translate a message id: set it, read it back.
    ui::Control* probe = window.Find("str_test");
    probe->SetText("message_text_16");
    EXPECT_EQ(probe->GetText(), "Error %d");
    probe->SetText("no_such_id");
    EXPECT_EQ(probe->GetText(), "no_such_id");

    const int paintsBefore = window.Host().PaintCount();
    ASSERT_TRUE(resources.LoadLanguage("lan_cn.xml"));
    skin.platform.Headless().RunPending();
    EXPECT_GT(window.Host().PaintCount(), paintsBefore) << "a language switch repaints";
    EXPECT_EQ(window.Find("title")->GetText(), "\xE5\x85\xB3\xE9\x97\xAD");
    EXPECT_EQ(combo->GetText(), "\xE5\x91\xBC\xE5\x90\xB8");
    bool drawn = false;
    for (const auto& entry : window.Host().LastPaint().Entries())
        drawn = drawn || entry.text == "\xE5\x85\xB3\xE9\x97\xAD";
    EXPECT_TRUE(drawn);
    // A text the new language lacks shows its id.
    probe->SetText("message_text_16");
    EXPECT_EQ(probe->GetText(), "message_text_16");
}

TEST_F(Language, BadFilesLeaveAnEmptyTable)
{
    auto& resources = ui::ResourceManager::Instance();
    skin.Add("broken.xml", "<Language><Text id=\"a\">x</Language>");
    skin.Add("other.xml", "<Texts/>");
    ASSERT_TRUE(resources.LoadLanguage("lan_en.xml"));
    EXPECT_FALSE(resources.LoadLanguage("broken.xml"));
    EXPECT_EQ(resources.Language().Size(), 0u);
    EXPECT_FALSE(resources.LoadLanguage("other.xml"));
    EXPECT_FALSE(resources.LoadLanguage("missing.xml"));
    EXPECT_EQ(resources.Translate("close_text"), "close_text");
}

} // namespace
