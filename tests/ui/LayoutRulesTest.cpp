#include "tests/support/CaseName.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/AttributeValue.h"
#include "ui/Container.h"
#include "ui/LayoutBuilder.h"
#include "ui/PaintManager.h"
#include "ui/ScrollBar.h"

#include <gtest/gtest.h>
#include <map>

namespace {

struct LayoutCase {
    std::string name;
    std::string xml;
    ui::Size client;
    std::map<std::string, std::string> expected; // control name -> "l,t,r,b" or "hidden"
    int dpi = 96;
};

class LayoutRules : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutRules, PlacesChildren)
{
    const LayoutCase& c = GetParam();
    uitest::Skin skin;
    ui::PaintManager manager;
    manager.SetDpi(c.dpi);
    ui::LayoutBuilder builder;
    ASSERT_TRUE(manager.AttachRoot(builder.BuildFromText(c.xml, &manager)));
    manager.SetClientSize(c.client);
    manager.UpdateLayout();
    for (const auto& [name, rect] : c.expected) {
        ui::Control* control = manager.FindControl(name);
        ASSERT_NE(control, nullptr) << name;
        if (rect == "hidden")
            EXPECT_FALSE(control->IsVisible()) << name;
        else
            EXPECT_EQ(ui::FormatRect(control->GetPos()), rect) << name;
    }
}

const LayoutCase kCases[] = {
    {"FixedHonouredRestSharedEqually",
     R"(<VerticalLayout><Control name="a" height="20"/><Control name="b"/><Control name="c"/></VerticalLayout>)",
     {200, 100},
     {{"a", "0,0,200,20"}, {"b", "0,20,200,60"}, {"c", "0,60,200,100"}}},
    {"RemainderGoesToLastStretching",
     R"(<VerticalLayout><Control name="a"/><Control name="b"/></VerticalLayout>)",
     {200, 101},
     {{"a", "0,0,200,50"}, {"b", "0,50,200,101"}}},
    {"HiddenChildTakesNoSpace",
     R"(<VerticalLayout><Control name="a" height="20" visible="false"/><Control name="b"/></VerticalLayout>)",
     {200, 100},
     {{"a", "hidden"}, {"b", "0,0,200,100"}}},
    {"InsetAndChildPadding",
     R"(<VerticalLayout inset="10,5,10,5" childpadding="4"><Control name="a" height="20"/><Control name="b"/></VerticalLayout>)",
     {200, 100},
     {{"a", "10,5,190,25"}, {"b", "10,29,190,95"}}},
    {"PaddingIsOuterMargin",
     R"(<VerticalLayout><Control name="a" height="20" padding="5,3,7,2"/><Control name="b"/></VerticalLayout>)",
     {200, 100},
     {{"a", "5,3,193,23"}, {"b", "0,25,200,100"}}},
    {"StretchClampedToMaxGivesRestToOthers",
     R"(<VerticalLayout><Control name="a" maxheight="10"/><Control name="b"/></VerticalLayout>)",
     {200, 100},
     {{"a", "0,0,200,10"}, {"b", "0,10,200,100"}}},
    {"StretchClampedToMin",
     R"(<VerticalLayout><Control name="a" minheight="80"/><Control name="b"/><Control name="c"/></VerticalLayout>)",
     {200, 100},
     {{"a", "0,0,200,80"}, {"b", "0,80,200,90"}, {"c", "0,90,200,100"}}},
    {"FixedWidthAcrossFromLeft",
     R"(<VerticalLayout><Control name="a" width="50" height="20"/></VerticalLayout>)",
     {200, 100},
     {{"a", "0,0,50,20"}}},
    {"HorizontalMirrorsVertical",
     R"(<HorizontalLayout childpadding="2"><Control name="a" width="30"/><Control name="b"/><Control name="c" width="40" height="10"/></HorizontalLayout>)",
     {200, 50},
     {{"a", "0,0,30,50"}, {"b", "32,0,158,50"}, {"c", "160,0,200,10"}}},
    {"FloatPlacedByPosAndTakesNoSpace",
     R"(<VerticalLayout inset="4,4,4,4"><Control name="f" float="true" pos="10,10,60,40"/><Control name="b"/></VerticalLayout>)",
     {200, 100},
     {{"f", "10,10,60,40"}, {"b", "4,4,196,96"}}},
    {"NestedFloatRelativeToParent",
     R"(<VerticalLayout><Control height="30"/><HorizontalLayout name="row"><Control name="f" float="true" pos="5,6,25,16"/></HorizontalLayout></VerticalLayout>)",
     {200, 100},
     {{"row", "0,30,200,100"}, {"f", "5,36,25,46"}}},
    {"TabShowsOnlySelected",
     R"(<TabLayout selectedid="1"><Control name="p0"/><Control name="p1"/><Control name="p2"/></TabLayout>)",
     {200, 100},
     {{"p0", "hidden"}, {"p1", "0,0,200,100"}, {"p2", "hidden"}}},
    {"PlainContainerStacksFromTopLeft",
     R"(<Container inset="2,2,2,2"><Control name="a"/><Control name="b" width="20" height="10"/></Container>)",
     {100, 50},
     {{"a", "2,2,98,48"}, {"b", "2,2,22,12"}}},
    {"OverflowShowsScrollBarAndNarrowsContent",
     R"(<VerticalLayout vscrollbar="true" scrollbarsize="8"><Control name="a" height="50"/><Control name="b" height="50"/><Control name="c" height="50"/></VerticalLayout>)",
     {200, 100},
     {{"a", "0,0,192,50"}, {"c", "0,100,192,150"}}},
    {"ContentThatFitsNeedsNoScrollBar",
     R"(<VerticalLayout vscrollbar="true"><Control name="a" height="50"/><Control name="b"/></VerticalLayout>)",
     {200, 100},
     {{"a", "0,0,200,50"}, {"b", "0,50,200,100"}}},
    {"DpiScalesFixedSizesAndPadding",
     R"(<VerticalLayout childpadding="5"><Control name="a" height="20"/><Control name="b"/></VerticalLayout>)",
     {200, 100},
     {{"a", "0,0,200,40"}, {"b", "0,50,200,100"}},
     192},
};

INSTANTIATE_TEST_SUITE_P(Table, LayoutRules, ::testing::ValuesIn(kCases), CaseName());

TEST(LayoutScroll, ScrollPositionMovesContentAndIsClamped)
{
    uitest::Skin skin;
    ui::PaintManager manager;
    ui::LayoutBuilder builder;
    manager.AttachRoot(builder.BuildFromText(
        R"(<VerticalLayout name="list" vscrollbar="true"><Control name="a" height="50"/><Control name="b" height="50"/><Control name="c" height="50"/></VerticalLayout>)",
        &manager));
    manager.SetClientSize({200, 100});
    manager.UpdateLayout();
    auto* list = static_cast<ui::Container*>(manager.FindControl("list"));
    ASSERT_NE(list->GetVerticalScrollBar(), nullptr);
    EXPECT_TRUE(list->GetVerticalScrollBar()->IsVisible());
    EXPECT_EQ(list->GetScrollRange().cy, 50);
    list->SetScrollPos({0, 30});
    EXPECT_EQ(ui::FormatRect(manager.FindControl("a")->GetPos()), "0,-30,192,20");
    list->SetScrollPos({0, 500});
    EXPECT_EQ(list->GetScrollPos().cy, 50);
    // The wheel scrolls the nearest scrolling container of the control under the pointer.
    manager.OnWheel({50, 60}, 1);
    EXPECT_EQ(list->GetScrollPos().cy, 20);
    // A child scrolled out of the content area cannot be hit.
    list->SetScrollPos({0, 50});
    EXPECT_EQ(manager.FindControl(ui::Point{50, 1}), manager.FindControl("b"));
}

} // namespace
