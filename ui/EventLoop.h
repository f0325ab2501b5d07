#pragma once

#include <cstdint>
#include <functional>

namespace ui {

// The UI thread's loop as the toolkit sees it. The Qt host runs it on Qt's
// event loop; the headless loop runs it on a virtual clock for tests and
// tools. Everything but Post() is for the loop's own thread.
class EventLoop {
public:
    using TimerId = uint64_t;

    virtual ~EventLoop() = default;

    // Milliseconds of the loop's clock.
    virtual uint64_t NowMs() const = 0;
    // Queues a task for the loop's thread; callable from any thread. Tasks
    // run in the order they were posted.
    virtual void Post(std::function<void()> task) = 0;
    virtual bool IsLoopThread() const = 0;

    // A repeating timer; fire runs on the loop's thread every intervalMs
    // until stopped. An interval of 0 fires as often as the loop allows.
    virtual TimerId StartTimer(uint32_t intervalMs, std::function<void()> fire) = 0;
    virtual void StopTimer(TimerId id) = 0;

    // Runs the loop (nested when already running) until finished() answers
    // true or Quit() is called; finished() is asked after every task.
    virtual void RunUntil(const std::function<bool()>& finished) = 0;
    // The main loop: runs until Quit() and answers its code.
    virtual int Run() = 0;
    // Ends Run() and every nested RunUntil().
    virtual void Quit(int code) = 0;
    virtual bool IsQuitting() const = 0;
};

} // namespace ui
