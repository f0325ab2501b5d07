#include "tests/ui/UiTestSupport.h"
#include "ui/CheckBox.h"
#include "ui/ColorPalette.h"
#include "ui/Combo.h"
#include "ui/ComboDropWindow.h"
#include "ui/Edit.h"
#include "ui/List.h"
#include "ui/ListLabelElement.h"
#include "ui/MenuWindow.h"
#include "ui/Option.h"
#include "ui/RichEdit.h"
#include "ui/Slider.h"
#include "ui/TabLayout.h"

#include <gtest/gtest.h>

namespace {

using uitest::Seen;

class Controls : public ::testing::Test {
protected:
    uitest::TestWindow& Open(const std::string& body)
    {
        skin.Add("controls.xml", "<Window size=\"400,300\"><VerticalLayout name=\"root\">" + body + "</VerticalLayout></Window>");
        window = std::make_unique<uitest::TestWindow>("controls.xml");
        EXPECT_TRUE(window->Open());
        skin.platform.Headless().RunPending();
        window->GetPaintManager().UpdateLayout();
        return *window;
    }
    ui::Point Centre(const char* name)
    {
        const ui::Rect& rc = window->Find(name)->GetPos();
        return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    std::vector<Seen> Take()
    {
        std::vector<Seen> seen;
        seen.swap(window->seen);
        return seen;
    }

    uitest::Skin skin;
    std::unique_ptr<uitest::TestWindow> window;
};

TEST_F(Controls, OptionGroupKeepsOneSelected)
{
    auto& w = Open(R"(<Option name="z" group="g" selected="true" height="20"/><Option name="a" group="g" height="20"/><Option name="b" group="g" selected="true" height="20"/>
                      <Option name="c" group="other" selected="true" height="20"/><TabLayout name="tabs"><Control/><Control/></TabLayout>)");
    auto* a = w.FindAs<ui::Option>("a");
    auto* b = w.FindAs<ui::Option>("b");
    EXPECT_FALSE(w.FindAs<ui::Option>("z")->IsSelected()) << "the layout's last selected option of a group wins";
    EXPECT_TRUE(b->IsSelected());
    a->BindTab("tabs", 1);
    w.GetPaintManager().ClickControl(a);
    EXPECT_TRUE(a->IsSelected());
    EXPECT_FALSE(b->IsSelected());
    EXPECT_TRUE(w.FindAs<ui::Option>("c")->IsSelected());
    EXPECT_EQ(w.FindAs<ui::TabLayout>("tabs")->GetCurSel(), 1);
    // One click, one "click" and one "selectchanged", both from the chosen option.
    std::vector<Seen> expected{{"click", "a", 0, 0}, {"tabselect", "tabs", 1, 0}, {"selectchanged", "a", 1, 0}};
    EXPECT_EQ(Take(), expected);
    // Clicking the selected one again keeps it selected and reports no change.
    w.GetPaintManager().ClickControl(a);
    EXPECT_TRUE(a->IsSelected());
    EXPECT_EQ(Take(), (std::vector<Seen>{{"click", "a", 0, 0}}));
    b->Selected(true, false);
    EXPECT_FALSE(a->IsSelected());
    EXPECT_TRUE(Take().empty());
}

TEST_F(Controls, CheckBoxToggles)
{
    auto& w = Open(R"(<CheckBox name="k" height="20"/>)");
    auto* k = w.FindAs<ui::CheckBox>("k");
    w.GetPaintManager().ClickControl(k);
    EXPECT_TRUE(k->IsChecked());
    w.GetPaintManager().ClickControl(k);
    EXPECT_FALSE(k->IsChecked());
    std::vector<Seen> expected{{"click", "k", 0, 0}, {"selectchanged", "k", 1, 0}, {"checkclick", "k", 1, 0},
                               {"click", "k", 0, 0}, {"selectchanged", "k", 0, 0}, {"checkclick", "k", 0, 0}};
    EXPECT_EQ(Take(), expected);
}

TEST_F(Controls, ButtonClickNeedsReleaseInside)
{
    auto& w = Open(R"(<Button name="b" height="30"/><Control/>)");
    ui::PaintManager& pm = w.GetPaintManager();
    pm.OnPointerMove(Centre("b"));
    pm.OnButtonDown(Centre("b"));
    EXPECT_TRUE(w.Find("b")->IsPushed());
    pm.OnPointerMove({200, 200});
    EXPECT_FALSE(w.Find("b")->IsPushed());
    pm.OnButtonUp({200, 200});
    EXPECT_TRUE(Take().empty());
    w.Find("b")->SetEnabled(false);
    pm.ClickControl(w.Find("b"));
    EXPECT_TRUE(Take().empty());
}

TEST_F(Controls, SliderDragReportsMovesThenTheValue)
{
    auto& w = Open(R"(<Slider name="s" height="20" min="0" max="100" step="10" thumbsize="20,20"/>)");
    auto* s = w.FindAs<ui::Slider>("s");
    ui::PaintManager& pm = w.GetPaintManager();
    // Width 400, thumb 20: the travel is 380 pixels for 100 units.
    ui::Rect thumb = s->GetThumbRect();
    ui::Point start{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    pm.OnPointerMove(start);
    pm.OnButtonDown(start);
    pm.OnPointerMove({start.x + 95, start.y});  // 25 units: snaps to 30
    pm.OnPointerMove({start.x + 96, start.y});  // still 30: nothing new
    pm.OnPointerMove({start.x + 190, start.y}); // 50
    pm.OnButtonUp({start.x + 190, start.y});
    EXPECT_EQ(s->GetValue(), 50);
    std::vector<Seen> expected{{"movevaluechanged", "s", 0, 0}, {"movevaluechanged", "s", 0, 0}, {"valuechanged", "s", 0, 0}};
    EXPECT_EQ(Take(), expected);
    // A press on the track jumps there; the release reports it.
    pm.Click({390, 10});
    EXPECT_EQ(s->GetValue(), 100);
    EXPECT_EQ(Take(), (std::vector<Seen>{{"valuechanged", "s", 0, 0}}));
    // Keys step by the step and stop at the ends.
    pm.OnKeyDown(ui::Key::Right);
    EXPECT_EQ(s->GetValue(), 100);
    pm.OnKeyDown(ui::Key::Left);
    EXPECT_EQ(s->GetValue(), 90);
    EXPECT_EQ(Take(), (std::vector<Seen>{{"valuechanged", "s", 0, 0}}));
}

TEST_F(Controls, EditTypingFiltersAndNotifies)
{
    auto& w = Open(R"(<Edit name="e" height="24" numberonly="true" maxchar="3"/><Edit name="t" height="24"/><Label name="l" height="20"/>)");
    auto* e = w.FindAs<ui::Edit>("e");
    ui::PaintManager& pm = w.GetPaintManager();
    pm.ClickControl(e);
    EXPECT_EQ(pm.GetFocus(), e);
    for (const char* typed : {"1", "x", "2", "3", "4"})
        pm.OnChar(typed);
    EXPECT_EQ(e->GetText(), "123");
    pm.OnKeyDown(ui::Key::Back);
    EXPECT_EQ(e->GetText(), "12");
    pm.OnKeyDown(ui::Key::Return);
    pm.ClickControl(w.Find("l"));
    std::vector<Seen> expected{{"setfocus", "e", 0, 0},    {"textchanged", "e", 0, 0}, {"textchanged", "e", 0, 0},
                               {"textchanged", "e", 0, 0}, {"textchanged", "e", 0, 0}, {"return", "e", 0, 0},
                               {"killfocus", "e", 0, 0}};
    EXPECT_EQ(Take(), expected);
    // Multi-byte characters count as one each and the caret steps over them whole.
    auto* t = w.FindAs<ui::Edit>("t");
    t->SetMaxChar(2);
    pm.ClickControl(t);
    pm.OnChar("\xC3\xA9");
    pm.OnChar("\xE6\x97\xA5");
    pm.OnChar("z");
    EXPECT_EQ(t->GetText(), "\xC3\xA9\xE6\x97\xA5");
    pm.OnKeyDown(ui::Key::Back);
    EXPECT_EQ(t->GetText(), "\xC3\xA9");
    // Read-only refuses typing; text from the host's editor is filtered the same way.
    t->SetReadOnly(true);
    pm.OnChar("q");
    EXPECT_EQ(t->GetText(), "\xC3\xA9");
    e->SetTextFromHost("98a76");
    EXPECT_EQ(e->GetText(), "987");
}

TEST_F(Controls, RichEditTakesLines)
{
    auto& w = Open(R"(<RichEdit name="r" height="80"/>)");
    ui::PaintManager& pm = w.GetPaintManager();
    pm.ClickControl(w.Find("r"));
    pm.OnChar("a");
    pm.OnKeyDown(ui::Key::Return);
    pm.OnChar("b");
    EXPECT_EQ(w.Find("r")->GetText(), "a\nb");
}

TEST_F(Controls, ComboSelectsFromItsDropDown)
{
    auto& w = Open(R"(<Combo name="c" height="30" itemheight="30" itemresourcetext="false">
        <ListLabelElement name="i0" text="zero" userdata="u0"/>
        <ListLabelElement name="i1" text="one" visible="false"/>
        <ListLabelElement name="i2" text="two"/></Combo><Control name="below"/>)");
    auto* combo = w.FindAs<ui::Combo>("c");
    ASSERT_EQ(combo->GetCount(), 3);
    EXPECT_EQ(combo->GetItemAt(0)->GetFixedHeight(), 30);
    EXPECT_EQ(combo->GetItemAt(0)->GetUserData(), "u0");
    combo->SelectItem(0, false, false);
    EXPECT_EQ(combo->GetText(), "zero");
    EXPECT_TRUE(Take().empty());

    w.GetPaintManager().ClickControl(combo);
    ui::ComboDropWindow* drop = combo->GetDropDown();
    ASSERT_NE(drop, nullptr);
    skin.platform.Headless().RunPending();
    // The drop-down lies below the field and shows the visible rows only.
    EXPECT_EQ(drop->GetWindowRect().top, w.ClientToScreen({0, combo->GetPos().bottom}).y);
    ui::PaintManager& dropPm = drop->GetPaintManager();
    dropPm.UpdateLayout();
    ui::Control* two = combo->GetItemAt(2);
    EXPECT_FALSE(combo->GetItemAt(1)->IsVisible());
    EXPECT_EQ(two->GetManager(), &dropPm);
    dropPm.ClickControl(two);
    skin.platform.Headless().RunPending();
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_EQ(combo->GetDropDown(), nullptr);
    EXPECT_EQ(two->GetManager(), &w.GetPaintManager());
    EXPECT_EQ(Take(), (std::vector<Seen>{{"itemselect", "c", 2, 0}}));

    // Escape and a click outside close it without a choice.
    w.GetPaintManager().ClickControl(combo);
    ASSERT_NE(combo->GetDropDown(), nullptr);
    combo->GetDropDown()->GetPaintManager().OnKeyDown(ui::Key::Escape);
    skin.platform.Headless().RunPending();
    EXPECT_EQ(combo->GetDropDown(), nullptr);
    w.GetPaintManager().ClickControl(combo);
    skin.platform.Headless().RunPending();
    ASSERT_NE(combo->GetDropDown(), nullptr);
    skin.platform.Click(w, Centre("below"));
    skin.platform.Headless().RunPending();
    EXPECT_EQ(combo->GetDropDown(), nullptr);
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_TRUE(Take().empty());

    // Keys step over hidden rows; removing every row clears the selection.
    w.GetPaintManager().SetFocus(combo);
    w.GetPaintManager().OnKeyDown(ui::Key::Up);
    EXPECT_EQ(combo->GetCurSel(), 0);
    combo->RemoveAll();
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_EQ(combo->GetText(), "");
}

TEST_F(Controls, ListSelectsClicksAndActivates)
{
    auto& w = Open(R"(<List name="list" itemheight="20">
        <ListLabelElement name="r0" text="a"/><ListContainerElement name="r1"><Label name="cell" text="b"/></ListContainerElement>
      </List>)");
    auto* list = w.FindAs<ui::List>("list");
    ui::PaintManager& pm = w.GetPaintManager();
    pm.ClickControl(w.Find("cell")); // a press on a row's label selects the row
    EXPECT_EQ(list->GetCurSel(), 1);
    pm.OnDoubleClick(Centre("r0"));
    pm.OnButtonUp(Centre("r0"));
    std::vector<Seen> expected{{"itemselect", "list", 1, -1}, {"itemclick", "r1", 0, 0}, {"itemactivate", "r0", 0, 0},
                               {"itemclick", "r0", 0, 0}};
    EXPECT_EQ(Take(), expected);
    pm.OnKeyDown(ui::Key::Up);
    EXPECT_EQ(list->GetCurSel(), 0);
    list->SelectItem(1, false, false);
    list->Remove(list->GetItemAt(0));
    EXPECT_EQ(list->GetCurSel(), 0);
    EXPECT_EQ(Take(), (std::vector<Seen>{{"itemselect", "list", 0, 1}}));
}

// List and combo share their row bookkeeping: the same steps on each.
TEST_F(Controls, RowsStayNumberedAndTheSelectionFollowsItsRow)
{
    auto& w = Open(R"(<List name="list" itemheight="20"><ListLabelElement/><ListLabelElement/></List>
        <Combo name="combo" itemheight="20"><ListLabelElement/><ListLabelElement/></Combo>)");
    for (const char* name : {"list", "combo"}) {
        SCOPED_TRACE(name);
        auto* rows = w.FindAs<ui::Container>(name);
        auto* owner = dynamic_cast<ui::ListOwner*>(rows);
        ASSERT_NE(owner, nullptr);
        const auto indices = [rows] {
            std::vector<int> found;
            for (int i = 0; i < rows->GetCount(); ++i)
                found.push_back(ui::AsListItem(rows->GetItemAt(i))->GetIndex());
            return found;
        };
        ASSERT_TRUE(owner->SelectItem(1, false, false));
        auto* added = new ui::ListLabelElement;
        ASSERT_TRUE(rows->AddAt(added, 0));
        EXPECT_EQ(added->GetOwner(), owner);
        EXPECT_EQ(added->GetFixedHeight(), 20);
        EXPECT_EQ(owner->GetCurSel(), 2);
        EXPECT_EQ(indices(), (std::vector<int>{0, 1, 2}));
        ASSERT_TRUE(rows->Remove(rows->GetItemAt(1)));
        EXPECT_EQ(owner->GetCurSel(), 1);
        EXPECT_EQ(indices(), (std::vector<int>{0, 1}));
        // The selected row, handed back to the caller: it is nobody's row any more.
        std::unique_ptr<ui::ListLabelElement> selected(static_cast<ui::ListLabelElement*>(rows->GetItemAt(1)));
        ASSERT_TRUE(rows->Remove(selected.get(), true));
        EXPECT_EQ(selected->GetOwner(), nullptr);
        EXPECT_EQ(owner->GetCurSel(), -1);
        EXPECT_EQ(indices(), (std::vector<int>{0}));
    }
    EXPECT_TRUE(Take().empty());
}

TEST_F(Controls, ColorPaletteReportsOnRelease)
{
    auto& w = Open(R"(<ColorPalette name="p" height="120" barheight="10" bargap="10"/>)");
    auto* p = w.FindAs<ui::ColorPalette>("p");
    p->SetSelectColor(0xFF00FF00);
    EXPECT_EQ(p->GetHue(), 120);
    EXPECT_EQ(p->GetSelectColor(), 0xFF00FF00u);
    ui::PaintManager& pm = w.GetPaintManager();
    // The top-left corner of the palette is full red at the current brightness.
    pm.OnButtonDown({0, 0});
    EXPECT_TRUE(Take().empty());
    pm.OnButtonUp({0, 0});
    EXPECT_EQ(p->GetSelectColor(), 0xFFFF0000u);
    EXPECT_EQ(Take(), (std::vector<Seen>{{"colorchanged", "p", 0xFFFF0000u, 0}}));
    // The left end of the brightness bar is black.
    pm.Click({0, p->BarRect().top + 2});
    EXPECT_EQ(p->GetSelectColor(), 0xFF000000u);
}

TEST_F(Controls, MenuReportsTheChosenNameToItsOwner)
{
    skin.Add("menu.xml", R"(<Window size="120,60"><Menu name="m" itemheight="30">
        <MenuElement name="about_menu" text="About"/><MenuElement name="exit" text="Exit"/></Menu></Window>)");
    auto& w = Open(R"(<Control/>)");
    auto* menu = ui::MenuWindow::Open(w.GetHandle(), "menu.xml", {500, 400}, ui::MenuAlign::Right | ui::MenuAlign::Bottom);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->GetWindowRect(), (ui::Rect{380, 340, 500, 400}));
    std::string chosen;
    w.onMessage = [&](ui::MessageId id, ui::WParam wParam, ui::LParam) -> ui::LResult {
        if (id == ui::Msg::MenuCommand)
            chosen = reinterpret_cast<const ui::MenuCommandRecord*>(wParam)->name;
        return 0;
    };
    menu->GetPaintManager().ClickControl(menu->GetPaintManager().FindControl("exit"));
    skin.platform.Headless().RunPending();
    EXPECT_EQ(chosen, "exit");
    EXPECT_TRUE(skin.platform.Hosts().size() == 1) << "the menu closed";

    // Escape closes a menu without a command.
    chosen.clear();
    menu = ui::MenuWindow::Open(w.GetHandle(), "menu.xml", {0, 0}, 0);
    ASSERT_NE(menu, nullptr);
    menu->GetPaintManager().OnKeyDown(ui::Key::Escape);
    skin.platform.Headless().RunPending();
    EXPECT_EQ(chosen, "");
    EXPECT_EQ(skin.platform.Hosts().size(), 1u);
    EXPECT_EQ(ui::MenuWindow::Open(w.GetHandle(), "missing.xml", {0, 0}, 0), nullptr);
}

} // namespace
