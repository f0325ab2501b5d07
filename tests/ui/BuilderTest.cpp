#include "base/Trace.h"
#include "tests/support/CaseName.h"
#include "ui/AttributeValue.h"
#include "tests/support/ScopedEnv.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Button.h"
#include "ui/ControlFactory.h"
#include "ui/HorizontalLayout.h"
#include "ui/Label.h"
#include "ui/LayoutBuilder.h"
#include "ui/PaintManager.h"
#include "ui/VerticalLayout.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

// A program class as the program registers them.
class ProbePanel : public ui::VerticalLayout {
public:
    std::string_view GetClass() const override { return "ProbePanel"; }
};

class MarkedButton : public ui::Button {
public:
    std::string_view GetClass() const override { return "MarkedButton"; }
};

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class Builder : public ::testing::Test {
protected:
    Builder() : traceFile_(skin.folder / "trace.txt"), env_("VELTRANE_DEBUG_FILE", traceFile_), debug_("VELTRANE_DEBUG", std::nullopt)
    {
        ConfigureTrace();
        ui::ControlFactory::Instance().Clear();
    }
    ~Builder() override { ui::ControlFactory::Instance().Clear(); }
    std::string TraceText() { return ReadAll(traceFile_); }

    uitest::Skin skin;
    std::string traceFile_;
    ScopedEnv env_;
    ScopedEnv debug_;
};

TEST_F(Builder, FactoryAsksWindowThenRegisteredClassesThenToolkit)
{
    ui::ControlFactory::Instance().Register("CProbePanelUI", [] { return new ProbePanel; });
    ui::ControlFactory::Instance().Register("Label", [] { return new ProbePanel; });
    skin.Add("main.xml", R"(<Window size="300,200"><VerticalLayout name="root">
        <probepanel name="by_tag"/><CProbePanelUI name="by_class"/>
        <Button name="from_window"/><Label name="registered_over_toolkit"/><Option name="toolkit"/>
      </VerticalLayout></Window>)");
    uitest::TestWindow window("main.xml");
    window.factory = [](std::string_view tag) -> ui::Control* {
        return ui::EqualsNoCase(tag, "Button") ? new MarkedButton : nullptr;
    };
    ASSERT_TRUE(window.Open());
    EXPECT_EQ(window.Find("by_tag")->GetClass(), "ProbePanel");
    EXPECT_EQ(window.Find("by_class")->GetClass(), "ProbePanel");
    EXPECT_EQ(window.Find("from_window")->GetClass(), "MarkedButton");
    EXPECT_EQ(window.Find("registered_over_toolkit")->GetClass(), "ProbePanel");
    EXPECT_EQ(window.Find("toolkit")->GetClass(), "OptionUI");
    EXPECT_TRUE(window.Find("from_window")->IsClass("Button"));
    EXPECT_TRUE(window.Find("toolkit")->IsClass("ButtonUI"));
    EXPECT_FALSE(window.Find("by_tag")->IsClass("Button"));
    // The layout's size became the window's.
    EXPECT_EQ(window.GetWindowRect().Width(), 300);
}

TEST_F(Builder, LayoutFileTagsAreReplacedByTheirRootsNested)
{
    skin.Add("res.xml", R"(<Resources><Layout name="XML_MAIN" file="XML\main.xml"/></Resources>)");
    skin.Add("XML/main.xml", R"(<Window><VerticalLayout><PartUI name="part" height="40" bkcolor="#FF010203"/></VerticalLayout></Window>)");
    skin.Add("XML/CustomControlXML/Part.xml",
             R"(<Window><HorizontalLayout name="part_root" bkcolor="#FF0000FF" childpadding="3"><InnerUI/><Label name="after"/></HorizontalLayout></Window>)");
    skin.Add("XML/CustomControlXML/Inner.xml", R"(<Label name="inner" text="deep"/>)");
    ASSERT_TRUE(ui::ResourceManager::Instance().LoadResourceIndex());
    uitest::TestWindow window("XML_MAIN");
    window.factory = [&window](std::string_view tag) -> ui::Control* {
        ui::LayoutBuilder builder;
        if (ui::EqualsNoCase(tag, "PartUI"))
            return builder.Build("XML\\CustomControlXML\\Part.xml", &window.GetPaintManager(), &window);
        if (ui::EqualsNoCase(tag, "InnerUI"))
            return builder.Build("XML/CustomControlXML/Inner.xml", &window.GetPaintManager(), &window);
        return nullptr;
    };
    ASSERT_TRUE(window.Open());
    auto* part = window.FindAs<ui::HorizontalLayout>("part");
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(window.Find("part_root"), nullptr);
    EXPECT_EQ(part->GetFixedHeight(), 40);
    EXPECT_EQ(part->GetBkColor(), 0xFF010203u);
    EXPECT_EQ(part->GetChildPadding(), 3);
    ASSERT_EQ(part->GetCount(), 2);
    EXPECT_EQ(part->GetItemAt(0)->GetName(), "inner");
    EXPECT_EQ(part->GetItemAt(0)->GetText(), "deep");
}

TEST_F(Builder, ChildLayoutBuildsItsFileWithTheWindowsFactory)
{
    skin.Add("XML/child.xml", R"(<Window><HorizontalLayout name="child_root"><Marked name="inside"/></HorizontalLayout></Window>)");
    skin.Add("main.xml", R"(<Window size="200,100"><VerticalLayout><ChildLayout name="slot" xmlfile="XML\child.xml" height="40"/><Control/></VerticalLayout></Window>)");
    uitest::TestWindow window("main.xml");
    window.factory = [](std::string_view tag) -> ui::Control* {
        return ui::EqualsNoCase(tag, "Marked") ? new MarkedButton : nullptr;
    };
    ASSERT_TRUE(window.Open());
    window.GetPaintManager().UpdateLayout();
    ASSERT_NE(window.Find("inside"), nullptr);
    EXPECT_EQ(window.Find("inside")->GetClass(), "MarkedButton");
    EXPECT_EQ(window.Find("child_root")->GetPos(), (ui::Rect{0, 0, 200, 40}));
}

TEST_F(Builder, DefaultsIncludesFontsAndStyles)
{
    skin.Add("inc.xml", R"(<Window><Label name="inc" text="i"/></Window>)");
    skin.Add("main.xml", R"(<Window size="200,100" caption="0,0,0,30" sizebox="4,4,4,4" mininfo="100,50" roundcorner="8,8">
        <Font id="3" name="Verdana" size="30" bold="true"/>
        <Font name="Sans" size="14"/>
        <Default name="Button" value="textcolor=&quot;#FF112233&quot; height=&quot;24&quot;"/>
        <Style name="caption_text" value="font=&quot;3&quot; textcolor=&quot;#FF445566&quot;"/>
        <VerticalLayout>
          <Button name="plain"/><Button name="own" textcolor="#FFABCDEF"/>
          <Label name="styled" style="caption_text"/>
          <Include source="inc.xml" count="2"/>
        </VerticalLayout></Window>)");
    uitest::TestWindow window("main.xml");
    ASSERT_TRUE(window.Open());
    ui::PaintManager& pm = window.GetPaintManager();
    EXPECT_EQ(pm.GetCaptionRect(), (ui::Rect{0, 0, 0, 30}));
    EXPECT_EQ(pm.GetSizeBox(), (ui::Rect{4, 4, 4, 4}));
    EXPECT_EQ(pm.GetMinInfo(), (ui::Size{100, 50}));
    EXPECT_EQ(pm.GetRoundCorner(), (ui::Size{8, 8}));
    EXPECT_EQ(window.Find("plain")->GetTextColor(), 0xFF112233u);
    EXPECT_EQ(window.Find("plain")->GetFixedHeight(), 24);
    EXPECT_EQ(window.Find("own")->GetTextColor(), 0xFFABCDEFu);
    EXPECT_EQ(window.Find("styled")->GetTextColor(), 0xFF445566u);
    EXPECT_EQ(pm.GetFont(window.Find("styled")->GetFont()).family, "Verdana");
    EXPECT_TRUE(pm.GetFont(3).bold);
    EXPECT_EQ(pm.GetFont(99).family, "Sans");
    auto* root = static_cast<ui::Container*>(pm.GetRoot());
    EXPECT_EQ(root->GetCount(), 5);
    pm.SetDpi(144);
    EXPECT_EQ(pm.GetFont(3).size, 45);
}

struct FaultCase {
    const char* name;
    const char* file;      // written to layout.xml unless null
    bool builds;
    const char* present;   // a control that must exist when built
    const char* traced;    // text the trace must contain
};

class BuilderFaults : public Builder, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(BuilderFaults, NeverCrashAndSaySo)
{
    const FaultCase& c = GetParam();
    if (c.file)
        skin.Add("layout.xml", c.file);
    ui::PaintManager pm;
    ui::LayoutBuilder builder;
    ui::Control* root = builder.Build("layout.xml", &pm);
    EXPECT_EQ(root != nullptr, c.builds);
    if (root) {
        pm.AttachRoot(root);
        EXPECT_NE(pm.FindControl(c.present), nullptr);
    }
    EXPECT_NE(TraceText().find(c.traced), std::string::npos) << TraceText();
}

const FaultCase kFaults[] = {
    {"MissingFile", nullptr, false, "", "layout"},
    {"MalformedXml", "<Window><VerticalLayout></Window>", false, "", "layout"},
    {"EmptyFile", "", false, "", "layout"},
    {"UnknownAttributeSkipped", R"(<VerticalLayout name="r"><Label name="a" sparkle="yes"/></VerticalLayout>)", true, "a",
     "attribute sparkle=\"yes\" ignored"},
    {"BadNumberSkipped", R"(<VerticalLayout name="r"><Label name="a" width="12px"/></VerticalLayout>)", true, "a",
     "width=\"12px\" ignored"},
    {"BadColourSkipped", R"(<VerticalLayout name="r"><Label name="a" bkcolor="#GG000000"/></VerticalLayout>)", true, "a",
     "bkcolor=\"#GG000000\" ignored"},
    {"ShortRectSkipped", R"(<VerticalLayout name="r"><Label name="a" padding="1,2,3"/></VerticalLayout>)", true, "a",
     "padding=\"1,2,3\" ignored"},
    {"UnknownTagSkippedWithChildren",
     R"(<VerticalLayout name="r"><Gizmo><Label name="lost"/></Gizmo><Label name="kept"/></VerticalLayout>)", true, "kept",
     "unknown tag <Gizmo>"},
    {"MissingIncludeSkipped", R"(<VerticalLayout name="r"><Include source="nowhere.xml"/><Label name="kept"/></VerticalLayout>)",
     true, "kept", "nowhere.xml"},
    {"SelfIncludeStops", R"(<VerticalLayout name="r"><Include source="layout.xml"/></VerticalLayout>)", true, "r",
     "nested too deep"},
    {"BadWindowAttribute", R"(<Window size="big"><Label name="a"/></Window>)", true, "a", "size=\"big\" ignored"},
};

INSTANTIATE_TEST_SUITE_P(Table, BuilderFaults, ::testing::ValuesIn(kFaults), CaseName());

TEST_F(Builder, UnknownTagsOfAToolCanBecomeContainers)
{
    ui::PaintManager pm;
    ui::LayoutBuilder builder;
    std::vector<std::string> unknown;
    builder.SetUnknownTagHandler([&](std::string_view tag) {
        unknown.emplace_back(tag);
        return new ui::Container;
    });
    ASSERT_TRUE(pm.AttachRoot(builder.BuildFromText(R"(<VerticalLayout><Gizmo name="g"><Label name="in"/></Gizmo></VerticalLayout>)", &pm)));
    EXPECT_EQ(unknown, std::vector<std::string>{"Gizmo"});
    EXPECT_NE(pm.FindControl("in"), nullptr);
}

} // namespace
