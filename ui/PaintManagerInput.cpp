// Input routing of the paint manager: hot tracking, pressed control, focus,
// keys, wheel, tooltips.
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/EventLoop.h"
#include "ui/PaintManager.h"
#include "ui/Platform.h"
#include "ui/WindowHost.h"

namespace ui {

namespace {
constexpr uint32_t kToolTipDelayMs = 400;
} // namespace

// Deletions asked for while an event is handled wait until it is over.
class PaintManager::DispatchScope {
public:
    explicit DispatchScope(PaintManager& manager) : manager_(manager) { ++manager_.dispatchDepth_; }
    ~DispatchScope()
    {
        if (--manager_.dispatchDepth_ == 0)
            manager_.FlushDeletes();
    }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;

private:
    PaintManager& manager_;
};

UiEvent PaintManager::MakeEvent(EventType type, Control* target, Point pt, uint32_t modifiers) const
{
    UiEvent event;
    event.type = type;
    event.sender = target;
    event.pt = pt;
    event.modifiers = modifiers;
    if (Platform* platform = Platform::Current())
        event.timestamp = platform->Loop().NowMs();
    return event;
}

void PaintManager::Dispatch(Control* target, UiEvent& event)
{
    if (!target)
        return;
    DispatchScope scope(*this);
    target->DoEvent(event);
}

void PaintManager::SetHot(Control* control, Point pt, uint32_t modifiers)
{
    if (control == hot_)
        return;
    DispatchScope scope(*this);
    Control* old = hot_;
    hot_ = control;
    StopToolTip();
    if (old) {
        UiEvent leave = MakeEvent(EventType::PointerLeave, old, pt, modifiers);
        Dispatch(old, leave);
    }
    if (hot_) {
        UiEvent enter = MakeEvent(EventType::PointerEnter, hot_, pt, modifiers);
        Dispatch(hot_, enter);
    }
    if (host_)
        host_->SetCursor(hot_ ? hot_->GetCursor() : std::string());
    if (hot_ && (!hot_->GetToolTip().empty() || !hot_->GetToolTipTitle().empty()))
        StartToolTip(hot_, pt);
}

void PaintManager::OnPointerMove(Point pt, uint32_t modifiers)
{
    lastPointer_ = pt;
    UpdateLayout();
    DispatchScope scope(*this);
    if (pushed_) {
        UiEvent move = MakeEvent(EventType::PointerMove, pushed_, pt, modifiers);
        Dispatch(pushed_, move);
        return;
    }
    Control* hit = FindControl(pt);
    SetHot(hit, pt, modifiers);
    if (hit) {
        UiEvent move = MakeEvent(EventType::PointerMove, hit, pt, modifiers);
        Dispatch(hit, move);
    }
}

void PaintManager::OnPointerLeave()
{
    if (!pushed_)
        SetHot(nullptr, lastPointer_, 0);
    StopToolTip();
}

void PaintManager::OnButtonDown(Point pt, uint32_t modifiers)
{
    lastPointer_ = pt;
    UpdateLayout();
    StopToolTip();
    DispatchScope scope(*this);
    Control* hit = FindControl(pt);
    SetHot(hit, pt, modifiers);
    if (!hit)
        return;
    pushed_ = hit;
    SetFocus(hit);
    if (pushed_ != hit)
        return; // gone while the focus moved
    UiEvent down = MakeEvent(EventType::ButtonDown, hit, pt, modifiers);
    Dispatch(hit, down);
}

void PaintManager::OnDoubleClick(Point pt, uint32_t modifiers)
{
    lastPointer_ = pt;
    UpdateLayout();
    DispatchScope scope(*this);
    Control* hit = FindControl(pt);
    if (!hit)
        return;
    pushed_ = hit;
    UiEvent event = MakeEvent(EventType::DoubleClick, hit, pt, modifiers);
    Dispatch(hit, event);
}

void PaintManager::OnButtonUp(Point pt, uint32_t modifiers)
{
    lastPointer_ = pt;
    DispatchScope scope(*this);
    Control* target = pushed_ ? pushed_ : FindControl(pt);
    pushed_ = nullptr;
    if (!target)
        return;
    UiEvent up = MakeEvent(EventType::ButtonUp, target, pt, modifiers);
    Dispatch(target, up);
    // The pointer may now be over something else.
    SetHot(FindControl(pt), pt, modifiers);
}

void PaintManager::OnRightButtonDown(Point pt, uint32_t modifiers)
{
    lastPointer_ = pt;
    UpdateLayout();
    StopToolTip();
    DispatchScope scope(*this);
    Control* hit = FindControl(pt);
    if (!hit)
        return;
    SetFocus(hit);
    UiEvent down = MakeEvent(EventType::RightButtonDown, hit, pt, modifiers);
    Dispatch(hit, down);
}

void PaintManager::OnRightButtonUp(Point pt, uint32_t modifiers)
{
    lastPointer_ = pt;
    DispatchScope scope(*this);
    Control* hit = FindControl(pt);
    if (!hit)
        return;
    UiEvent up = MakeEvent(EventType::RightButtonUp, hit, pt, modifiers);
    Dispatch(hit, up);
    hit = FindControl(pt);
    if (!hit)
        return;
    UiEvent menu = MakeEvent(EventType::ContextMenu, hit, pt, modifiers);
    menu.lParam = static_cast<LParam>((static_cast<uint32_t>(pt.y & 0xFFFF) << 16) | static_cast<uint32_t>(pt.x & 0xFFFF));
    Dispatch(hit, menu);
}

void PaintManager::OnWheel(Point pt, int steps, uint32_t modifiers)
{
    lastPointer_ = pt;
    UpdateLayout();
    StopToolTip();
    Control* hit = FindControl(pt);
    if (!hit)
        return;
    UiEvent wheel = MakeEvent(EventType::Wheel, hit, pt, modifiers);
    wheel.key = steps;
    Dispatch(hit, wheel);
}

void PaintManager::OnKeyDown(int key, uint32_t modifiers)
{
    // The window sees keys first (Escape closing a menu, for one).
    bool handled = false;
    FilterMessage(Msg::KeyDown, static_cast<WParam>(key), static_cast<LParam>(modifiers), handled);
    if (handled || !focus_)
        return;
    UiEvent event = MakeEvent(EventType::KeyDown, focus_, lastPointer_, modifiers);
    event.key = key;
    Dispatch(focus_, event);
}

void PaintManager::OnKeyUp(int key, uint32_t modifiers)
{
    if (!focus_)
        return;
    UiEvent event = MakeEvent(EventType::KeyUp, focus_, lastPointer_, modifiers);
    event.key = key;
    Dispatch(focus_, event);
}

void PaintManager::OnChar(const std::string& text)
{
    if (!focus_ || text.empty())
        return;
    UiEvent event = MakeEvent(EventType::Char, focus_, lastPointer_, 0);
    event.text = text;
    Dispatch(focus_, event);
}

void PaintManager::OnWindowFocus(bool focused)
{
    if (!focused)
        StopToolTip();
}

void PaintManager::Click(Point pt)
{
    OnPointerMove(pt);
    OnButtonDown(pt);
    OnButtonUp(pt);
}

bool PaintManager::ClickControl(Control* control)
{
    UpdateLayout();
    if (!control || !control->IsVisible())
        return false;
    const Rect& rc = control->GetPos();
    Click({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
    return true;
}

void PaintManager::SetFocus(Control* control)
{
    if (control == focus_)
        return;
    DispatchScope scope(*this);
    Control* old = focus_;
    focus_ = nullptr;
    if (old) {
        // The native editor hands its text back before the edit hears it lost the focus.
        if (host_ && host_->EditingControl() == old)
            host_->EndTextEdit(true);
        UiEvent kill = MakeEvent(EventType::KillFocus, old, lastPointer_, 0);
        Dispatch(old, kill);
    }
    if (!control || !control->IsVisible() || !control->IsEnabled())
        return;
    focus_ = control;
    UiEvent set = MakeEvent(EventType::SetFocus, control, lastPointer_, 0);
    Dispatch(control, set);
    if (focus_ == control && host_)
        if (auto* edit = dynamic_cast<Edit*>(control); edit && !edit->IsReadOnly())
            host_->BeginTextEdit(*edit);
}

void PaintManager::StartToolTip(Control* control, Point pt)
{
    Platform* platform = Platform::Current();
    if (!platform || !host_)
        return;
    toolTipControl_ = control;
    std::weak_ptr<PaintManager*> weak = self_;
    toolTipTimer_ = platform->Loop().StartTimer(kToolTipDelayMs, [weak, pt] {
        auto alive = weak.lock();
        if (!alive || !*alive)
            return;
        PaintManager* manager = *alive;
        Platform::Current()->Loop().StopTimer(manager->toolTipTimer_);
        manager->toolTipTimer_ = 0;
        if (manager->toolTipControl_ && manager->host_) {
            manager->host_->ShowToolTip(manager->toolTipControl_->GetToolTipTitle(),
                                        manager->toolTipControl_->GetToolTip(), pt);
            manager->toolTipShown_ = true;
        }
    });
}

void PaintManager::StopToolTip()
{
    if (toolTipTimer_) {
        if (Platform* platform = Platform::Current())
            platform->Loop().StopTimer(toolTipTimer_);
        toolTipTimer_ = 0;
    }
    if (toolTipShown_ && host_)
        host_->HideToolTip();
    toolTipShown_ = false;
    toolTipControl_ = nullptr;
}

} // namespace ui
