#pragma once

#include "ui/Geometry.h"
#include "ui/ImageDescription.h"
#include "ui/UiEvent.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace ui {

class Canvas;
class PaintManager;

// Interaction states of a control, as bits.
namespace ControlState {
constexpr uint32_t Focused = 0x01;
constexpr uint32_t Selected = 0x02;
constexpr uint32_t Hot = 0x08;
constexpr uint32_t Pushed = 0x10;
constexpr uint32_t Captured = 0x40;
} // namespace ControlState

// The base of every control: identity, text, geometry attributes, appearance,
// painting in stages and event handling. Sizes given by attributes are at
// 96 DPI; the paint manager's scale applies when they are used for layout.
class Control {
public:
    Control();
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Identity. GetClass() is the class name ("ControlUI"); IsClass() answers
    // for this class and its bases, by tag ("Button") or class name ("ButtonUI").
    const std::string& GetName() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    virtual std::string_view GetClass() const;
    virtual bool IsClass(std::string_view name) const;

    // Tree. SetManager attaches the control (and its subtree) to a window;
    // DoInit runs once, the first time the control gets a manager.
    PaintManager* GetManager() const { return manager_; }
    Control* GetParent() const { return parent_; }
    virtual void SetManager(PaintManager* manager, Control* parent, bool init = true);
    virtual void DoInit() {}
    // Set by the layout builder on the root of every layout file it builds,
    // so a factory may hand such a root back for a tag.
    bool IsLayoutRoot() const { return layoutRoot_; }
    void MarkLayoutRoot() { layoutRoot_ = true; }
    // Calls visit for this control and every descendant, depth first, until it
    // returns true; answers the control it stopped at.
    virtual Control* FindIf(const std::function<bool(Control*)>& visit);
    // The topmost visible control under pt that takes pointer input.
    virtual Control* HitTest(Point pt);

    // Text. With resourcetext on, the text is a language text id and GetText()
    // answers its translation in the current language.
    virtual std::string GetText() const;
    const std::string& GetRawText() const { return text_; }
    virtual void SetText(std::string text);
    bool IsResourceText() const { return resourceText_; }
    void SetResourceText(bool on);
    std::string GetToolTip() const;
    void SetToolTip(std::string text) { toolTip_ = std::move(text); }
    std::string GetToolTipTitle() const;
    void SetToolTipTitle(std::string title) { toolTipTitle_ = std::move(title); }
    const std::string& GetUserData() const { return userData_; }
    void SetUserData(std::string data) { userData_ = std::move(data); }
    std::uintptr_t GetTag() const { return tag_; }
    void SetTag(std::uintptr_t tag) { tag_ = tag; }
    const std::string& GetVirtualWnd() const { return virtualWnd_; }

    // Visibility and input. A control is shown only when it and every parent
    // are visible.
    virtual bool IsVisible() const { return visible_ && internVisible_; }
    bool IsOwnVisible() const { return visible_; }
    virtual void SetVisible(bool visible);
    virtual void SetInternVisible(bool visible);
    bool IsEnabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    bool IsMouseEnabled() const { return mouseEnabled_; }
    virtual void SetMouseEnabled(bool enabled) { mouseEnabled_ = enabled; }
    bool IsKeyboardEnabled() const { return keyboardEnabled_; }
    void SetKeyboardEnabled(bool enabled) { keyboardEnabled_ = enabled; }
    bool IsFocused() const { return (state_ & ControlState::Focused) != 0; }
    void SetFocus();
    bool IsContextMenuUsed() const { return contextMenu_; }
    void SetContextMenuUsed(bool used) { contextMenu_ = used; }
    uint32_t GetState() const { return state_; }
    bool IsHot() const { return (state_ & ControlState::Hot) != 0; }
    bool IsPushed() const { return (state_ & ControlState::Pushed) != 0; }

    // Geometry. GetPos() is the rectangle after layout.
    const Rect& GetPos() const { return pos_; }
    virtual void SetPos(const Rect& rect);
    // Fixed size at 96 DPI; 0 means the control stretches.
    int GetFixedWidth() const { return fixedWidth_; }
    int GetFixedHeight() const { return fixedHeight_; }
    void SetFixedWidth(int width);
    void SetFixedHeight(int height);
    int GetMinWidth() const { return minWidth_; }
    int GetMinHeight() const { return minHeight_; }
    int GetMaxWidth() const { return maxWidth_; }
    int GetMaxHeight() const { return maxHeight_; }
    void SetMinWidth(int v);
    void SetMinHeight(int v);
    void SetMaxWidth(int v);
    void SetMaxHeight(int v);
    const Rect& GetPadding() const { return padding_; }
    void SetPadding(const Rect& padding);
    bool IsFloat() const { return float_; }
    void SetFloat(bool on);
    const Rect& GetFloatPos() const { return floatPos_; }
    void SetFloatPos(const Rect& pos);
    // The same values scaled to the window's DPI.
    int Scale(int value) const;
    Rect Scale(const Rect& rect) const;

    // Appearance.
    uint32_t GetBkColor() const { return bkColor_; }
    void SetBkColor(uint32_t argb);
    uint32_t GetSelectedBkColor() const { return selectedBkColor_; }
    void SetSelectedBkColor(uint32_t argb);
    uint32_t GetForeColor() const { return foreColor_; }
    void SetForeColor(uint32_t argb);
    uint32_t GetBorderColor() const { return borderColor_; }
    void SetBorderColor(uint32_t argb);
    int GetBorderSize() const { return borderSize_; }
    void SetBorderSize(int size);
    Size GetBorderRound() const { return borderRound_; }
    void SetBorderRound(Size round);
    const std::string& GetBkImage() const { return bkImage_; }
    void SetBkImage(std::string image);
    const std::string& GetForeImage() const { return foreImage_; }
    void SetForeImage(std::string image);
    const std::string& GetNormalImage() const { return normalImage_; }
    void SetNormalImage(std::string image);
    uint32_t GetTextColor() const { return textColor_; }
    void SetTextColor(uint32_t argb);
    uint32_t GetDisabledTextColor() const { return disabledTextColor_; }
    void SetDisabledTextColor(uint32_t argb);
    int GetFont() const { return font_; }
    void SetFont(int id);
    unsigned GetTextStyle() const { return textStyle_; }
    void SetTextStyle(unsigned style);
    const Rect& GetTextPadding() const { return textPadding_; }
    void SetTextPadding(const Rect& padding);
    const std::string& GetCursor() const { return cursor_; }

    // Sets one attribute by its layout name. Answers false, and changes
    // nothing, for a name the class does not know or a value out of format.
    virtual bool SetAttribute(std::string_view name, std::string_view value);
    // Applies an attribute list text such as `width="30" text="ok"`.
    bool ApplyAttributeList(std::string_view list);

    // Layout and painting.
    virtual void DoPaint(Canvas& canvas, const Rect& dirty);
    void Invalidate();
    void NeedUpdate();
    void NeedParentUpdate();
    // Draws an image text over the control through the window's image cache;
    // false when it cannot be parsed or loaded.
    bool DrawImage(Canvas& canvas, std::string_view imageText, const ImageTint* tint = nullptr);
    // The same over `area`, a part of the control such as a slider's thumb.
    bool DrawImage(Canvas& canvas, std::string_view imageText, const Rect& area, const ImageTint* tint = nullptr);

    // Events arrive here from the paint manager.
    virtual void DoEvent(UiEvent& event);
    // The control's default action (a button's click); false when it is
    // hidden or disabled.
    virtual bool Activate();

protected:
    virtual void PaintBkColor(Canvas& canvas);
    virtual void PaintBkImage(Canvas& canvas);
    virtual void PaintStatusImage(Canvas& canvas);
    virtual void PaintForeColor(Canvas& canvas);
    virtual void PaintForeImage(Canvas& canvas);
    virtual void PaintText(Canvas& canvas);
    virtual void PaintBorder(Canvas& canvas);

    // The status image and text colour for the current state.
    std::string_view CurrentStatusImage() const;
    uint32_t CurrentTextColor() const;
    void SetState(uint32_t bits, bool on);
    void Notify(const char* type, WParam wParam = 0, LParam lParam = 0);

    std::string name_;
    std::string text_;
    bool resourceText_ = false;
    std::string toolTip_;
    std::string toolTipTitle_;
    std::string userData_;
    std::uintptr_t tag_ = 0;
    std::string virtualWnd_;
    PaintManager* manager_ = nullptr;
    Control* parent_ = nullptr;
    bool initialised_ = false;
    bool layoutRoot_ = false;

    bool visible_ = true;
    bool internVisible_ = true;
    bool enabled_ = true;
    bool mouseEnabled_ = true;
    bool keyboardEnabled_ = true;
    bool contextMenu_ = false;
    bool float_ = false;
    uint32_t state_ = 0;

    Rect pos_;
    int fixedWidth_ = 0;
    int fixedHeight_ = 0;
    int minWidth_ = 0;
    int minHeight_ = 0;
    int maxWidth_ = 9999;
    int maxHeight_ = 9999;
    Rect padding_;
    Rect floatPos_;

    uint32_t bkColor_ = 0;
    uint32_t hotBkColor_ = 0;
    uint32_t pushedBkColor_ = 0;
    uint32_t selectedBkColor_ = 0;
    uint32_t disabledBkColor_ = 0;
    uint32_t foreColor_ = 0;
    uint32_t borderColor_ = 0;
    uint32_t focusBorderColor_ = 0;
    int borderSize_ = 0;
    Size borderRound_;
    std::string bkImage_;
    std::string foreImage_;
    std::string normalImage_;
    std::string hotImage_;
    std::string pushedImage_;
    std::string focusedImage_;
    std::string disabledImage_;
    std::string selectedImage_;
    std::string selectedHotImage_;
    std::string selectedPushedImage_;
    uint32_t textColor_ = 0;
    uint32_t hotTextColor_ = 0;
    uint32_t pushedTextColor_ = 0;
    uint32_t disabledTextColor_ = 0;
    uint32_t selectedTextColor_ = 0;
    int font_ = -1;
    unsigned textStyle_;
    Rect textPadding_;
    std::string cursor_;
};

// Whether `name` names a class by its tag or its class name: MatchesClass("ButtonUI", "Button").
bool MatchesClass(std::string_view name, std::string_view tag);

} // namespace ui
