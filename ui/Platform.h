#pragma once

#include "ui/EventLoop.h"
#include "ui/Geometry.h"
#include "ui/LoadedImage.h"
#include "ui/TrayIcon.h"
#include "ui/WindowHost.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {

class WindowImplBase;

// A file type of a file dialog: "Profile Files(*.json)" with "*.json;".
struct FileFilter {
    std::string description;
    std::string patterns; // "*.json;" or "*.png;*.jpg"
};

struct FileDialogResult {
    bool accepted = false;
    std::string path;
};

// A monitor: its full rectangle, the part free of panels, and its DPI.
struct ScreenInfo {
    Rect rect;
    Rect workArea;
    int dpi = 96;
};

// The services the toolkit needs from the windowing system. One platform is
// installed per process: the Qt host, or the headless one for tests and tools.
class Platform {
public:
    virtual ~Platform() = default;

    // The installed platform, or nullptr.
    static Platform* Current();
    // Installs (or, with nullptr, removes) the platform. The caller keeps
    // ownership and keeps it alive while installed.
    static void Install(Platform* platform);

    virtual EventLoop& Loop() = 0;
    virtual ImageLoader& Images() = 0;
    virtual std::unique_ptr<WindowHost> CreateWindowHost(WindowImplBase& window, const WindowCreateInfo& info) = 0;
    virtual std::unique_ptr<TrayIcon> CreateTrayIcon() = 0;
    virtual FileDialogResult PickOpenFile(WindowHandle owner, const std::vector<FileFilter>& filters) = 0;
    // The user may type a new name; replacing an existing file is confirmed.
    virtual FileDialogResult PickSaveFile(WindowHandle owner, const std::vector<FileFilter>& filters) = 0;
    virtual ScreenInfo ScreenNearest(const Rect& rect) = 0;
    virtual Point CursorPos() = 0;
};

} // namespace ui
