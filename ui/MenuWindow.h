#pragma once

#include "ui/WindowImplBase.h"

#include <string>

namespace ui {

// What Msg::MenuCommand carries in wParam (a const MenuCommandRecord*): the
// chosen entry. The toolkit frees it after the owner has handled the message.
struct MenuCommandRecord {
    std::string name;
    std::string text;
    std::string userData;
};

// Menu anchor alignment: which side of the menu lies at the anchor point.
namespace MenuAlign {
constexpr int Left = 2;
constexpr int Top = 4;
constexpr int Right = 8;
constexpr int Bottom = 16;
} // namespace MenuAlign

// A popup menu built from a layout file. Choosing an entry (a MenuElement
// or any named button) closes the menu and posts Msg::MenuCommand with the
// entry's record to the owner. A click outside or Escape closes it without a
// command.
class MenuWindow : public WindowImplBase {
public:
    // Opens the menu with its corner at anchor (screen pixels) as align says
    // (MenuAlign flags; 0 reads as Left | Top), kept on the screen. The menu
    // deletes itself when it closes. nullptr when it cannot be built.
    static MenuWindow* Open(WindowHandle owner, const std::string& layout, Point anchor, int align);

    std::string GetWindowClassName() const override { return "MenuWindow"; }
    std::string GetSkinFile() override { return layout_; }
    void Notify(Notification& notification) override;
    LResult HandleMessage(MessageId message, WParam wParam, LParam lParam) override;
    LResult MessageHandler(MessageId message, WParam wParam, LParam lParam, bool& handled) override;

protected:
    void OnFinalMessage(WindowHandle handle) override;

private:
    MenuWindow(WindowHandle owner, std::string layout) : owner_(owner), layout_(std::move(layout)) {}
    void Choose(Control* entry);
    WindowHandle owner_;
    std::string layout_;
    bool chosen_ = false;
};

} // namespace ui
