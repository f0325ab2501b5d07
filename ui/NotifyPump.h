#pragma once

#include "ui/Notification.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Routes notifications to handlers registered by type and control name, and
// to child pumps by the sender's "virtualwnd" name, so a page controller can
// take the notifications of its own controls.
class NotifyPump {
public:
    using Handler = std::function<void(Notification&)>;

    virtual ~NotifyPump() = default;
    // name empty: every sender of that type.
    void On(std::string type, std::string name, Handler handler);
    bool AddVirtualWnd(const std::string& name, NotifyPump* pump);
    bool RemoveVirtualWnd(const std::string& name);
    // Hands the notification to a matching child pump or handler; true when
    // one took it.
    bool LoopDispatch(Notification& notification);

private:
    struct Entry {
        std::string type;
        std::string name;
        Handler handler;
    };
    std::vector<Entry> handlers_;
    std::map<std::string, NotifyPump*> virtualWnds_;
};

} // namespace ui
