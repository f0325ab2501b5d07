#pragma once

#include "ui/ControlFactory.h"
#include "ui/Messages.h"
#include "ui/Notification.h"
#include "ui/PaintManager.h"
#include "ui/WindowHandle.h"
#include "ui/WindowHost.h"

#include <map>
#include <memory>
#include <string>

namespace ui {

// A skinned top-level window: builds its controls from a layout of the skin
// (GetSkinFile), receives every message in HandleMessage, the controls'
// notifications in Notify, tags of its layouts in CreateControl, and sees
// messages first as its own message filter. The native side comes from the
// installed platform.
//
// Closing: Close(code) posts Msg::Close; its default handling destroys the
// window, after which ShowModal() returns the code and OnFinalMessage runs
// (a window may delete itself there). The handle then answers nothing.
class WindowImplBase : public NotifyReceiver, public MessageFilter, public ControlFactoryCallback {
public:
    WindowImplBase();
    virtual ~WindowImplBase();
    WindowImplBase(const WindowImplBase&) = delete;
    WindowImplBase& operator=(const WindowImplBase&) = delete;

    // Makes the window; sends Msg::Create, which builds the layout. Shows it
    // when the style has WindowStyle::Visible. A null handle when there is
    // no platform.
    WindowHandle Create(WindowHandle owner, const std::string& title, uint32_t style, uint32_t exStyle, int x, int y,
                        int width, int height);
    WindowHandle CreatePopup(WindowHandle owner, const Rect& screenRect);
    WindowHandle GetHandle() const { return handle_; }
    PaintManager& GetPaintManager() { return manager_; }
    const PaintManager& GetPaintManager() const { return manager_; }
    WindowHost* GetHost() const { return host_.get(); }
    WindowHandle GetOwner() const { return owner_; }

    // What a window class supplies.
    virtual std::string GetSkinFile() { return {}; }
    virtual std::string GetWindowClassName() const = 0;
    Control* CreateControl(std::string_view) override { return nullptr; }
    void Notify(Notification&) override {}
    LResult MessageHandler(MessageId, WParam, LParam, bool&) override { return 0; }
    virtual LResult HandleMessage(MessageId message, WParam wParam, LParam lParam);
    // After the layout is built and attached.
    virtual void InitWindow() {}
    virtual void OnFinalMessage(WindowHandle) {}

    // Every message goes through here: filters, then HandleMessage.
    LResult DispatchMessage(MessageId message, WParam wParam, LParam lParam);

    void ShowWindow(bool show = true, bool activate = true);
    // Shows the window and runs a nested loop until it is destroyed, with the
    // owner disabled meanwhile; answers the code given to Close().
    int ShowModal();
    void Close(int code = 0);
    // Destroys at once; within the window's own notifications use Close().
    void DestroyWindow();
    bool IsDestroyed() const { return destroyed_; }

    void CenterWindow();
    void MoveWindow(const Rect& screenRect);
    void ResizeClient(int width, int height);
    Rect GetWindowRect() const;
    Point ClientToScreen(Point pt) const;
    void SetWindowTitle(const std::string& title);
    const std::string& GetWindowTitle() const { return title_; }
    void SetIcon(const std::string& imageFile);
    bool IsVisible() const;
    bool IsMinimized() const;
    bool IsMaximized() const;
    void SetTopMost(bool topMost);
    void EnableWindow(bool enabled);
    bool IsEnabled() const { return enabled_; }

    // Window timers: Msg::Timer with wParam = id every ms until killed.
    bool SetTimer(uint32_t id, uint32_t ms);
    bool KillTimer(uint32_t id);

    // Changes the DPI and scales the window's size by the same ratio.
    bool ApplyDpi(int dpi);

protected:
    // Builds the layout of GetSkinFile() into the paint manager.
    virtual LResult OnCreate();
    virtual LResult OnSysCommand(WParam command);
    WindowHandle CreateWith(const WindowCreateInfo& info);

    PaintManager manager_;
    std::unique_ptr<WindowHost> host_;

private:
    struct ModalState {
        bool ended = false;
        int code = 0;
    };

    WindowHandle handle_;
    WindowHandle owner_;
    std::string title_;
    bool destroyed_ = false;
    bool enabled_ = true;
    int closeCode_ = 0;
    std::shared_ptr<ModalState> modal_;
    std::map<uint32_t, uint64_t> timers_;
};

} // namespace ui
