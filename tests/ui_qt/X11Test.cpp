#include "tests/support/TempFolder.h"
#include "tests/ui_qt/XvfbSession.h"
#include "ui/Combo.h"
#include "ui/ComboDropWindow.h"
#include "ui/Edit.h"
#include "ui/ResourceManager.h"
#include "ui/WindowImplBase.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/QtScreenshot.h"
#include "ui/qt/QtTrayIcon.h"

#include <QCoreApplication>
#include <QImage>
#include <QSystemTrayIcon>
#include <chrono>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {

// Lets Qt run until the condition holds or the time is up.
bool Pump(const std::function<bool()>& done, int ms = 5000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

class RealWindow : public ui::WindowImplBase {
public:
    std::string GetSkinFile() override { return "e2e.xml"; }
    std::string GetWindowClassName() const override { return "RealWindow"; }
    void Notify(ui::Notification& n) override
    {
        if (n.type != "windowinit" && n.type != "timer")
            seen.push_back(n.type + ":" + (n.sender ? n.sender->GetName() : ""));
    }
    ui::LResult HandleMessage(ui::MessageId message, ui::WParam wParam, ui::LParam lParam) override
    {
        if (message == ui::Msg::TrayCallback)
            tray.push_back(lParam);
        return WindowImplBase::HandleMessage(message, wParam, lParam);
    }
    bool Saw(const std::string& what) const { return std::find(seen.begin(), seen.end(), what) != seen.end(); }
    std::vector<std::string> seen;
    std::vector<ui::LParam> tray;
};

class X11 : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!XvfbSession::Have("Xvfb") || !XvfbSession::Have("xdotool"))
            GTEST_SKIP() << "Xvfb or xdotool is not installed (scripts/setup installs them)";
        // One X server and one Qt application for the whole test process:
        // Qt cannot lose its display and come back.
        static XvfbSession* xvfb = nullptr;
        static ui::QtPlatform* shared = nullptr;
        if (!xvfb) {
            xvfb = new XvfbSession;
            ASSERT_TRUE(xvfb->Start()) << "Xvfb did not start";
            static int argc = 1;
            static char name[] = "ui_qt_x11_tests";
            static char* argv[] = {name, nullptr};
            shared = new ui::QtPlatform(argc, argv);
            std::atexit([] { delete xvfb; });
        }
        ASSERT_NE(shared, nullptr);
        platform = shared;
        ui::ResourceManager::Instance().SetSkinFolder(skin.path());
        std::ofstream(skin / "e2e.xml") << R"(<Window size="400,200" caption="0,0,0,30" sizebox="4,4,4,4" mininfo="300,150">
            <Font name="DejaVu Sans" size="14"/>
            <VerticalLayout bkcolor="#FF121419" inset="10,40,10,10" childpadding="10">
              <Button name="ok_btn" height="40" text="OK" bkcolor="#FF242832" textcolor="#FFE6E8EB"/>
              <Edit name="name_edit" height="30" bkcolor="#FF1A1D24" textcolor="#FFE6E8EB"/>
            </VerticalLayout></Window>)";
    }
    void TearDown() override { window.reset(); }
    void Click(ui::Point screen, int button = 1)
    {
        XvfbSession::Run("xdotool mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) + " click " +
                         std::to_string(button));
    }
    ui::Point CentreOf(const char* name)
    {
        const ui::Rect& rc = window->GetPaintManager().FindControl(name)->GetPos();
        return window->ClientToScreen({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
    }

    TempFolder skin;
    ui::QtPlatform* platform = nullptr;
    std::unique_ptr<RealWindow> window;
};

TEST_F(X11, ClicksAndTypingReachTheControls)
{
    window = std::make_unique<RealWindow>();
    ASSERT_TRUE(window->Create({}, "Veltrane test", ui::WindowStyle::Popup | ui::WindowStyle::Visible, 0, 100, 100, 400, 200));
    ASSERT_TRUE(Pump([&] { return window->IsVisible() && window->GetPaintManager().HasPainted(); }));
    EXPECT_EQ(window->GetWindowRect().Width(), 400);

    Click(CentreOf("ok_btn"));
    ASSERT_TRUE(Pump([&] { return window->Saw("click:ok_btn"); })) << "no click arrived";

    Click(CentreOf("name_edit"));
    ASSERT_TRUE(Pump([&] { return window->Saw("setfocus:name_edit") && window->GetHost()->EditingControl(); }));
    XvfbSession::Run("xdotool type --delay 20 hello");
    auto* edit = static_cast<ui::Edit*>(window->GetPaintManager().FindControl("name_edit"));
    ASSERT_TRUE(Pump([&] { return edit->GetText() == "hello"; })) << "typed text: " << edit->GetText();
    EXPECT_TRUE(window->Saw("textchanged:name_edit"));

    // Clicking elsewhere ends the editing with the text handed back.
    Click(CentreOf("ok_btn"));
    ASSERT_TRUE(Pump([&] { return window->Saw("killfocus:name_edit"); }));
    EXPECT_EQ(window->GetHost()->EditingControl(), nullptr);
    EXPECT_EQ(edit->GetText(), "hello");

    const std::string shot = skin / "shot.png";
    ASSERT_TRUE(ui::QtScreenshot::SaveWindow(*window, shot));
    QImage image(QString::fromStdString(shot));
    EXPECT_EQ(image.size(), QSize(400, 200));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(0x12, 0x14, 0x19));
}

TEST_F(X11, ScreensCentringAndDragging)
{
    ui::ScreenInfo screen = platform->ScreenNearest({0, 0, 10, 10});
    EXPECT_EQ(screen.rect, (ui::Rect{0, 0, 1280, 1024}));
    window = std::make_unique<RealWindow>();
    ASSERT_TRUE(window->Create({}, "move", ui::WindowStyle::Popup | ui::WindowStyle::Visible, 0, 100, 100, 400, 200));
    ASSERT_TRUE(Pump([&] { return window->GetPaintManager().HasPainted(); }));
    window->CenterWindow();
    ASSERT_TRUE(Pump([&] { return window->GetWindowRect().left == 440; }, 2000)) << window->GetWindowRect().left;
    EXPECT_EQ(window->GetWindowRect().top, 412);

    // The caption area moves the window, the border sizes it (not below mininfo).
    auto drag = [](ui::Point from, int dx, int dy) {
        XvfbSession::Run("xdotool mousemove " + std::to_string(from.x) + " " + std::to_string(from.y) +
                         " mousedown 1 mousemove_relative -- " + std::to_string(dx / 2) + " " + std::to_string(dy / 2) +
                         " mousemove_relative -- " + std::to_string(dx - dx / 2) + " " + std::to_string(dy - dy / 2) +
                         " mouseup 1");
    };
    drag(window->ClientToScreen({200, 15}), 50, 30);
    ASSERT_TRUE(Pump([&] { return window->GetWindowRect().left == 490; }, 2000)) << window->GetWindowRect().left;
    EXPECT_EQ(window->GetWindowRect().top, 442);
    EXPECT_TRUE(window->seen.empty()) << "a caption drag is no click";
    drag(window->ClientToScreen({398, 198}), 40, 20);
    ASSERT_TRUE(Pump([&] { return window->GetWindowRect().Width() == 440; }, 2000)) << window->GetWindowRect().Width();
    EXPECT_EQ(window->GetWindowRect().Height(), 220);
    EXPECT_TRUE(Pump([&] { return window->GetPaintManager().GetClientSize().cx == 440; }, 2000));
    drag(window->ClientToScreen({438, 218}), -300, -300);
    ASSERT_TRUE(Pump([&] { return window->GetWindowRect().Width() == 300; }, 2000)) << window->GetWindowRect().Width();
    EXPECT_EQ(window->GetWindowRect().Height(), 150);
}

TEST_F(X11, TrayIconReportsClicks)
{
    if (!XvfbSession::Have("trayer"))
        GTEST_SKIP() << "no tray host: trayer is not installed";
    ChildProcess trayer;
    ASSERT_TRUE(trayer.Start({"trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width", "200",
                              "--heighttype", "pixel", "--height", "32"}));
    if (!Pump([] { return ui::QtTrayIcon::IsAvailable(); }, 5000))
        GTEST_SKIP() << "no tray host: trayer did not take the notification area";
    window = std::make_unique<RealWindow>();
    ASSERT_TRUE(window->Create({}, "tray", ui::WindowStyle::Popup, 0, 0, 0, 100, 100));
    QImage icon(22, 22, QImage::Format_ARGB32);
    icon.fill(QColor(0, 0x99, 0xFF));
    icon.save(QString::fromStdString(skin / "tray.png"));
    auto tray = platform->CreateTrayIcon();
    ASSERT_TRUE(tray->Show(window->GetHandle(), 1, ui::Msg::TrayCallback, skin / "tray.png", "Veltrane Software"));
    auto& native = static_cast<ui::QtTrayIcon&>(*tray).Native();
    // The panel places the icon after embedding it: wait until it stays put.
    QRect g;
    const bool settled = Pump([&] {
        const QRect before = native.geometry();
        Pump([] { return false; }, 200);
        g = native.geometry();
        return g.width() > 0 && g == before;
    });
    if (!settled)
        GTEST_SKIP() << "no tray host: the icon was never embedded";
    const ui::Point centre{g.center().x(), g.center().y()};
    Click(centre, 1);
    ASSERT_TRUE(Pump([&] { return !window->tray.empty(); })) << "no left click";
    EXPECT_EQ(window->tray.front(), static_cast<ui::LParam>(ui::Msg::LeftButtonUp));
    Click(centre, 3);
    ASSERT_TRUE(Pump([&] { return window->tray.size() >= 2; })) << "no right click";
    EXPECT_EQ(window->tray.back(), static_cast<ui::LParam>(ui::Msg::RightButtonUp));
}

} // namespace

namespace {

class PopupWindow : public RealWindow {
public:
    std::string GetSkinFile() override { return "popup.xml"; }
};

TEST_F(X11, ComboDropDownClosesOnChoiceOutsideClickAndEscape)
{
    std::ofstream(skin / "popup.xml") << R"(<Window size="300,240">
        <Font name="DejaVu Sans" size="14"/>
        <VerticalLayout bkcolor="#FF121419" inset="10,10,10,10" childpadding="10">
          <Combo name="combo" height="30" itemheight="30" bkcolor="#FF242832">
            <ListLabelElement name="first" text="First"/><ListLabelElement name="second" text="Second"/>
          </Combo>
          <Control name="empty"/>
        </VerticalLayout></Window>)";
    auto popupWindow = std::make_unique<PopupWindow>();
    PopupWindow& w = *popupWindow;
    window = std::move(popupWindow);
    ASSERT_TRUE(w.Create({}, "combo", ui::WindowStyle::Popup | ui::WindowStyle::Visible, 0, 200, 200, 300, 240));
    ASSERT_TRUE(Pump([&] { return w.GetPaintManager().HasPainted(); }));
    auto* combo = static_cast<ui::Combo*>(w.GetPaintManager().FindControl("combo"));

    Click(CentreOf("combo"));
    ASSERT_TRUE(Pump([&] { return combo->GetDropDown() && combo->GetDropDown()->IsVisible(); })) << "no drop-down";
    ui::ComboDropWindow* drop = combo->GetDropDown();
    ASSERT_TRUE(Pump([&] { return drop->GetPaintManager().HasPainted(); }));
    const ui::Rect row = drop->GetPaintManager().FindControl("second")->GetPos();
    Click(drop->ClientToScreen({(row.left + row.right) / 2, (row.top + row.bottom) / 2}));
    ASSERT_TRUE(Pump([&] { return !combo->GetDropDown(); })) << "choosing did not close it";
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_TRUE(w.Saw("itemselect:combo"));

    Click(CentreOf("combo"));
    ASSERT_TRUE(Pump([&] { return combo->GetDropDown() && combo->GetDropDown()->IsVisible(); }));
    Click(CentreOf("empty"));
    ASSERT_TRUE(Pump([&] { return !combo->GetDropDown(); })) << "a click outside did not close it";

    Click(CentreOf("combo"));
    ASSERT_TRUE(Pump([&] { return combo->GetDropDown() && combo->GetDropDown()->IsVisible(); }));
    XvfbSession::Run("xdotool key Escape");
    ASSERT_TRUE(Pump([&] { return !combo->GetDropDown(); })) << "Escape did not close it";
    EXPECT_EQ(combo->GetCurSel(), 1);
}

} // namespace

namespace {

// Runs xdotool commands one after the other, a moment from now, into
// whatever dialog has the keyboard then ("type" takes the rest of its line).
std::thread TypeLater(std::vector<std::string> commands)
{
    return std::thread([commands] {
        XvfbSession::Run("timeout 20 xdotool search --sync --onlyvisible --name 'Open|Save As'");
        for (const std::string& command : commands)
            XvfbSession::Run("xdotool sleep 0.5 " + command);
    });
}

std::string Typed(const std::string& text) { return "type --delay 10 '" + text + "'"; }

TEST_F(X11, FileDialogsTakeTypedNamesAndAskBeforeReplacing)
{
    const std::vector<ui::FileFilter> filters{{"Profile Files(*.json)", "*.json;"}};
    std::ofstream(skin / "old.json") << "{}";

    std::thread typing = TypeLater({Typed(skin / "old.json"), "key Return"});
    ui::FileDialogResult opened = platform->PickOpenFile({}, filters);
    typing.join();
    EXPECT_TRUE(opened.accepted);
    EXPECT_EQ(opened.path, skin / "old.json");

    // A new name gets the type's extension.
    typing = TypeLater({Typed(skin / "new_profile"), "key Return"});
    ui::FileDialogResult saved = platform->PickSaveFile({}, filters);
    typing.join();
    EXPECT_TRUE(saved.accepted);
    EXPECT_EQ(saved.path, skin / "new_profile.json");

    // An existing name is questioned; declining and cancelling keeps the file.
    typing = TypeLater({Typed(skin / "old.json"), "key Return", "key Escape", "key Escape"});
    ui::FileDialogResult replaced = platform->PickSaveFile({}, filters);
    typing.join();
    EXPECT_FALSE(replaced.accepted);

    typing = TypeLater({"key Escape"});
    EXPECT_FALSE(platform->PickOpenFile({}, filters).accepted);
    typing.join();
}

} // namespace
