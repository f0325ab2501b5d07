#include "ui/HeadlessTrayIcon.h"

#include "ui/WindowRegistry.h"

namespace ui {

bool HeadlessTrayIcon::Show(WindowHandle receiver, uint32_t id, MessageId callback, const std::string& iconPath,
                            const std::string& toolTip)
{
    receiver_ = receiver;
    id_ = id;
    callback_ = callback;
    icon_ = iconPath;
    toolTip_ = toolTip;
    shown_ = true;
    return true;
}

bool HeadlessTrayIcon::Click(MessageId mouseMessage)
{
    if (!shown_)
        return false;
    return PostMessage(receiver_, callback_, id_, static_cast<LParam>(mouseMessage));
}

} // namespace ui
