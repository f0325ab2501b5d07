#include "ui/NotifyPump.h"

#include "ui/AttributeValue.h"
#include "ui/Control.h"

namespace ui {

void NotifyPump::On(std::string type, std::string name, Handler handler)
{
    handlers_.push_back({std::move(type), std::move(name), std::move(handler)});
}

bool NotifyPump::AddVirtualWnd(const std::string& name, NotifyPump* pump)
{
    if (!pump || name.empty())
        return false;
    return virtualWnds_.emplace(name, pump).second;
}

bool NotifyPump::RemoveVirtualWnd(const std::string& name) { return virtualWnds_.erase(name) != 0; }

bool NotifyPump::LoopDispatch(Notification& notification)
{
    if (notification.sender && !notification.sender->GetVirtualWnd().empty()) {
        auto it = virtualWnds_.find(notification.sender->GetVirtualWnd());
        if (it != virtualWnds_.end())
            return it->second->LoopDispatch(notification);
    }
    const std::string name = notification.sender ? notification.sender->GetName() : std::string();
    for (const Entry& entry : handlers_) {
        if (!EqualsNoCase(entry.type, notification.type))
            continue;
        if (!entry.name.empty() && !EqualsNoCase(entry.name, name))
            continue;
        entry.handler(notification);
        return true;
    }
    return false;
}

} // namespace ui
