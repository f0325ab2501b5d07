#pragma once

#include "ui/TrayIcon.h"

#include <memory>

class QSystemTrayIcon;

namespace ui {

// The tray icon on QSystemTrayIcon: a left click posts the callback with
// Msg::LeftButtonUp (514), a right click with Msg::RightButtonUp (517).
class QtTrayIcon : public TrayIcon {
public:
    QtTrayIcon();
    ~QtTrayIcon() override;
    bool Show(WindowHandle receiver, uint32_t id, MessageId callback, const std::string& iconPath,
              const std::string& toolTip) override;
    void SetToolTip(const std::string& toolTip) override;
    void SetIcon(const std::string& iconPath) override;
    void Hide() override;
    bool IsShown() const override;
    // Whether the desktop has a notification area at all.
    static bool IsAvailable();
    QSystemTrayIcon& Native() { return *icon_; }

private:
    std::unique_ptr<QSystemTrayIcon> icon_;
    WindowHandle receiver_;
    uint32_t id_ = 0;
    MessageId callback_ = 0;
};

} // namespace ui
