#include "ui/MenuWindow.h"

#include "base/Trace.h"
#include "ui/Control.h"
#include "ui/MenuElement.h"
#include "ui/Platform.h"
#include "ui/WindowRegistry.h"

#include <algorithm>

namespace ui {

MenuWindow* MenuWindow::Open(WindowHandle owner, const std::string& layout, Point anchor, int align)
{
    Platform* platform = Platform::Current();
    if (!platform)
        return nullptr;
    auto* menu = new MenuWindow(owner, layout);
    if (!menu->CreatePopup(owner, {anchor.x, anchor.y, anchor.x + 1, anchor.y + 1}) ||
        !menu->GetPaintManager().GetRoot()) {
        Trace("menu %s: cannot be opened", layout.c_str());
        if (menu->GetHandle())
            menu->DestroyWindow();
        else
            delete menu;
        return nullptr;
    }
    // The layout's size decides the menu's; then it is placed at the anchor.
    Size size = menu->GetPaintManager().GetInitSize();
    size = {menu->GetPaintManager().Scale(std::max(size.cx, 1)), menu->GetPaintManager().Scale(std::max(size.cy, 1))};
    if (align == 0)
        align = MenuAlign::Left | MenuAlign::Top;
    int left = (align & MenuAlign::Right) ? anchor.x - size.cx : anchor.x;
    int top = (align & MenuAlign::Bottom) ? anchor.y - size.cy : anchor.y;
    const Rect screen = platform->ScreenNearest({anchor.x, anchor.y, anchor.x + 1, anchor.y + 1}).rect;
    left = std::clamp(left, screen.left, std::max(screen.left, screen.right - size.cx));
    top = std::clamp(top, screen.top, std::max(screen.top, screen.bottom - size.cy));
    menu->MoveWindow({left, top, left + size.cx, top + size.cy});
    menu->ShowWindow(true, true);
    return menu;
}

void MenuWindow::Choose(Control* entry)
{
    if (chosen_ || !entry || entry->GetName().empty())
        return;
    chosen_ = true;
    auto record = std::make_shared<MenuCommandRecord>();
    record->name = entry->GetName();
    record->text = entry->GetText();
    record->userData = entry->GetUserData();
    PostMessage(owner_, Msg::MenuCommand, reinterpret_cast<WParam>(record.get()), 0, record);
    Close(0);
}

void MenuWindow::Notify(Notification& notification)
{
    if (notification.type == "itemclick" || notification.type == "click")
        Choose(notification.sender);
}

LResult MenuWindow::HandleMessage(MessageId message, WParam wParam, LParam lParam)
{
    if (message == Msg::Activate && wParam == 0) {
        Close(0);
        return 0;
    }
    return WindowImplBase::HandleMessage(message, wParam, lParam);
}

LResult MenuWindow::MessageHandler(MessageId message, WParam wParam, LParam, bool& handled)
{
    if (message == Msg::KeyDown && wParam == static_cast<WParam>(Key::Escape)) {
        handled = true;
        Close(0);
    }
    return 0;
}

void MenuWindow::OnFinalMessage(WindowHandle) { delete this; }

} // namespace ui
