#pragma once

#include "ui/Messages.h"
#include "ui/WindowHandle.h"

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ui {

class WindowImplBase;

// The live windows of the process by handle, and the delivery of messages
// to them from any thread through the event loop of the installed platform.
class WindowRegistry {
public:
    static WindowRegistry& Instance();

    WindowHandle Register(WindowImplBase* window);
    // The window is gone: later messages are dropped and every sender still
    // waiting for it gets 0 at once.
    void Unregister(WindowHandle handle);
    bool IsAlive(WindowHandle handle) const;
    // The window object; for the UI thread only.
    WindowImplBase* Find(WindowHandle handle) const;
    std::vector<WindowHandle> AllWindows() const;

    bool Post(WindowHandle handle, MessageId message, WParam wParam, LParam lParam,
              std::shared_ptr<const void> payload = nullptr);
    LResult Send(WindowHandle handle, MessageId message, WParam wParam, LParam lParam);
    // Every waiting sender returns 0 (the loop is going away).
    void CancelPendingSends();

    MessageId RegisterMessage(std::string_view name);

private:
    struct PendingSend {
        std::mutex lock;
        std::condition_variable done;
        bool finished = false;
        LResult result = 0;
    };
    void Finish(const std::shared_ptr<PendingSend>& send, LResult result);
    void Forget(WindowHandle handle, const std::shared_ptr<PendingSend>& send);

    mutable std::mutex lock_;
    uint64_t nextId_ = 1;
    std::unordered_map<uint64_t, WindowImplBase*> windows_;
    std::unordered_map<uint64_t, std::vector<std::shared_ptr<PendingSend>>> pending_;
    std::map<std::string, MessageId, std::less<>> registered_;
    MessageId nextRegistered_ = Msg::RegisteredFirst;
};

// The message functions the program uses; all callable from any thread.
// PostMessage queues and answers whether the window exists; SendMessage runs
// the window's handler and answers its result (0 when the window is gone or
// goes while the caller waits). A payload lives until the message has been
// handled or dropped.
bool PostMessage(WindowHandle handle, MessageId message, WParam wParam = 0, LParam lParam = 0,
                 std::shared_ptr<const void> payload = nullptr);
LResult SendMessage(WindowHandle handle, MessageId message, WParam wParam = 0, LParam lParam = 0);
bool IsWindow(WindowHandle handle);
// Posts to every window of the process.
void BroadcastMessage(MessageId message, WParam wParam, LParam lParam);
// A number in 0xC000..0xFFFF, the same for the same name (exactly as
// spelled) everywhere in the process; 0 when the range is used up.
MessageId RegisterWindowMessage(std::string_view name);
// Ends the main loop (and every modal loop in it) with code.
void PostQuitMessage(int code);

} // namespace ui
