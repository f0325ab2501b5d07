#include "ui/HeadlessPlatform.h"

#include "ui/HeadlessTrayIcon.h"
#include "ui/HeadlessWindowHost.h"
#include "ui/WindowImplBase.h"
#include "ui/WindowRegistry.h"

#include <algorithm>

namespace ui {

HeadlessPlatform::HeadlessPlatform()
{
    screens_.push_back({{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96});
    Platform::Install(this);
}

HeadlessPlatform::~HeadlessPlatform()
{
    if (Platform::Current() == this)
        Platform::Install(nullptr);
}

std::unique_ptr<WindowHost> HeadlessPlatform::CreateWindowHost(WindowImplBase& window, const WindowCreateInfo& info)
{
    return std::make_unique<HeadlessWindowHost>(*this, window, info);
}

std::unique_ptr<TrayIcon> HeadlessPlatform::CreateTrayIcon()
{
    auto tray = std::make_unique<HeadlessTrayIcon>();
    lastTray_ = tray.get();
    return tray;
}

FileDialogResult HeadlessPlatform::PickOpenFile(WindowHandle, const std::vector<FileFilter>& filters)
{
    dialogFilters_.push_back(filters);
    if (answers_.empty())
        return {};
    FileDialogResult answer = answers_.front();
    answers_.pop_front();
    return answer;
}

FileDialogResult HeadlessPlatform::PickSaveFile(WindowHandle owner, const std::vector<FileFilter>& filters)
{
    return PickOpenFile(owner, filters);
}

ScreenInfo HeadlessPlatform::ScreenNearest(const Rect& rect)
{
    const Point centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    const ScreenInfo* best = &screens_.front();
    long long bestDistance = -1;
    for (const ScreenInfo& screen : screens_) {
        const long long dx = centre.x < screen.rect.left ? screen.rect.left - centre.x
                             : centre.x >= screen.rect.right ? centre.x - screen.rect.right + 1 : 0;
        const long long dy = centre.y < screen.rect.top ? screen.rect.top - centre.y
                             : centre.y >= screen.rect.bottom ? centre.y - screen.rect.bottom + 1 : 0;
        const long long distance = dx * dx + dy * dy;
        if (bestDistance < 0 || distance < bestDistance) {
            best = &screen;
            bestDistance = distance;
        }
    }
    return *best;
}

HeadlessWindowHost* HeadlessPlatform::HostOf(WindowHandle handle) const
{
    for (HeadlessWindowHost* host : hosts_)
        if (host->Window().GetHandle() == handle)
            return host;
    return nullptr;
}

void HeadlessPlatform::Click(WindowImplBase& target, Point pt)
{
    std::vector<WindowHandle> popups;
    for (HeadlessWindowHost* host : hosts_)
        if (host->IsPopup() && host->IsVisible() && &host->Window() != &target)
            popups.push_back(host->Window().GetHandle());
    for (WindowHandle popup : popups)
        SendMessage(popup, Msg::Activate, 0, 0);
    loop_.RunPending();
    if (!target.IsDestroyed())
        target.GetPaintManager().Click(pt);
}

void HeadlessPlatform::HostCreated(HeadlessWindowHost* host) { hosts_.push_back(host); }

void HeadlessPlatform::HostDestroyed(HeadlessWindowHost* host)
{
    hosts_.erase(std::remove(hosts_.begin(), hosts_.end(), host), hosts_.end());
    if (active_ == host)
        active_ = nullptr;
}

void HeadlessPlatform::Activated(HeadlessWindowHost* host)
{
    if (active_ == host)
        return;
    if (active_)
        PostMessage(active_->Window().GetHandle(), Msg::Activate, 0, 0);
    active_ = host;
    if (active_)
        PostMessage(active_->Window().GetHandle(), Msg::Activate, 1, 0);
}

} // namespace ui
