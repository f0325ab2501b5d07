#include "ui/WindowImplBase.h"

#include "base/Trace.h"
#include "ui/Control.h"
#include "ui/EventLoop.h"
#include "ui/LayoutBuilder.h"
#include "ui/Platform.h"
#include "ui/ResourceManager.h"
#include "ui/WindowRegistry.h"

namespace ui {

WindowImplBase::WindowImplBase() = default;

WindowImplBase::~WindowImplBase()
{
    if (handle_) {
        // Deleted without being destroyed first: no final message then.
        WindowHandle handle = handle_;
        handle_ = {};
        WindowRegistry::Instance().Unregister(handle);
        for (auto& [id, timer] : timers_)
            if (Platform* platform = Platform::Current())
                platform->Loop().StopTimer(timer);
    }
    manager_.Init(nullptr, nullptr);
    host_.reset();
}

WindowHandle WindowImplBase::Create(WindowHandle owner, const std::string& title, uint32_t style, uint32_t exStyle,
                                    int x, int y, int width, int height)
{
    WindowCreateInfo info;
    info.owner = owner;
    info.title = title;
    info.style = style;
    info.exStyle = exStyle;
    info.rect = {x, y, x + width, y + height};
    return CreateWith(info);
}

WindowHandle WindowImplBase::CreatePopup(WindowHandle owner, const Rect& screenRect)
{
    WindowCreateInfo info;
    info.owner = owner;
    info.style = WindowStyle::Popup;
    info.exStyle = WindowExStyle::ToolWindow | WindowExStyle::TopMost;
    info.rect = screenRect;
    info.popup = true;
    return CreateWith(info);
}

WindowHandle WindowImplBase::CreateWith(const WindowCreateInfo& info)
{
    Platform* platform = Platform::Current();
    if (!platform || handle_) {
        Trace("window %s: cannot be created", GetWindowClassName().c_str());
        return {};
    }
    owner_ = info.owner;
    title_ = info.title;
    destroyed_ = false;
    handle_ = WindowRegistry::Instance().Register(this);
    host_ = platform->CreateWindowHost(*this, info);
    manager_.Init(this, host_.get());
    manager_.SetClientSize({info.rect.Width(), info.rect.Height()});
    DispatchMessage(Msg::Create, 0, 0);
    if (!handle_)
        return {};
    if (info.style & WindowStyle::Visible)
        ShowWindow(true, !(info.exStyle & WindowExStyle::NoActivate));
    return handle_;
}

LResult WindowImplBase::OnCreate()
{
    manager_.SetFactoryCallback(this);
    manager_.AddNotifier(this);
    manager_.AddMessageFilter(this);
    const std::string skin = GetSkinFile();
    if (!skin.empty()) {
        LayoutBuilder builder;
        Control* root = builder.Build(skin, &manager_, this);
        if (!root)
            Trace("window %s: layout %s built nothing", GetWindowClassName().c_str(), skin.c_str());
        manager_.AttachRoot(root);
        const Size size = manager_.GetInitSize();
        if (size.cx > 0 && size.cy > 0)
            ResizeClient(manager_.Scale(size.cx), manager_.Scale(size.cy));
    }
    InitWindow();
    return 0;
}

LResult WindowImplBase::OnSysCommand(WParam command)
{
    if (!host_)
        return 0;
    switch (command & 0xFFF0) {
    case SysCommand::Minimize:
        host_->Minimize();
        break;
    case SysCommand::Maximize:
        host_->Maximize();
        break;
    case SysCommand::Restore:
        if (!host_->IsVisible())
            host_->Show(true, true);
        host_->Restore();
        break;
    case SysCommand::Close:
        Close(0);
        break;
    default:
        break;
    }
    return 0;
}

LResult WindowImplBase::HandleMessage(MessageId message, WParam wParam, LParam lParam)
{
    switch (message) {
    case Msg::Create:
        return OnCreate();
    case Msg::Close:
        closeCode_ = static_cast<int>(wParam);
        DestroyWindow();
        return 0;
    case Msg::SysCommand:
        return OnSysCommand(wParam);
    case Msg::DpiChanged: {
        manager_.SetDpi(static_cast<int>(wParam & 0xFFFF));
        if (const auto* suggested = reinterpret_cast<const Rect*>(lParam))
            MoveWindow(*suggested);
        return 0;
    }
    default:
        return 0;
    }
}

LResult WindowImplBase::DispatchMessage(MessageId message, WParam wParam, LParam lParam)
{
    if (!handle_)
        return 0;
    bool handled = false;
    LResult result = manager_.FilterMessage(message, wParam, lParam, handled);
    if (handled)
        return result;
    return HandleMessage(message, wParam, lParam);
}

void WindowImplBase::ShowWindow(bool show, bool activate)
{
    if (host_)
        host_->Show(show, activate);
}

int WindowImplBase::ShowModal()
{
    Platform* platform = Platform::Current();
    if (!platform || !handle_)
        return -1;
    auto modal = std::make_shared<ModalState>();
    modal_ = modal;
    const WindowHandle owner = owner_;
    if (WindowImplBase* ownerWindow = WindowRegistry::Instance().Find(owner))
        ownerWindow->EnableWindow(false);
    ShowWindow(true, true);
    platform->Loop().RunUntil([modal] { return modal->ended; });
    // This object may be gone now (deleted in OnFinalMessage).
    if (WindowImplBase* ownerWindow = WindowRegistry::Instance().Find(owner)) {
        ownerWindow->EnableWindow(true);
        if (ownerWindow->GetHost())
            ownerWindow->GetHost()->Activate();
    }
    return modal->ended ? modal->code : -1;
}

void WindowImplBase::Close(int code)
{
    if (handle_)
        PostMessage(handle_, Msg::Close, static_cast<WParam>(code), 0);
}

void WindowImplBase::DestroyWindow()
{
    if (!handle_ || destroyed_)
        return;
    const WindowHandle handle = handle_;
    // Senders waiting on this window get 0 now, before the window's own
    // clean-up (which may wait for those senders' threads).
    WindowRegistry::Instance().Unregister(handle);
    destroyed_ = true;
    HandleMessage(Msg::Destroy, 0, 0);
    if (Platform* platform = Platform::Current())
        for (auto& [id, timer] : timers_)
            platform->Loop().StopTimer(timer);
    timers_.clear();
    if (host_)
        host_->Show(false, false);
    manager_.Init(this, nullptr);
    host_.reset();
    handle_ = {};
    if (modal_) {
        modal_->ended = true;
        modal_->code = closeCode_;
        modal_.reset();
    }
    OnFinalMessage(handle);
}

void WindowImplBase::CenterWindow()
{
    Platform* platform = Platform::Current();
    if (!platform || !host_)
        return;
    Rect rect = host_->GetRect();
    Rect area;
    if (WindowImplBase* owner = WindowRegistry::Instance().Find(owner_); owner && owner->IsVisible())
        area = owner->GetWindowRect();
    else
        area = platform->ScreenNearest(rect).workArea;
    const int left = area.left + (area.Width() - rect.Width()) / 2;
    const int top = area.top + (area.Height() - rect.Height()) / 2;
    MoveWindow({left, top, left + rect.Width(), top + rect.Height()});
}

void WindowImplBase::MoveWindow(const Rect& screenRect)
{
    if (!host_)
        return;
    host_->SetRect(screenRect);
    manager_.SetClientSize({screenRect.Width(), screenRect.Height()});
}

void WindowImplBase::ResizeClient(int width, int height)
{
    Rect rect = GetWindowRect();
    MoveWindow({rect.left, rect.top, rect.left + width, rect.top + height});
}

Rect WindowImplBase::GetWindowRect() const { return host_ ? host_->GetRect() : Rect{}; }

Point WindowImplBase::ClientToScreen(Point pt) const
{
    Rect rect = GetWindowRect();
    return {pt.x + rect.left, pt.y + rect.top};
}

void WindowImplBase::SetWindowTitle(const std::string& title)
{
    title_ = title;
    if (host_)
        host_->SetTitle(title);
}

void WindowImplBase::SetIcon(const std::string& imageFile)
{
    if (host_)
        host_->SetIcon(ResourceManager::Instance().ResolvePath(imageFile));
}

bool WindowImplBase::IsVisible() const { return host_ && host_->IsVisible(); }

bool WindowImplBase::IsMinimized() const { return host_ && host_->IsMinimized(); }

bool WindowImplBase::IsMaximized() const { return host_ && host_->IsMaximized(); }

void WindowImplBase::SetTopMost(bool topMost)
{
    if (host_)
        host_->SetTopMost(topMost);
}

void WindowImplBase::EnableWindow(bool enabled)
{
    enabled_ = enabled;
    if (host_)
        host_->SetEnabled(enabled);
}

bool WindowImplBase::SetTimer(uint32_t id, uint32_t ms)
{
    Platform* platform = Platform::Current();
    if (!platform || !handle_)
        return false;
    KillTimer(id);
    const WindowHandle handle = handle_;
    timers_[id] = platform->Loop().StartTimer(ms, [handle, id] {
        if (WindowImplBase* window = WindowRegistry::Instance().Find(handle))
            window->DispatchMessage(Msg::Timer, id, 0);
    });
    return true;
}

bool WindowImplBase::KillTimer(uint32_t id)
{
    auto it = timers_.find(id);
    if (it == timers_.end())
        return false;
    if (Platform* platform = Platform::Current())
        platform->Loop().StopTimer(it->second);
    timers_.erase(it);
    return true;
}

bool WindowImplBase::ApplyDpi(int dpi)
{
    const int old = manager_.GetDpi();
    if (!manager_.SetDpi(dpi))
        return false;
    if (old != dpi && host_) {
        Rect rect = GetWindowRect();
        ResizeClient(rect.Width() * dpi / old, rect.Height() * dpi / old);
    }
    return true;
}

} // namespace ui
