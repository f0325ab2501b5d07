#include "ui/PaintManager.h"

#include "base/Trace.h"
#include "ui/AttributeValue.h"
#include "ui/Canvas.h"
#include "ui/Container.h"
#include "ui/Edit.h"
#include "ui/EventLoop.h"
#include "ui/Option.h"
#include "ui/Platform.h"
#include "ui/ResourceManager.h"
#include "ui/WindowHost.h"
#include "ui/WindowImplBase.h"

#include <algorithm>
#include <mutex>

namespace ui {

namespace {
std::vector<PaintManager*>& Live()
{
    static std::vector<PaintManager*> managers;
    return managers;
}
} // namespace

PaintManager::PaintManager() : self_(std::make_shared<PaintManager*>(this)) { Live().push_back(this); }

PaintManager::~PaintManager()
{
    auto& live = Live();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    *self_ = nullptr;
    StopToolTip();
    Control* root = root_;
    root_ = nullptr;
    delete root;
    FlushDeletes();
    if (Platform* platform = Platform::Current())
        for (const TimerEntry& timer : timers_)
            platform->Loop().StopTimer(timer.loopTimer);
}

void PaintManager::ForEach(const std::function<void(PaintManager&)>& visit)
{
    std::vector<PaintManager*> copy = Live();
    for (PaintManager* manager : copy)
        visit(*manager);
}

void PaintManager::Init(WindowImplBase* window, WindowHost* host)
{
    window_ = window;
    host_ = host;
}

WindowHandle PaintManager::GetHandle() const { return window_ ? window_->GetHandle() : WindowHandle{}; }

bool PaintManager::AttachRoot(Control* root)
{
    if (root_ == root)
        return root != nullptr;
    Control* old = root_;
    focus_ = hot_ = pushed_ = nullptr;
    StopToolTip();
    root_ = root;
    if (old)
        ScheduleDelete(old);
    if (!root_)
        return false;
    root_->SetManager(this, nullptr, true);
    NeedUpdate();
    return true;
}

void PaintManager::SetClientSize(Size size)
{
    if (size == clientSize_)
        return;
    clientSize_ = size;
    NeedUpdate();
}

void PaintManager::NeedUpdate()
{
    if (inLayout_)
        return;
    needUpdate_ = true;
    Invalidate();
}

void PaintManager::UpdateLayout()
{
    if (!needUpdate_ || !root_)
        return;
    inLayout_ = true;
    needUpdate_ = false;
    root_->SetPos({0, 0, clientSize_.cx, clientSize_.cy});
    inLayout_ = false;
}

void PaintManager::Invalidate() { Invalidate({0, 0, clientSize_.cx, clientSize_.cy}); }

void PaintManager::Invalidate(const Rect& rect)
{
    Rect clipped = rect.Intersect({0, 0, clientSize_.cx, clientSize_.cy});
    if (clipped.IsEmpty())
        return;
    dirty_ = dirty_.Union(clipped);
    if (host_)
        host_->Invalidate(clipped);
}

void PaintManager::SetMinInfo(Size size)
{
    minInfo_ = size;
    if (host_)
        host_->WindowAttributesChanged();
}

void PaintManager::SetMaxInfo(Size size)
{
    maxInfo_ = size;
    if (host_)
        host_->WindowAttributesChanged();
}

void PaintManager::SetCaptionRect(const Rect& rect)
{
    caption_ = rect;
    if (host_)
        host_->WindowAttributesChanged();
}

void PaintManager::SetSizeBox(const Rect& rect)
{
    sizeBox_ = rect;
    if (host_)
        host_->WindowAttributesChanged();
}

void PaintManager::SetDefaultTextColor(uint32_t normal, uint32_t disabled)
{
    defaultTextColor_ = normal;
    defaultDisabledColor_ = disabled;
}

bool PaintManager::SetDpi(int dpi)
{
    if (dpi < 48 || dpi > 192)
        return false;
    if (dpi == dpi_)
        return true;
    dpi_ = dpi;
    NeedUpdate();
    return true;
}

int PaintManager::Scale(int value) const { return dpi_ == 96 ? value : value * dpi_ / 96; }

void PaintManager::SetAllDpi(int dpi)
{
    // Windows scale their size with their contents.
    ForEach([dpi](PaintManager& manager) {
        if (manager.window_ && manager.host_)
            manager.window_->ApplyDpi(dpi);
        else
            manager.SetDpi(dpi);
    });
}

void PaintManager::AddNotifier(NotifyReceiver* receiver)
{
    if (std::find(notifiers_.begin(), notifiers_.end(), receiver) == notifiers_.end())
        notifiers_.push_back(receiver);
}

void PaintManager::RemoveNotifier(NotifyReceiver* receiver)
{
    notifiers_.erase(std::remove(notifiers_.begin(), notifiers_.end(), receiver), notifiers_.end());
}

void PaintManager::SendNotify(Control* sender, std::string_view type, WParam wParam, LParam lParam)
{
    Notification notification;
    notification.type = std::string(type);
    notification.sender = sender;
    notification.wParam = wParam;
    notification.lParam = lParam;
    notification.pt = lastPointer_;
    SendNotify(notification);
}

void PaintManager::SendNotify(Notification& notification)
{
    if (Platform* platform = Platform::Current())
        notification.timestamp = platform->Loop().NowMs();
    ++dispatchDepth_;
    std::vector<NotifyReceiver*> receivers = notifiers_;
    for (NotifyReceiver* receiver : receivers)
        if (std::find(notifiers_.begin(), notifiers_.end(), receiver) != notifiers_.end())
            receiver->Notify(notification);
    if (--dispatchDepth_ == 0)
        FlushDeletes();
}

void PaintManager::AddMessageFilter(MessageFilter* filter)
{
    if (std::find(filters_.begin(), filters_.end(), filter) == filters_.end())
        filters_.push_back(filter);
}

void PaintManager::RemoveMessageFilter(MessageFilter* filter)
{
    filters_.erase(std::remove(filters_.begin(), filters_.end(), filter), filters_.end());
}

LResult PaintManager::FilterMessage(MessageId message, WParam wParam, LParam lParam, bool& handled)
{
    std::vector<MessageFilter*> filters = filters_;
    for (MessageFilter* filter : filters) {
        LResult result = filter->MessageHandler(message, wParam, lParam, handled);
        if (handled)
            return result;
    }
    return 0;
}

bool PaintManager::SetTimer(Control* control, uint32_t id, uint32_t ms)
{
    Platform* platform = Platform::Current();
    if (!platform || !control)
        return false;
    EventLoop& loop = platform->Loop();
    if (!loop.IsLoopThread()) {
        std::weak_ptr<PaintManager*> weak = self_;
        loop.Post([weak, control, id, ms] {
            auto alive = weak.lock();
            if (alive && *alive && (*alive)->IsInTree(control))
                (*alive)->SetTimer(control, id, ms);
        });
        return true;
    }
    KillTimer(control, id);
    std::weak_ptr<PaintManager*> weak = self_;
    uint64_t loopTimer = loop.StartTimer(ms, [weak, control, id] {
        auto alive = weak.lock();
        if (!alive || !*alive)
            return;
        PaintManager* manager = *alive;
        UiEvent event = manager->MakeEvent(EventType::Timer, control, manager->lastPointer_, 0);
        event.wParam = id;
        manager->Dispatch(control, event);
    });
    timers_.push_back({control, id, loopTimer});
    return true;
}

bool PaintManager::KillTimer(Control* control, uint32_t id)
{
    Platform* platform = Platform::Current();
    if (platform && !platform->Loop().IsLoopThread()) {
        std::weak_ptr<PaintManager*> weak = self_;
        platform->Loop().Post([weak, control, id] {
            auto alive = weak.lock();
            if (alive && *alive)
                (*alive)->KillTimer(control, id);
        });
        return true;
    }
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->control == control && it->id == id) {
            if (platform)
                platform->Loop().StopTimer(it->loopTimer);
            timers_.erase(it);
            return true;
        }
    }
    return false;
}

void PaintManager::KillTimers(Control* control)
{
    Platform* platform = Platform::Current();
    for (auto it = timers_.begin(); it != timers_.end();) {
        if (it->control == control) {
            if (platform)
                platform->Loop().StopTimer(it->loopTimer);
            it = timers_.erase(it);
        } else {
            ++it;
        }
    }
}

bool PaintManager::HasTimer(Control* control, uint32_t id) const
{
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const TimerEntry& t) { return t.control == control && t.id == id; });
}

void PaintManager::Paint(Canvas& canvas, const Rect& area)
{
    if (!painted_) {
        painted_ = true;
        if (root_)
            SendNotify(root_, "windowinit");
    }
    UpdateLayout();
    Rect clip = area.Intersect({0, 0, clientSize_.cx, clientSize_.cy});
    dirty_ = {};
    if (!root_ || clip.IsEmpty())
        return;
    canvas.PushClip(clip);
    root_->DoPaint(canvas, clip);
    canvas.PopClip();
}

bool PaintManager::IsInTree(const Control* control) const
{
    if (!root_ || !control)
        return false;
    return root_->FindIf([control](Control* c) { return c == control; }) != nullptr;
}

void PaintManager::ReapControl(Control* control)
{
    if (focus_ == control)
        focus_ = nullptr;
    if (hot_ == control)
        hot_ = nullptr;
    if (pushed_ == control)
        pushed_ = nullptr;
    if (toolTipControl_ == control)
        StopToolTip();
    if (host_ && host_->EditingControl() == control)
        host_->EndTextEdit(false);
    KillTimers(control);
}

void PaintManager::ReapSubtree(Control* control)
{
    control->FindIf([this](Control* c) {
        ReapControl(c);
        return false;
    });
}

void PaintManager::ControlHidden(Control* control)
{
    // A hidden control keeps its timers but loses focus, hot and capture.
    control->FindIf([this](Control* c) {
        if (focus_ == c)
            SetFocus(nullptr);
        if (hot_ == c)
            hot_ = nullptr;
        if (pushed_ == c)
            pushed_ = nullptr;
        if (toolTipControl_ == c)
            StopToolTip();
        return false;
    });
}

void PaintManager::ScheduleDelete(Control* control)
{
    if (!control)
        return;
    ReapSubtree(control);
    control->SetManager(nullptr, nullptr, false);
    doomed_.push_back(control);
    if (dispatchDepth_ > 0)
        return;
    Platform* platform = Platform::Current();
    if (!platform) {
        FlushDeletes();
        return;
    }
    // Outside of an event the caller may still be inside the control's own
    // code (a program call that notified): delete from the loop.
    if (!flushPosted_) {
        flushPosted_ = true;
        std::weak_ptr<PaintManager*> weak = self_;
        platform->Loop().Post([weak] {
            auto alive = weak.lock();
            if (alive && *alive) {
                (*alive)->flushPosted_ = false;
                if ((*alive)->dispatchDepth_ == 0)
                    (*alive)->FlushDeletes();
            }
        });
    }
}

void PaintManager::FlushDeletes()
{
    while (!doomed_.empty()) {
        std::vector<Control*> batch;
        batch.swap(doomed_);
        for (Control* control : batch)
            delete control;
    }
}

bool PaintManager::IsHostEditing(const Edit* edit) const { return host_ && edit && host_->EditingControl() == edit; }

void PaintManager::EditTextChanged(Edit* edit)
{
    if (IsHostEditing(edit))
        host_->UpdateTextEdit(*edit);
}

} // namespace ui
