#include "base/StopEvent.h"
#include "base/WorkerThread.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

TEST(StopEvent, StaysSignalledUntilResetAndWakesFdWaits)
{
    StopEvent stop;
    const int other = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    ASSERT_GE(other, 0);
    EXPECT_EQ(stop.WaitWith(other, 20ms), StopEvent::Wake::TimedOut);
    const uint64_t one = 1;
    ASSERT_EQ(write(other, &one, sizeof(one)), static_cast<ssize_t>(sizeof(one)));
    EXPECT_EQ(stop.WaitWith(other, -1ns), StopEvent::Wake::Ready);

    std::thread signaller([&] {
        std::this_thread::sleep_for(20ms);
        stop.Set();
    });
    EXPECT_TRUE(stop.WaitFor(-1ns));
    signaller.join();
    // The event wins over a ready descriptor, and stays set.
    EXPECT_EQ(stop.WaitWith(other, -1ns), StopEvent::Wake::Stopped);
    EXPECT_TRUE(stop.WaitFor(0ns));
    stop.Reset();
    EXPECT_FALSE(stop.IsSet());
    EXPECT_FALSE(stop.WaitFor(10ms));
    close(other);
}

TEST(WorkerThread, StopEndsAThreadWaitingForItsEvent)
{
    WorkerThread worker;
    std::atomic<bool> sawStop{false};
    ASSERT_TRUE(worker.Start(
        [&](const StopEvent& stop, ThreadGate&) { sawStop = stop.WaitFor(-1ns); }, 1000));
    EXPECT_TRUE(worker.IsRunning());
    EXPECT_EQ(worker.Stop(), WorkerThread::StopResult::Ended);
    EXPECT_TRUE(sawStop);
    EXPECT_EQ(worker.Stop(), WorkerThread::StopResult::NotRunning);
}

TEST(WorkerThread, StartResetsAGivenEventAndTheThreadNeverDoes)
{
    auto stop = std::make_shared<StopEvent>();
    stop->Set();
    WorkerThread worker;
    std::atomic<int> setAtStart{-1};
    ASSERT_TRUE(worker.Start([&](const StopEvent& event, ThreadGate&) {
        setAtStart = event.IsSet() ? 1 : 0;
        event.WaitFor(-1ns);
    }, 1000, stop));
    for (int i = 0; i < 500 && setAtStart < 0; ++i)
        std::this_thread::sleep_for(1ms);
    EXPECT_EQ(setAtStart, 0);
    EXPECT_EQ(worker.Stop(), WorkerThread::StopResult::Ended);

    // A stop right after the start is not lost to the thread starting up.
    ASSERT_TRUE(worker.Start([](const StopEvent& event, ThreadGate&) { event.WaitFor(-1ns); }, 1000, stop));
    EXPECT_EQ(worker.Stop(), WorkerThread::StopResult::Ended);
}

// A thread that ignores its stop is left behind at the time limit, and from
// then on cannot reach the object it worked on, which is freed at once.
TEST(WorkerThread, ThreadLeftBehindNeverReachesItsFreedOwner)
{
    struct Owner {
        int passes = 0;
    };
    auto owner = std::make_unique<Owner>();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    WorkerThread worker;
    Owner* target = owner.get();
    ASSERT_TRUE(worker.Start([target, finished](const StopEvent&, ThreadGate& gate) {
        for (;;) {
            if (auto pass = gate.Enter())
                ++target->passes;
            else
                break;
            std::this_thread::sleep_for(2ms);
        }
        *finished = true;
    }, 50));
    std::this_thread::sleep_for(20ms);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(worker.Stop(), WorkerThread::StopResult::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
    EXPECT_GT(owner->passes, 0);
    owner.reset();
    for (int i = 0; i < 500 && !*finished; ++i)
        std::this_thread::sleep_for(2ms);
    EXPECT_TRUE(*finished);
}

} // namespace
