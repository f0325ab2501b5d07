#pragma once

#include "ui/HeadlessImageLoader.h"
#include "ui/HeadlessLoop.h"
#include "ui/Platform.h"

#include <deque>
#include <vector>

namespace ui {

class HeadlessTrayIcon;
class HeadlessWindowHost;

// The platform without a display, for tests and tools: the headless loop on
// a virtual clock, windows that record what they paint, tray icons and file
// dialogs that tests drive, and a configurable set of screens (one of
// 1920 x 1080 at 96 DPI unless told otherwise). Installs itself for its
// lifetime.
class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform();
    ~HeadlessPlatform() override;

    EventLoop& Loop() override { return loop_; }
    ImageLoader& Images() override { return images_; }
    std::unique_ptr<WindowHost> CreateWindowHost(WindowImplBase& window, const WindowCreateInfo& info) override;
    std::unique_ptr<TrayIcon> CreateTrayIcon() override;
    FileDialogResult PickOpenFile(WindowHandle owner, const std::vector<FileFilter>& filters) override;
    FileDialogResult PickSaveFile(WindowHandle owner, const std::vector<FileFilter>& filters) override;
    ScreenInfo ScreenNearest(const Rect& rect) override;
    Point CursorPos() override { return cursor_; }

    HeadlessLoop& Headless() { return loop_; }
    void SetScreens(std::vector<ScreenInfo> screens) { screens_ = std::move(screens); }
    void SetCursorPos(Point pt) { cursor_ = pt; }
    // The answers the next file dialogs give, in order; with none left a
    // dialog is cancelled. The filters each dialog was shown are kept.
    void QueueFileDialogAnswer(FileDialogResult answer) { answers_.push_back(std::move(answer)); }
    const std::vector<std::vector<FileFilter>>& FileDialogFilters() const { return dialogFilters_; }
    HeadlessTrayIcon* LastTrayIcon() const { return lastTray_; }

    HeadlessWindowHost* HostOf(WindowHandle handle) const;
    const std::vector<HeadlessWindowHost*>& Hosts() const { return hosts_; }
    // A press somewhere: open popups other than the target are told they
    // lost activation (and close), as the desktop does; then the target
    // window gets the click at the client point.
    void Click(WindowImplBase& target, Point pt);

    // For the window hosts.
    void HostCreated(HeadlessWindowHost* host);
    void HostDestroyed(HeadlessWindowHost* host);
    void Activated(HeadlessWindowHost* host);
    HeadlessWindowHost* ActiveHost() const { return active_; }

private:
    HeadlessLoop loop_;
    HeadlessImageLoader images_;
    std::vector<ScreenInfo> screens_;
    Point cursor_;
    std::deque<FileDialogResult> answers_;
    std::vector<std::vector<FileFilter>> dialogFilters_;
    std::vector<HeadlessWindowHost*> hosts_;
    HeadlessWindowHost* active_ = nullptr;
    HeadlessTrayIcon* lastTray_ = nullptr;
};

} // namespace ui
