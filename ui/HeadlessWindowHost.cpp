#include "ui/HeadlessWindowHost.h"

#include "ui/HeadlessPlatform.h"
#include "ui/WindowImplBase.h"

namespace ui {

HeadlessWindowHost::HeadlessWindowHost(HeadlessPlatform& platform, WindowImplBase& window, const WindowCreateInfo& info)
    : platform_(platform), window_(window), rect_(info.rect), restored_(info.rect), popup_(info.popup),
      title_(info.title), self_(std::make_shared<HeadlessWindowHost*>(this))
{
    topMost_ = (info.exStyle & WindowExStyle::TopMost) != 0;
    platform_.HostCreated(this);
}

HeadlessWindowHost::~HeadlessWindowHost()
{
    *self_ = nullptr;
    platform_.HostDestroyed(this);
}

void HeadlessWindowHost::Show(bool show, bool activate)
{
    if (show && minimized_)
        minimized_ = false;
    visible_ = show;
    if (show) {
        window_.GetPaintManager().Invalidate();
        SchedulePaint();
        if (activate)
            Activate();
    }
}

void HeadlessWindowHost::SetRect(const Rect& rect)
{
    rect_ = rect;
    if (!maximized_)
        restored_ = rect;
}

void HeadlessWindowHost::Maximize()
{
    if (!maximized_)
        restored_ = rect_;
    maximized_ = true;
    minimized_ = false;
    rect_ = platform_.ScreenNearest(rect_).workArea;
    window_.GetPaintManager().SetClientSize({rect_.Width(), rect_.Height()});
}

void HeadlessWindowHost::Restore()
{
    minimized_ = false;
    if (maximized_) {
        maximized_ = false;
        rect_ = restored_;
        window_.GetPaintManager().SetClientSize({rect_.Width(), rect_.Height()});
    }
}

void HeadlessWindowHost::Activate() { platform_.Activated(this); }

void HeadlessWindowHost::Invalidate(const Rect&) { SchedulePaint(); }

void HeadlessWindowHost::ShowToolTip(const std::string& title, const std::string& text, Point)
{
    toolTipTitle_ = title;
    toolTip_ = text;
}

void HeadlessWindowHost::SchedulePaint()
{
    if (paintPending_ || !IsVisible())
        return;
    paintPending_ = true;
    std::weak_ptr<HeadlessWindowHost*> weak = self_;
    platform_.Loop().Post([weak] {
        auto alive = weak.lock();
        if (alive && *alive)
            (*alive)->PaintNow();
    });
}

void HeadlessWindowHost::PaintNow()
{
    paintPending_ = false;
    if (!IsVisible())
        return;
    PaintManager& manager = window_.GetPaintManager();
    lastPaint_.Clear();
    ++paintCount_;
    manager.Paint(lastPaint_, {0, 0, rect_.Width(), rect_.Height()});
}

} // namespace ui
