#include "tests/ui/UiTestSupport.h"
#include "ui/Button.h"
#include "ui/Container.h"
#include "ui/ScrollBar.h"
#include "ui/Slider.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

// The first bytes of a PNG file, which is all the headless host reads.
std::string PngHeader(int width, int height)
{
    std::string bytes("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
    for (int value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += static_cast<char>((value >> shift) & 0xFF);
    return bytes + std::string("\x08\x06\0\0\0", 5);
}

class Paint : public ::testing::Test {
protected:
    Paint()
    {
        skin.Add("btn.png", PngHeader(40, 20));
        skin.Add("bk.png", PngHeader(10, 10));
    }
    uitest::TestWindow& Open(const std::string& body)
    {
        skin.Add("p.xml", "<Window size=\"200,100\"><Font id=\"2\" name=\"Verdana\" size=\"18\"/><Font name=\"Sans\" size=\"14\"/>"
                          "<VerticalLayout name=\"root\" bkcolor=\"#FF121419\">" + body + "</VerticalLayout></Window>");
        window = std::make_unique<uitest::TestWindow>("p.xml");
        EXPECT_TRUE(window->Open());
        skin.platform.Headless().RunPending();
        return *window;
    }
    std::vector<std::string> Painted()
    {
        ui::RecordingCanvas canvas;
        window->GetPaintManager().Paint(canvas, {0, 0, 200, 100});
        return canvas.Lines();
    }

    uitest::Skin skin;
    std::unique_ptr<uitest::TestWindow> window;
};

TEST_F(Paint, StagesInOrder)
{
    Open(R"(<Button name="b" height="30" text="OK" font="2" bkcolor="#FF242832" bkimage="bk.png"
             normalimage="file='btn.png' corner='4,4,4,4'" hotimage="file='btn.png' source='0,0,20,20'"
             foreimage="file='btn.png' dest='5,5,15,15'" textcolor="#FFE6E8EB" bordercolor="#FF2E3340" bordersize="1"/>)");
    std::vector<std::string> expected{
        "fill 0,0,200,100 #FF121419",
        "fill 0,0,200,30 #FF242832",
        "image 0,0,200,30 file=bk.png",
        "image 0,0,200,30 file=btn.png",
        "image 0,0,200,30 file=btn.png dest=5,5,15,15",
        "text 0,0,200,30 \"OK\" font=Verdana/18 #FFE6E8EB style=0x25",
        "frame 0,0,200,30 #FF2E3340",
    };
    EXPECT_EQ(Painted(), expected);
    // The hot state picks the hot image.
    window->GetPaintManager().OnPointerMove({10, 10});
    ui::RecordingCanvas canvas;
    window->GetPaintManager().Paint(canvas, {0, 0, 200, 100});
    ASSERT_GE(canvas.Entries().size(), 4u);
    EXPECT_EQ(canvas.Entries()[3].image.source, (ui::Rect{0, 0, 20, 20}));
}

TEST_F(Paint, DisabledTextColourAndDefaults)
{
    Open(R"(<Label name="l" height="20" text="off" textcolor="#FF111111" disabledtextcolor="#FF666666" enabled="false"/>
            <Label name="d" height="20" text="plain"/>)");
    std::vector<std::string> lines = Painted();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "text 0,0,200,20 \"off\" font=Sans/14 #FF666666 style=0x24");
    EXPECT_EQ(lines[2], "text 0,20,200,40 \"plain\" font=Sans/14 #FFE6E8EB style=0x24");
}

TEST_F(Paint, OnlyTheDirtyPartAndTheParentsClip)
{
    Open(R"(<HorizontalLayout name="row" height="40" width="100">
              <Control name="in" width="60" bkcolor="#FF0000FF"/><Control name="out" width="80" bkcolor="#FF00FF00"/>
            </HorizontalLayout><Control name="low" bkcolor="#FFFF0000"/>)");
    // "out" lies partly beyond its parent: it is drawn with the parent's clip.
    ui::RecordingCanvas canvas;
    window->GetPaintManager().Paint(canvas, {0, 0, 200, 100});
    bool sawOut = false;
    for (const auto& entry : canvas.Entries())
        if (entry.colour == 0xFF00FF00u) {
            sawOut = true;
            EXPECT_EQ(entry.clip, (ui::Rect{60, 0, 100, 40}));
        }
    EXPECT_TRUE(sawOut);
    // A repaint of the lower part only leaves the row out.
    ui::RecordingCanvas lower;
    window->GetPaintManager().Paint(lower, {0, 50, 200, 100});
    for (const auto& entry : lower.Entries())
        EXPECT_NE(entry.colour, 0xFF0000FFu);
    // A control scrolled or moved wholly outside its parent is not drawn at all.
    window->Find("out")->SetFloat(true);
    window->Find("out")->SetFloatPos({150, 0, 190, 10});
    window->GetPaintManager().UpdateLayout();
    ui::RecordingCanvas moved;
    window->GetPaintManager().Paint(moved, {0, 0, 200, 100});
    for (const auto& entry : moved.Entries())
        EXPECT_NE(entry.colour, 0xFF00FF00u);
}

TEST_F(Paint, FirstPaintSendsWindowInitAndToolTipsWait)
{
    struct Spy : ui::NotifyReceiver {
        int inits = 0;
        void Notify(ui::Notification& n) override { inits += n.type == "windowinit"; }
    } spy;
    skin.Add("tip.xml", R"(<Window size="200,100"><VerticalLayout><Button name="b" height="30" tooltip="Press" tooltiptitle="Key" cursor="hand"/></VerticalLayout></Window>)");
    uitest::TestWindow w("tip.xml");
    w.onNotify = [](ui::Notification&) {};
    ASSERT_TRUE(w.Create({}, "t", ui::WindowStyle::Popup, 0, 0, 0, 200, 100));
    w.GetPaintManager().AddNotifier(&spy);
    skin.platform.Headless().RunPending();
    EXPECT_EQ(spy.inits, 0) << "a hidden window does not paint";
    w.ShowWindow();
    skin.platform.Headless().RunPending();
    EXPECT_EQ(spy.inits, 1);
    w.GetPaintManager().Invalidate();
    skin.platform.Headless().RunPending();
    EXPECT_EQ(spy.inits, 1);

    w.GetPaintManager().OnPointerMove({10, 10});
    EXPECT_EQ(w.Host().Cursor(), "hand");
    skin.platform.Headless().AdvanceBy(399);
    EXPECT_EQ(w.Host().ToolTip(), "");
    skin.platform.Headless().AdvanceBy(1);
    EXPECT_EQ(w.Host().ToolTip(), "Press");
    EXPECT_EQ(w.Host().ToolTipTitle(), "Key");
    w.GetPaintManager().OnPointerMove({10, 80});
    EXPECT_EQ(w.Host().ToolTip(), "");
    w.GetPaintManager().RemoveNotifier(&spy);
}

TEST_F(Paint, ThumbImagesCoverTheThumbAlone)
{
    skin.Add("thumb.png", PngHeader(8, 8));
    Open(R"(<Slider name="s" height="20" max="100" value="50" thumbsize="20,20" thumbimage="thumb.png" bkimage="bk.png"/>
            <VerticalLayout name="v" height="40" vscrollbar="true"><Control height="200"/></VerticalLayout>
            <ColorPalette name="p" height="30" thumbimage="thumb.png"/>)");
    auto* slider = window->FindAs<ui::Slider>("s");
    ui::ScrollBar* bar = window->FindAs<ui::Container>("v")->GetVerticalScrollBar();
    ASSERT_TRUE(bar->SetAttribute("thumbimage", "thumb.png"));
    window->GetPaintManager().UpdateLayout();
    std::vector<ui::Rect> thumbs;
    ui::Rect sliderBackground;
    ui::RecordingCanvas canvas;
    window->GetPaintManager().Paint(canvas, {0, 0, 200, 100});
    for (const auto& entry : canvas.Entries()) {
        if (entry.text == "thumb.png")
            thumbs.push_back(entry.rect);
        else if (entry.text == "bk.png")
            sliderBackground = entry.rect;
    }
    // The slider's, the scroll bar's, then the palette's two (hue and brightness), 10 by 10.
    ASSERT_EQ(thumbs.size(), 4u);
    EXPECT_EQ(thumbs[0], slider->GetThumbRect());
    EXPECT_EQ(thumbs[1], bar->GetThumbRect());
    for (const ui::Rect& thumb : {thumbs[2], thumbs[3]})
        EXPECT_EQ((ui::Size{thumb.Width(), thumb.Height()}), (ui::Size{10, 10}));
    EXPECT_EQ(sliderBackground, slider->GetPos());
}

TEST_F(Paint, DpiScalesLayoutFontsAndImageDest)
{
    Open(R"(<Button name="b" height="30" text="OK" font="2" foreimage="file='btn.png' dest='5,5,15,15'"/>)");
    ASSERT_TRUE(window->ApplyDpi(192));
    EXPECT_EQ(window->GetWindowRect().Width(), 400);
    window->GetPaintManager().UpdateLayout();
    EXPECT_EQ(window->Find("b")->GetPos(), (ui::Rect{0, 0, 400, 60}));
    std::vector<std::string> lines = Painted();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "image 0,0,400,60 file=btn.png dest=10,10,30,30"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "text 0,0,400,60 \"OK\" font=Verdana/36 #FFE6E8EB style=0x25"), lines.end());
    EXPECT_FALSE(window->ApplyDpi(200));
    EXPECT_FALSE(window->ApplyDpi(40));

    // All windows at once, as the main window fits itself to a monitor.
    uitest::TestWindow other("p.xml");
    ASSERT_TRUE(other.Open());
    ui::PaintManager::SetAllDpi(96);
    EXPECT_EQ(window->GetWindowRect().Width(), 200);
    EXPECT_EQ(other.GetWindowRect().Width(), 200);
    ui::PaintManager::SetAllDpi(144);
    EXPECT_EQ(window->GetWindowRect().Width(), 300);
    EXPECT_EQ(other.GetWindowRect().Height(), 150);
}

} // namespace
