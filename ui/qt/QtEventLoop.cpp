#include "ui/qt/QtEventLoop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QThread>
#include <QTimer>

namespace ui {

QtEventLoop::QtEventLoop() : context_(std::make_unique<QObject>()), start_(std::chrono::steady_clock::now()) {}

QtEventLoop::~QtEventLoop()
{
    for (auto& [id, timer] : timers_)
        delete timer;
}

uint64_t QtEventLoop::NowMs() const
{
    return static_cast<uint64_t>(
               std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count()) +
           1000;
}

void QtEventLoop::Post(std::function<void()> task)
{
    QMetaObject::invokeMethod(
        context_.get(),
        [this, task = std::move(task)] {
            task();
            CheckNested();
        },
        Qt::QueuedConnection);
}

bool QtEventLoop::IsLoopThread() const { return QThread::currentThread() == context_->thread(); }

EventLoop::TimerId QtEventLoop::StartTimer(uint32_t intervalMs, std::function<void()> fire)
{
    const TimerId id = nextTimer_++;
    auto* timer = new QTimer(context_.get());
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(static_cast<int>(intervalMs));
    QObject::connect(timer, &QTimer::timeout, context_.get(), [this, fire = std::move(fire)] {
        fire();
        CheckNested();
    });
    timers_[id] = timer;
    timer->start();
    return id;
}

void QtEventLoop::StopTimer(TimerId id)
{
    auto it = timers_.find(id);
    if (it == timers_.end())
        return;
    it->second->stop();
    // The timer may be the one firing right now.
    it->second->deleteLater();
    timers_.erase(it);
}

void QtEventLoop::CheckNested()
{
    for (const Nested& nested : nested_)
        if (quitting_ || (*nested.finished)())
            nested.loop->quit();
}

void QtEventLoop::RunUntil(const std::function<bool()>& finished)
{
    if (quitting_ || finished())
        return;
    QEventLoop loop;
    nested_.push_back({&finished, &loop});
    // The condition may also change on another thread; look again now and then.
    QTimer recheck;
    recheck.setInterval(50);
    QObject::connect(&recheck, &QTimer::timeout, &loop, [this] { CheckNested(); });
    recheck.start();
    loop.exec(QEventLoop::AllEvents);
    nested_.pop_back();
}

int QtEventLoop::Run()
{
    quitting_ = false;
    RunUntil([] { return false; });
    quitting_ = false;
    return quitCode_;
}

void QtEventLoop::Quit(int code)
{
    quitting_ = true;
    quitCode_ = code;
    for (const Nested& nested : nested_)
        nested.loop->quit();
}

} // namespace ui
