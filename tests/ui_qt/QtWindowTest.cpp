#include "tests/support/TempFolder.h"
#include "tests/ui_qt/QtTestSupport.h"
#include "ui/ResourceManager.h"
#include "ui/WindowImplBase.h"
#include "ui/WindowRegistry.h"
#include "ui/qt/QtEventLoop.h"

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace {

class Dialog : public ui::WindowImplBase {
public:
    std::string GetSkinFile() override { return "dialog.xml"; }
    std::string GetWindowClassName() const override { return "Dialog"; }
    ui::LResult HandleMessage(ui::MessageId message, ui::WParam wParam, ui::LParam lParam) override
    {
        if (message == ui::Msg::Timer) {
            ++ticks;
            if (wParam == 2)
                Close(3);
            return 0;
        }
        if (message >= ui::Msg::User) {
            handled.push_back(message);
            onUiThread = ui::Platform::Current()->Loop().IsLoopThread();
            return static_cast<ui::LResult>(wParam) + 1;
        }
        return WindowImplBase::HandleMessage(message, wParam, lParam);
    }
    int ticks = 0;
    bool onUiThread = false;
    std::vector<ui::MessageId> handled;
};

class QtWindows : public ::testing::Test {
protected:
    QtWindows()
    {
        uiqt::Platform();
        ui::ResourceManager::Instance().Reset();
        ui::ResourceManager::Instance().SetSkinFolder(skin.path());
        ui::ResourceManager::Instance().Images().SetLoader(&uiqt::Platform().Images());
        std::ofstream(skin / "dialog.xml") << R"(<Window size="200,100"><VerticalLayout bkcolor="#FF121419"/></Window>)";
    }
    TempFolder skin;
};

TEST_F(QtWindows, MessagesFromWorkersAndTimersRunOnTheUiThread)
{
    Dialog dialog;
    const ui::WindowHandle handle = dialog.Create({}, "d", ui::WindowStyle::Popup | ui::WindowStyle::Visible, 0, 0, 0, 10, 10);
    ASSERT_TRUE(handle);
    EXPECT_EQ(dialog.GetWindowRect().Width(), 200) << "the layout's size";
    std::atomic<ui::LResult> sent{-1};
    std::thread worker([&] {
        ui::PostMessage(handle, ui::Msg::User + 1, 0, 0);
        sent = ui::SendMessage(handle, ui::Msg::User + 2, 41, 0);
    });
    ui::EventLoop& loop = ui::Platform::Current()->Loop();
    loop.RunUntil([&] { return sent != -1; });
    worker.join();
    EXPECT_EQ(sent, 42);
    EXPECT_TRUE(dialog.onUiThread);
    EXPECT_EQ(dialog.handled, (std::vector<ui::MessageId>{ui::Msg::User + 1, ui::Msg::User + 2}));

    dialog.SetTimer(1, 10);
    loop.RunUntil([&] { return dialog.ticks >= 3; });
    dialog.KillTimer(1);
    EXPECT_GE(dialog.ticks, 3);
}

TEST_F(QtWindows, ModalRunEndsWithTheCloseCode)
{
    Dialog owner;
    ASSERT_TRUE(owner.Create({}, "owner", ui::WindowStyle::Popup | ui::WindowStyle::Visible, 0, 0, 0, 10, 10));
    Dialog dialog;
    ASSERT_TRUE(dialog.Create(owner.GetHandle(), "modal", ui::WindowStyle::Popup, 0, 0, 0, 10, 10));
    dialog.SetTimer(2, 20);
    EXPECT_EQ(dialog.ShowModal(), 3);
    EXPECT_TRUE(dialog.IsDestroyed());
    EXPECT_TRUE(owner.IsEnabled());
    // A worker waiting on a window that is destroyed gets 0.
    Dialog doomed;
    const ui::WindowHandle handle = doomed.Create({}, "doomed", ui::WindowStyle::Popup, 0, 0, 0, 10, 10);
    std::atomic<ui::LResult> sent{-1};
    std::thread worker([&] { sent = ui::SendMessage(handle, ui::Msg::User + 3, 1, 0); });
    // The UI thread is busy elsewhere while the worker waits, then the window goes.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    doomed.DestroyWindow();
    worker.join();
    EXPECT_EQ(sent, 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(doomed.handled.empty());
}

TEST_F(QtWindows, DpiScalesTheWindow)
{
    Dialog dialog;
    ASSERT_TRUE(dialog.Create({}, "dpi", ui::WindowStyle::Popup | ui::WindowStyle::Visible, 0, 0, 0, 10, 10));
    ASSERT_TRUE(dialog.ApplyDpi(144));
    EXPECT_EQ(dialog.GetWindowRect().Width(), 300);
    EXPECT_EQ(dialog.GetPaintManager().GetClientSize(), (ui::Size{300, 150}));
}

} // namespace
