#pragma once

#include "ui/WindowHost.h"

#include <memory>

namespace ui {

class PaintManager;
class QtEventLoop;
class QtTextEditOverlay;
class QtWindowWidget;
class WindowImplBase;

// WindowHost on a QWidget (QtWindowWidget), made by the Qt platform.
class QtWindowHost : public WindowHost {
public:
    QtWindowHost(WindowImplBase& window, const WindowCreateInfo& info, QtEventLoop& loop);
    ~QtWindowHost() override;

    void Show(bool show, bool activate) override;
    bool IsVisible() const override;
    Rect GetRect() const override;
    void SetRect(const Rect& rect) override;
    void Minimize() override;
    void Maximize() override;
    void Restore() override;
    bool IsMinimized() const override;
    bool IsMaximized() const override;
    void SetTitle(const std::string& title) override;
    void SetIcon(const std::string& imagePath) override;
    void SetEnabled(bool enabled) override;
    void SetTopMost(bool topMost) override;
    void Activate() override;
    void Invalidate(const Rect& rect) override;
    void SetCursor(std::string_view name) override;
    void ShowToolTip(const std::string& title, const std::string& text, Point at) override;
    void HideToolTip() override;
    void BeginTextEdit(Edit& edit) override;
    void EndTextEdit(bool commit) override;
    Edit* EditingControl() const override;
    void UpdateTextEdit(Edit& edit) override;
    void WindowAttributesChanged() override;

    WindowImplBase& Window() { return window_; }
    PaintManager& Manager();
    QtEventLoop& Loop() { return loop_; }
    QtWindowWidget& Widget() { return *widget_; }
    bool IsPopup() const { return popup_; }
    QtTextEditOverlay* Overlay() const { return overlay_.get(); }
    // Tells the open popups (drop-downs, menus) other than keep that they
    // lost the pointer, so they close; false when none was open. Used when
    // input reaches another window, so popups close even where the display
    // gives no pointer grab.
    static bool ClosePopupsExcept(const QtWindowHost* keep);

private:
    WindowImplBase& window_;
    QtEventLoop& loop_;
    QtWindowWidget* widget_;
    std::unique_ptr<QtTextEditOverlay> overlay_;
    bool popup_;
    int dpi_ = 96;
};

} // namespace ui
