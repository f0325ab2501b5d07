#pragma once

#include "ui/Geometry.h"
#include "ui/Messages.h"
#include "ui/WindowHandle.h"

#include <string>
#include <string_view>

namespace ui {

class Edit;

// How a window is made: owner, title, styles (WindowStyle, WindowExStyle) and
// its rectangle on the screen. A popup closes when the user clicks outside
// it or presses Escape.
struct WindowCreateInfo {
    WindowHandle owner;
    std::string title;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    Rect rect;
    bool popup = false;
};

// The native side of one window: the host makes one per WindowImplBase and
// reports input to the window's paint manager.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    virtual void Show(bool show, bool activate) = 0;
    virtual bool IsVisible() const = 0;
    // The window's rectangle on the screen (the client area: skinned windows
    // draw their own frame).
    virtual Rect GetRect() const = 0;
    virtual void SetRect(const Rect& rect) = 0;
    virtual void Minimize() = 0;
    virtual void Maximize() = 0;
    virtual void Restore() = 0;
    virtual bool IsMinimized() const = 0;
    virtual bool IsMaximized() const = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetIcon(const std::string& imagePath) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetTopMost(bool topMost) = 0;
    virtual void Activate() = 0;

    virtual void Invalidate(const Rect& rect) = 0;
    virtual void SetCursor(std::string_view name) = 0;
    virtual void ShowToolTip(const std::string& title, const std::string& text, Point at) = 0;
    virtual void HideToolTip() = 0;
    // A native editor over the edit control while it has the focus; the host
    // hands the typed text back through Edit::SetTextFromHost. Ending without
    // commit drops the editor only (the control is going away).
    virtual void BeginTextEdit(Edit& edit) = 0;
    virtual void EndTextEdit(bool commit) = 0;
    virtual Edit* EditingControl() const = 0;
    // The control's text changed from the program while it is being edited.
    virtual void UpdateTextEdit(Edit& edit) = 0;
    // The paint manager's layout changed the window's minimum size, caption
    // area or resize border.
    virtual void WindowAttributesChanged() = 0;
};

} // namespace ui
