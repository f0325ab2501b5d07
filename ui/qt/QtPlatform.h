#pragma once

#include "ui/Platform.h"
#include "ui/qt/QtImageLoader.h"

#include <memory>

class QApplication;

namespace ui {

class QtEventLoop;

// The platform on Qt Widgets: native windows, Qt's event loop, QImage
// decoding, the system tray, file dialogs and screens. Uses the running
// QApplication or makes one; installs itself for its lifetime. The toolkit
// scales for DPI itself, so Qt's own scaling is switched off unless the
// environment asks for it.
class QtPlatform : public Platform {
public:
    QtPlatform(int& argc, char** argv);
    ~QtPlatform() override;

    EventLoop& Loop() override;
    ImageLoader& Images() override { return images_; }
    std::unique_ptr<WindowHost> CreateWindowHost(WindowImplBase& window, const WindowCreateInfo& info) override;
    std::unique_ptr<TrayIcon> CreateTrayIcon() override;
    FileDialogResult PickOpenFile(WindowHandle owner, const std::vector<FileFilter>& filters) override;
    FileDialogResult PickSaveFile(WindowHandle owner, const std::vector<FileFilter>& filters) override;
    ScreenInfo ScreenNearest(const Rect& rect) override;
    Point CursorPos() override;

    QtEventLoop& QtLoop() { return *loop_; }

private:
    std::unique_ptr<QApplication> app_;
    std::unique_ptr<QtEventLoop> loop_;
    QtImageLoader images_;
};

} // namespace ui
