#pragma once

#include "ui/Messages.h"
#include "ui/WindowHandle.h"

#include <string>

namespace ui {

// An icon in the desktop's notification area. Pointer buttons released on
// it are posted to the receiver as the callback message with wParam the
// icon id and lParam the mouse message (Msg::LeftButtonUp 514,
// Msg::RightButtonUp 517).
class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    virtual bool Show(WindowHandle receiver, uint32_t id, MessageId callback, const std::string& iconPath,
                      const std::string& toolTip) = 0;
    virtual void SetToolTip(const std::string& toolTip) = 0;
    virtual void SetIcon(const std::string& iconPath) = 0;
    virtual void Hide() = 0;
    virtual bool IsShown() const = 0;
};

} // namespace ui
