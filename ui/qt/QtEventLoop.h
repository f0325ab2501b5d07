#pragma once

#include "ui/EventLoop.h"

#include <chrono>
#include <map>
#include <memory>
#include <vector>

class QObject;
class QEventLoop;
class QTimer;

namespace ui {

// The toolkit's event loop on Qt's: posted tasks are queued calls on the
// thread that made the loop, timers are QTimers, nested runs are QEventLoops
// that end when their condition holds after a task, a timer or input has
// run (and, for conditions other threads change, within 50 ms).
class QtEventLoop : public EventLoop {
public:
    QtEventLoop();
    ~QtEventLoop() override;

    uint64_t NowMs() const override;
    void Post(std::function<void()> task) override;
    bool IsLoopThread() const override;
    TimerId StartTimer(uint32_t intervalMs, std::function<void()> fire) override;
    void StopTimer(TimerId id) override;
    void RunUntil(const std::function<bool()>& finished) override;
    int Run() override;
    void Quit(int code) override;
    bool IsQuitting() const override { return quitting_; }

    // Ends the nested runs whose condition now holds; the window hosts call
    // it after native input, which can close a window too.
    void CheckNested();

private:
    struct Nested {
        const std::function<bool()>* finished;
        QEventLoop* loop;
    };
    std::unique_ptr<QObject> context_;
    std::map<TimerId, QTimer*> timers_;
    TimerId nextTimer_ = 1;
    std::vector<Nested> nested_;
    bool quitting_ = false;
    int quitCode_ = 0;
    std::chrono::steady_clock::time_point start_;
};

} // namespace ui
