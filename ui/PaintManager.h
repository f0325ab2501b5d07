#pragma once

#include "ui/FontInfo.h"
#include "ui/FontTable.h"
#include "ui/Geometry.h"
#include "ui/Notification.h"
#include "ui/UiEvent.h"
#include "ui/WindowHandle.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Canvas;
class Control;
class ControlFactoryCallback;
class Edit;
class Option;
class WindowHost;
class WindowImplBase;

// One per window: owns the control tree, lays it out, paints it, routes input
// to controls (hot, pushed, focus), runs control timers, sends notifications
// to the window, and keeps the window's fonts, attribute sets and DPI. Also
// usable without a window (tests, tools): then painting and input are driven
// by the caller.
class PaintManager {
public:
    PaintManager();
    ~PaintManager();
    PaintManager(const PaintManager&) = delete;
    PaintManager& operator=(const PaintManager&) = delete;

    // Every live paint manager (language switch, DPI for all windows).
    static void ForEach(const std::function<void(PaintManager&)>& visit);

    void Init(WindowImplBase* window, WindowHost* host);
    WindowImplBase* GetWindow() const { return window_; }
    WindowHost* GetHost() const { return host_; }
    WindowHandle GetHandle() const;
    void SetFactoryCallback(ControlFactoryCallback* callback) { factory_ = callback; }
    ControlFactoryCallback* GetFactoryCallback() const { return factory_; }

    // The tree. AttachRoot takes ownership and deletes the previous root.
    bool AttachRoot(Control* root);
    Control* GetRoot() const { return root_; }

    // Size of the client area in device pixels; layout fills it.
    void SetClientSize(Size size);
    Size GetClientSize() const { return clientSize_; }
    void NeedUpdate();
    bool IsUpdateNeeded() const { return needUpdate_; }
    // Lays the tree out now if anything asked for it.
    void UpdateLayout();
    void Invalidate();
    void Invalidate(const Rect& rect);
    // The area to repaint since the last Paint().
    const Rect& GetDirty() const { return dirty_; }

    // Window attributes from the layout's <Window> element, at 96 DPI.
    Size GetInitSize() const { return initSize_; }
    void SetInitSize(Size size) { initSize_ = size; }
    Size GetMinInfo() const { return minInfo_; }
    void SetMinInfo(Size size);
    Size GetMaxInfo() const { return maxInfo_; }
    void SetMaxInfo(Size size);
    Rect GetCaptionRect() const { return caption_; }
    void SetCaptionRect(const Rect& rect);
    Rect GetSizeBox() const { return sizeBox_; }
    void SetSizeBox(const Rect& rect);
    Size GetRoundCorner() const { return roundCorner_; }
    void SetRoundCorner(Size size) { roundCorner_ = size; }
    // Text colours for controls that set none.
    uint32_t DefaultTextColor(bool enabled) const { return enabled ? defaultTextColor_ : defaultDisabledColor_; }
    void SetDefaultTextColor(uint32_t normal, uint32_t disabled);

    // DPI 48..192; 96 is 1:1. Values outside are refused (false).
    bool SetDpi(int dpi);
    int GetDpi() const { return dpi_; }
    int Scale(int value) const;
    // Every window's DPI; windows resize by the ratio (WindowImplBase::ApplyDpi).
    static void SetAllDpi(int dpi);

    // Fonts: own ones first, then the shared ones; a missing id gives the
    // default font. Sizes come back scaled to the DPI.
    void AddFont(int id, const FontInfo& font, bool isDefault, bool shared);
    void SetDefaultFont(const FontInfo& font, bool shared);
    FontInfo GetFont(int id) const;
    void RemoveAllFonts();
    static void RemoveAllSharedFonts();

    // Attribute sets: per class name ("Default") and named ("Style").
    void AddDefaultAttributeList(const std::string& className, std::string attributes, bool shared);
    const std::string* GetDefaultAttributeList(std::string_view className) const;
    void AddStyle(const std::string& name, std::string attributes, bool shared);
    const std::string* FindStyle(std::string_view name) const;

    // Lookup in the tree.
    Control* FindControl(std::string_view name) const;
    Control* FindControl(Point pt) const;
    Control* FindSubControlByName(Control* parent, std::string_view name) const;
    Control* FindSubControlByClass(Control* parent, std::string_view className, int index = 0) const;
    std::vector<Control*> FindSubControlsByClass(Control* parent, std::string_view className) const;

    // Radio groups of options by group name.
    void AddOptionGroup(const std::string& group, Option* option);
    void RemoveOptionGroup(const std::string& group, Option* option);
    std::vector<Option*> GetOptionGroup(const std::string& group) const;

    // Notifications go to every notifier, in the order they were added.
    void AddNotifier(NotifyReceiver* receiver);
    void RemoveNotifier(NotifyReceiver* receiver);
    void SendNotify(Control* sender, std::string_view type, WParam wParam = 0, LParam lParam = 0);
    void SendNotify(Notification& notification);

    void AddMessageFilter(MessageFilter* filter);
    void RemoveMessageFilter(MessageFilter* filter);
    LResult FilterMessage(MessageId message, WParam wParam, LParam lParam, bool& handled);

    // Control timers: a "Timer" event with wParam = id every ms until killed.
    // SetTimer and KillTimer may be called from any thread; they then take
    // effect on the UI thread.
    bool SetTimer(Control* control, uint32_t id, uint32_t ms);
    bool KillTimer(Control* control, uint32_t id);
    void KillTimers(Control* control);
    bool HasTimer(Control* control, uint32_t id) const;

    Control* GetFocus() const { return focus_; }
    void SetFocus(Control* control);
    Control* GetHot() const { return hot_; }
    Control* GetPushed() const { return pushed_; }

    // Input from the host, in client pixels.
    void OnPointerMove(Point pt, uint32_t modifiers = 0);
    void OnPointerLeave();
    void OnButtonDown(Point pt, uint32_t modifiers = 0);
    void OnButtonUp(Point pt, uint32_t modifiers = 0);
    void OnDoubleClick(Point pt, uint32_t modifiers = 0);
    void OnRightButtonDown(Point pt, uint32_t modifiers = 0);
    void OnRightButtonUp(Point pt, uint32_t modifiers = 0);
    void OnWheel(Point pt, int steps, uint32_t modifiers = 0);
    void OnKeyDown(int key, uint32_t modifiers = 0);
    void OnKeyUp(int key, uint32_t modifiers = 0);
    void OnChar(const std::string& text);
    void OnWindowFocus(bool focused);
    // Presses and releases at a point: the headless way to click.
    void Click(Point pt);
    // Clicks the middle of a control.
    bool ClickControl(Control* control);

    // Paints the dirty part (all of it on the first call). The first paint
    // sends "windowinit".
    void Paint(Canvas& canvas, const Rect& area);
    bool HasPainted() const { return painted_; }

    // Controls leaving the tree: no more events, timers or focus for them.
    void ReapControl(Control* control);
    void ReapSubtree(Control* control);
    void ControlHidden(Control* control);
    // Deletes the control once the current event is handled.
    void ScheduleDelete(Control* control);

    bool IsHostEditing(const Edit* edit) const;
    void EditTextChanged(Edit* edit);

private:
    struct TimerEntry {
        Control* control;
        uint32_t id;
        uint64_t loopTimer;
    };
    class DispatchScope;
    void Dispatch(Control* target, UiEvent& event);
    UiEvent MakeEvent(EventType type, Control* target, Point pt, uint32_t modifiers) const;
    void SetHot(Control* control, Point pt, uint32_t modifiers);
    void FlushDeletes();
    void StartToolTip(Control* control, Point pt);
    void StopToolTip();
    bool IsInTree(const Control* control) const;

    WindowImplBase* window_ = nullptr;
    WindowHost* host_ = nullptr;
    ControlFactoryCallback* factory_ = nullptr;
    Control* root_ = nullptr;
    Size clientSize_;
    bool needUpdate_ = false;
    bool inLayout_ = false;
    bool painted_ = false;
    Rect dirty_;

    Size initSize_;
    Size minInfo_;
    Size maxInfo_;
    Rect caption_;
    Rect sizeBox_;
    Size roundCorner_;
    uint32_t defaultTextColor_ = 0xFFE6E8EB;
    uint32_t defaultDisabledColor_ = 0xFF666666;
    int dpi_ = 96;

    FontTable fonts_;
    std::map<std::string, std::string, std::less<>> defaults_;
    std::map<std::string, std::string, std::less<>> styles_;
    std::map<std::string, std::vector<Option*>, std::less<>> optionGroups_;
    std::vector<NotifyReceiver*> notifiers_;
    std::vector<MessageFilter*> filters_;
    std::vector<TimerEntry> timers_;

    Control* focus_ = nullptr;
    Control* hot_ = nullptr;
    Control* pushed_ = nullptr;
    Control* toolTipControl_ = nullptr;
    uint64_t toolTipTimer_ = 0;
    bool toolTipShown_ = false;
    Point lastPointer_;
    int dispatchDepth_ = 0;
    std::vector<Control*> doomed_;
    bool flushPosted_ = false;
    // Lets tasks posted from other threads find out whether this is still alive.
    std::shared_ptr<PaintManager*> self_;
};

} // namespace ui
