#pragma once

#include "ui/TrayIcon.h"

namespace ui {

// A tray icon without a desktop: remembers what it shows, and Click() posts
// the callback message as a real icon would.
class HeadlessTrayIcon : public TrayIcon {
public:
    bool Show(WindowHandle receiver, uint32_t id, MessageId callback, const std::string& iconPath,
              const std::string& toolTip) override;
    void SetToolTip(const std::string& toolTip) override { toolTip_ = toolTip; }
    void SetIcon(const std::string& iconPath) override { icon_ = iconPath; }
    void Hide() override { shown_ = false; }
    bool IsShown() const override { return shown_; }

    const std::string& ToolTip() const { return toolTip_; }
    const std::string& Icon() const { return icon_; }
    // mouseMessage: Msg::LeftButtonUp or Msg::RightButtonUp. False when hidden.
    bool Click(MessageId mouseMessage);

private:
    WindowHandle receiver_;
    uint32_t id_ = 0;
    MessageId callback_ = 0;
    std::string icon_;
    std::string toolTip_;
    bool shown_ = false;
};

} // namespace ui
