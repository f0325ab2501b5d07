#pragma once

#include "ui/RecordingCanvas.h"
#include "ui/WindowHost.h"

#include <memory>
#include <string>

namespace ui {

class HeadlessPlatform;
class WindowImplBase;

// A window without a display: keeps the state a real window would have and
// paints into a recording canvas from the loop whenever something was
// invalidated while the window is shown, as a windowing system would.
class HeadlessWindowHost : public WindowHost {
public:
    HeadlessWindowHost(HeadlessPlatform& platform, WindowImplBase& window, const WindowCreateInfo& info);
    ~HeadlessWindowHost() override;

    void Show(bool show, bool activate) override;
    bool IsVisible() const override { return visible_ && !minimized_; }
    Rect GetRect() const override { return rect_; }
    void SetRect(const Rect& rect) override;
    void Minimize() override { minimized_ = true; }
    void Maximize() override;
    void Restore() override;
    bool IsMinimized() const override { return minimized_; }
    bool IsMaximized() const override { return maximized_; }
    void SetTitle(const std::string& title) override { title_ = title; }
    void SetIcon(const std::string& imagePath) override { icon_ = imagePath; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    void SetTopMost(bool topMost) override { topMost_ = topMost; }
    void Activate() override;
    void Invalidate(const Rect& rect) override;
    void SetCursor(std::string_view name) override { cursor_ = std::string(name); }
    void ShowToolTip(const std::string& title, const std::string& text, Point at) override;
    void HideToolTip() override { toolTip_.clear(); toolTipTitle_.clear(); }
    void BeginTextEdit(Edit&) override {}
    void EndTextEdit(bool) override {}
    Edit* EditingControl() const override { return nullptr; }
    void UpdateTextEdit(Edit&) override {}
    void WindowAttributesChanged() override {}

    // What tests look at.
    const std::string& Title() const { return title_; }
    const std::string& Icon() const { return icon_; }
    const std::string& Cursor() const { return cursor_; }
    const std::string& ToolTip() const { return toolTip_; }
    const std::string& ToolTipTitle() const { return toolTipTitle_; }
    bool IsEnabled() const { return enabled_; }
    bool IsTopMost() const { return topMost_; }
    bool IsPopup() const { return popup_; }
    WindowImplBase& Window() { return window_; }
    const RecordingCanvas& LastPaint() const { return lastPaint_; }
    int PaintCount() const { return paintCount_; }
    // Paints now whatever is pending.
    void PaintNow();

private:
    void SchedulePaint();
    HeadlessPlatform& platform_;
    WindowImplBase& window_;
    Rect rect_;
    Rect restored_;
    bool visible_ = false;
    bool minimized_ = false;
    bool maximized_ = false;
    bool enabled_ = true;
    bool topMost_ = false;
    bool popup_ = false;
    std::string title_;
    std::string icon_;
    std::string cursor_;
    std::string toolTip_;
    std::string toolTipTitle_;
    bool paintPending_ = false;
    RecordingCanvas lastPaint_;
    int paintCount_ = 0;
    std::shared_ptr<HeadlessWindowHost*> self_;
};

} // namespace ui
