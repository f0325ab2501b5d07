#include "ui/WindowRegistry.h"

#include "ui/EventLoop.h"
#include "ui/Platform.h"
#include "ui/WindowImplBase.h"

#include <algorithm>

namespace ui {

WindowRegistry& WindowRegistry::Instance()
{
    static WindowRegistry registry;
    return registry;
}

WindowHandle WindowRegistry::Register(WindowImplBase* window)
{
    std::lock_guard guard(lock_);
    WindowHandle handle{nextId_++};
    windows_[handle.id] = window;
    return handle;
}

void WindowRegistry::Unregister(WindowHandle handle)
{
    std::vector<std::shared_ptr<PendingSend>> waiting;
    {
        std::lock_guard guard(lock_);
        windows_.erase(handle.id);
        auto it = pending_.find(handle.id);
        if (it != pending_.end()) {
            waiting = std::move(it->second);
            pending_.erase(it);
        }
    }
    for (auto& send : waiting)
        Finish(send, 0);
}

bool WindowRegistry::IsAlive(WindowHandle handle) const
{
    std::lock_guard guard(lock_);
    return windows_.count(handle.id) != 0;
}

WindowImplBase* WindowRegistry::Find(WindowHandle handle) const
{
    std::lock_guard guard(lock_);
    auto it = windows_.find(handle.id);
    return it == windows_.end() ? nullptr : it->second;
}

std::vector<WindowHandle> WindowRegistry::AllWindows() const
{
    std::lock_guard guard(lock_);
    std::vector<WindowHandle> all;
    for (const auto& [id, window] : windows_)
        all.push_back(WindowHandle{id});
    std::sort(all.begin(), all.end(), [](WindowHandle a, WindowHandle b) { return a.id < b.id; });
    return all;
}

bool WindowRegistry::Post(WindowHandle handle, MessageId message, WParam wParam, LParam lParam,
                          std::shared_ptr<const void> payload)
{
    Platform* platform = Platform::Current();
    if (!platform || !IsAlive(handle))
        return false;
    platform->Loop().Post([this, handle, message, wParam, lParam, payload = std::move(payload)] {
        if (WindowImplBase* window = Find(handle))
            window->DispatchMessage(message, wParam, lParam);
    });
    return true;
}

void WindowRegistry::Finish(const std::shared_ptr<PendingSend>& send, LResult result)
{
    {
        std::lock_guard guard(send->lock);
        if (send->finished)
            return;
        send->finished = true;
        send->result = result;
    }
    send->done.notify_all();
}

void WindowRegistry::Forget(WindowHandle handle, const std::shared_ptr<PendingSend>& send)
{
    std::lock_guard guard(lock_);
    auto it = pending_.find(handle.id);
    if (it == pending_.end())
        return;
    auto& list = it->second;
    list.erase(std::remove(list.begin(), list.end(), send), list.end());
    if (list.empty())
        pending_.erase(it);
}

LResult WindowRegistry::Send(WindowHandle handle, MessageId message, WParam wParam, LParam lParam)
{
    Platform* platform = Platform::Current();
    if (!platform)
        return 0;
    EventLoop& loop = platform->Loop();
    if (loop.IsLoopThread()) {
        WindowImplBase* window = Find(handle);
        return window ? window->DispatchMessage(message, wParam, lParam) : 0;
    }
    auto send = std::make_shared<PendingSend>();
    {
        std::lock_guard guard(lock_);
        if (!windows_.count(handle.id))
            return 0;
        pending_[handle.id].push_back(send);
    }
    loop.Post([this, handle, message, wParam, lParam, send] {
        {
            std::lock_guard guard(send->lock);
            if (send->finished)
                return;
        }
        WindowImplBase* window = Find(handle);
        LResult result = window ? window->DispatchMessage(message, wParam, lParam) : 0;
        Forget(handle, send);
        Finish(send, result);
    });
    std::unique_lock guard(send->lock);
    send->done.wait(guard, [&] { return send->finished; });
    return send->result;
}

void WindowRegistry::CancelPendingSends()
{
    std::unordered_map<uint64_t, std::vector<std::shared_ptr<PendingSend>>> waiting;
    {
        std::lock_guard guard(lock_);
        waiting.swap(pending_);
    }
    for (auto& [id, list] : waiting)
        for (auto& send : list)
            Finish(send, 0);
}

MessageId WindowRegistry::RegisterMessage(std::string_view name)
{
    if (name.empty())
        return 0;
    std::lock_guard guard(lock_);
    auto it = registered_.find(name);
    if (it != registered_.end())
        return it->second;
    if (nextRegistered_ > Msg::RegisteredLast)
        return 0;
    MessageId id = nextRegistered_++;
    registered_.emplace(std::string(name), id);
    return id;
}

bool PostMessage(WindowHandle handle, MessageId message, WParam wParam, LParam lParam,
                 std::shared_ptr<const void> payload)
{
    return WindowRegistry::Instance().Post(handle, message, wParam, lParam, std::move(payload));
}

LResult SendMessage(WindowHandle handle, MessageId message, WParam wParam, LParam lParam)
{
    return WindowRegistry::Instance().Send(handle, message, wParam, lParam);
}

bool IsWindow(WindowHandle handle) { return WindowRegistry::Instance().IsAlive(handle); }

void BroadcastMessage(MessageId message, WParam wParam, LParam lParam)
{
    for (WindowHandle handle : WindowRegistry::Instance().AllWindows())
        PostMessage(handle, message, wParam, lParam);
}

MessageId RegisterWindowMessage(std::string_view name) { return WindowRegistry::Instance().RegisterMessage(name); }

void PostQuitMessage(int code)
{
    if (Platform* platform = Platform::Current()) {
        EventLoop& loop = platform->Loop();
        if (loop.IsLoopThread())
            loop.Quit(code);
        else
            loop.Post([&loop, code] { loop.Quit(code); });
    }
}

} // namespace ui
