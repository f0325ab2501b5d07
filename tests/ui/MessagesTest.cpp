#include "tests/ui/UiTestSupport.h"
#include "ui/Container.h"
#include "ui/WindowRegistry.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace {

class Messages : public ::testing::Test {
protected:
    Messages()
    {
        skin.Add("w.xml", R"(<Window size="200,100"><VerticalLayout><Control name="c"/></VerticalLayout></Window>)");
        window = std::make_unique<uitest::TestWindow>("w.xml");
        handle = window->Open();
    }
    ui::HeadlessLoop& Loop() { return skin.platform.Headless(); }
    // Waits (real time) until some thread has posted a task.
    bool TaskArrives()
    {
        for (int i = 0; i < 2000 && Loop().PendingTasks() == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return Loop().PendingTasks() > 0;
    }
    std::vector<ui::MessageId> Ids() const
    {
        std::vector<ui::MessageId> ids;
        for (const auto& m : window->messages)
            ids.push_back(m.id);
        return ids;
    }

    uitest::Skin skin;
    std::unique_ptr<uitest::TestWindow> window;
    ui::WindowHandle handle;
};

TEST_F(Messages, WindowTimersFireOnVirtualTime)
{
    const uint64_t start = Loop().NowMs();
    std::vector<uint64_t> fired;
    window->onMessage = [&](ui::MessageId id, ui::WParam wParam, ui::LParam) -> ui::LResult {
        if (id == ui::Msg::Timer && wParam == 7)
            fired.push_back(Loop().NowMs() - start);
        if (id == ui::Msg::Timer && wParam == 8)
            window->KillTimer(8); // one-shot, as the program's timers are
        return 0;
    };
    window->SetTimer(7, 100);
    window->SetTimer(8, 150);
    Loop().AdvanceBy(99);
    EXPECT_TRUE(fired.empty());
    Loop().AdvanceBy(251);
    EXPECT_EQ(fired, (std::vector<uint64_t>{100, 200, 300}));
    const std::vector<ui::MessageId> ids = Ids();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), ui::Msg::Timer), 4);
    // Restarting a timer starts its wait over: 400 passes without a tick.
    window->SetTimer(7, 100);
    Loop().AdvanceBy(99);
    EXPECT_EQ(fired.size(), 3u);
    Loop().AdvanceBy(1);
    EXPECT_EQ(fired.back(), 450u);
    window->KillTimer(7);
    Loop().AdvanceBy(1000);
    EXPECT_EQ(fired.size(), 4u);
}

TEST_F(Messages, ControlTimersArriveAsTimerEvents)
{
    ui::Control* control = window->Find("c");
    std::vector<ui::WParam> timers;
    struct Spy : ui::NotifyReceiver {
        std::vector<std::pair<std::string, ui::WParam>> got;
        void Notify(ui::Notification& n) override { got.emplace_back(n.sender->GetName(), n.wParam); }
    } spy;
    window->GetPaintManager().AddNotifier(&spy);
    window->GetPaintManager().SetTimer(control, 1001, 500);
    Loop().AdvanceBy(1000);
    window->GetPaintManager().KillTimer(control, 1001);
    Loop().AdvanceBy(1000);
    std::vector<std::pair<std::string, ui::WParam>> timerNotes;
    for (auto& n : spy.got)
        if (n.second == 1001)
            timerNotes.push_back(n);
    EXPECT_EQ(timerNotes.size(), 2u);
    // A timer set from another thread takes effect on the UI thread.
    std::thread worker([&] { window->GetPaintManager().SetTimer(control, 1002, 10); });
    worker.join();
    Loop().AdvanceBy(10);
    EXPECT_TRUE(window->GetPaintManager().HasTimer(control, 1002));
    // A removed control's timers stop.
    static_cast<ui::Container*>(window->GetPaintManager().GetRoot())->Remove(control);
    EXPECT_FALSE(window->GetPaintManager().HasTimer(control, 1002));
    window->GetPaintManager().RemoveNotifier(&spy);
}

TEST_F(Messages, PostedMessagesRunInOrderAndDeadHandlesDropThem)
{
    EXPECT_TRUE(ui::PostMessage(handle, ui::Msg::User + 1, 1, 0));
    EXPECT_TRUE(ui::PostMessage(handle, ui::Msg::User + 2, 2, 0));
    std::thread([&] { ui::PostMessage(handle, ui::Msg::User + 3, 3, 0); }).join();
    EXPECT_TRUE(window->messages.empty());
    Loop().RunPending();
    EXPECT_EQ(Ids(), (std::vector<ui::MessageId>{ui::Msg::User + 1, ui::Msg::User + 2, ui::Msg::User + 3}));

    // Posted before the window went: dropped quietly.
    ui::PostMessage(handle, ui::Msg::User + 4, 0, 0);
    window->DestroyWindow();
    Loop().RunPending();
    EXPECT_EQ(window->messages.size(), 3u);
    EXPECT_EQ(window->finalMessages, 1);
    EXPECT_FALSE(ui::IsWindow(handle));
    EXPECT_FALSE(ui::PostMessage(handle, ui::Msg::User + 5, 0, 0));
    EXPECT_EQ(ui::SendMessage(handle, ui::Msg::User + 6, 0, 0), 0);
    window.reset();
    EXPECT_EQ(ui::SendMessage(handle, ui::Msg::User + 6, 0, 0), 0);
}

TEST_F(Messages, SendFromWorkerWaitsForTheUiThread)
{
    const std::thread::id uiThread = std::this_thread::get_id();
    std::thread::id handledOn;
    std::string received;
    window->onMessage = [&](ui::MessageId id, ui::WParam wParam, ui::LParam lParam) -> ui::LResult {
        handledOn = std::this_thread::get_id();
        if (id == ui::Msg::CopyData) {
            const auto* record = reinterpret_cast<const ui::CopyDataRecord*>(lParam);
            received.assign(static_cast<const char*>(record->lpData), record->cbData);
            return static_cast<ui::LResult>(record->dwData);
        }
        return static_cast<ui::LResult>(wParam) * 2;
    };
    std::atomic<ui::LResult> result{-1};
    std::atomic<ui::LResult> copied{-1};
    std::thread worker([&] {
        result = ui::SendMessage(handle, ui::Msg::DeviceArrived, 21, 0);
        const std::string block = "spectrum";
        ui::CopyDataRecord record{1, static_cast<uint32_t>(block.size()), block.data()};
        copied = ui::SendMessage(handle, ui::Msg::CopyData, 0, reinterpret_cast<ui::LParam>(&record));
    });
    EXPECT_TRUE(Loop().WaitUntil([&] { return copied != -1; }));
    worker.join();
    EXPECT_EQ(result, 42);
    EXPECT_EQ(copied, 1);
    EXPECT_EQ(received, "spectrum");
    EXPECT_EQ(handledOn, uiThread);
    // From the UI thread itself it is a direct call.
    EXPECT_EQ(ui::SendMessage(handle, ui::Msg::DeviceRemoved, 5, 0), 10);
}

TEST_F(Messages, SendToAWindowDestroyedMeanwhileAnswersZero)
{
    bool handled = false;
    window->onMessage = [&](ui::MessageId, ui::WParam, ui::LParam) -> ui::LResult {
        handled = true;
        return 7;
    };
    std::atomic<ui::LResult> result{-1};
    std::thread worker([&] { result = ui::SendMessage(handle, ui::Msg::DeviceArrived, 1, 0); });
    ASSERT_TRUE(TaskArrives());
    window->DestroyWindow();
    worker.join(); // returns without the UI thread handling anything
    EXPECT_EQ(result, 0);
    Loop().RunPending();
    EXPECT_FALSE(handled);
}

// The usual shutdown: the window's destroy handling waits for a worker that
// is itself blocked sending to the window.
class JoiningWindow : public uitest::TestWindow {
public:
    using TestWindow::TestWindow;
    ui::LResult HandleMessage(ui::MessageId message, ui::WParam wParam, ui::LParam lParam) override
    {
        if (message == ui::Msg::Destroy && worker.joinable())
            worker.join();
        return TestWindow::HandleMessage(message, wParam, lParam);
    }
    std::thread worker;
};

TEST_F(Messages, DestroyWaitingForASendingWorkerDoesNotHang)
{
    JoiningWindow joining("w.xml");
    ui::WindowHandle h = joining.Open();
    std::atomic<ui::LResult> result{-1};
    joining.worker = std::thread([&] { result = ui::SendMessage(h, ui::Msg::DeviceArrived, 1, 0); });
    ASSERT_TRUE(TaskArrives());
    joining.DestroyWindow();
    EXPECT_EQ(result, 0);
}

TEST_F(Messages, RegisteredMessagesShareOneNumberPerName)
{
    const ui::MessageId a = ui::RegisterWindowMessage("Veltrane Software");
    const ui::MessageId b = ui::RegisterWindowMessage("{4695579F-999A-41d4-9FAF-EFFCE93EBF15}");
    EXPECT_GE(a, 0xC000u);
    EXPECT_LE(b, 0xFFFFu);
    EXPECT_NE(a, b);
    std::set<ui::MessageId> fromThreads;
    std::mutex lock;
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
        threads.emplace_back([&] {
            const ui::MessageId id = ui::RegisterWindowMessage("Game_Start");
            std::lock_guard guard(lock);
            fromThreads.insert(id);
        });
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(fromThreads.size(), 1u);
    EXPECT_EQ(ui::RegisterWindowMessage("Veltrane Software"), a);
    EXPECT_EQ(ui::RegisterWindowMessage(""), 0u);
}

TEST_F(Messages, ModalRunEndsFromInsideWithItsCode)
{
    uitest::TestWindow dialog("w.xml");
    ASSERT_TRUE(dialog.Create(handle, "dialog", ui::WindowStyle::Popup, 0, 0, 0, 100, 50));
    dialog.onMessage = [&](ui::MessageId id, ui::WParam wParam, ui::LParam) -> ui::LResult {
        if (id == ui::Msg::Timer && wParam == 1) {
            EXPECT_FALSE(window->IsEnabled());
            dialog.Close(5);
        }
        return 0;
    };
    dialog.SetTimer(1, 300);
    const uint64_t start = Loop().NowMs();
    EXPECT_EQ(dialog.ShowModal(), 5);
    EXPECT_EQ(Loop().NowMs() - start, 300u);
    EXPECT_TRUE(window->IsEnabled());
    EXPECT_TRUE(dialog.IsDestroyed());
}

TEST_F(Messages, QuitFromAWorkerEndsTheMainLoop)
{
    // With no timer to jump to, the idle loop waits for the worker's post.
    std::thread worker([] { ui::PostQuitMessage(4); });
    EXPECT_EQ(Loop().Run(), 4);
    worker.join();
}

} // namespace
