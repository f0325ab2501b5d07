#include "ui/Control.h"

#include "ui/AttributeValue.h"
#include "ui/FontInfo.h"
#include "ui/PaintManager.h"
#include "ui/ResourceManager.h"

#include <algorithm>

namespace ui {

bool MatchesClass(std::string_view name, std::string_view tag)
{
    if (EqualsNoCase(name, tag))
        return true;
    return name.size() == tag.size() + 2 && EqualsNoCase(name.substr(0, tag.size()), tag) &&
           EqualsNoCase(name.substr(tag.size()), "UI");
}

Control::Control() : textStyle_(TextStyle::VCenter | TextStyle::SingleLine) {}

Control::~Control()
{
    if (manager_)
        manager_->ReapControl(this);
}

std::string_view Control::GetClass() const { return "ControlUI"; }

bool Control::IsClass(std::string_view name) const { return MatchesClass(name, "Control"); }

void Control::SetManager(PaintManager* manager, Control* parent, bool init)
{
    if (manager_ && manager_ != manager)
        manager_->ReapControl(this);
    manager_ = manager;
    parent_ = parent;
    if (init && manager_ && !initialised_) {
        initialised_ = true;
        DoInit();
    }
}

Control* Control::FindIf(const std::function<bool(Control*)>& visit) { return visit(this) ? this : nullptr; }

Control* Control::HitTest(Point pt)
{
    if (!IsVisible() || !pos_.Contains(pt) || !mouseEnabled_)
        return nullptr;
    return this;
}

std::string Control::GetText() const
{
    if (resourceText_)
        return ResourceManager::Instance().Translate(text_);
    return text_;
}

void Control::SetText(std::string text)
{
    if (text == text_)
        return;
    text_ = std::move(text);
    Invalidate();
}

void Control::SetResourceText(bool on)
{
    resourceText_ = on;
    Invalidate();
}

std::string Control::GetToolTip() const
{
    return resourceText_ ? ResourceManager::Instance().Translate(toolTip_) : toolTip_;
}

std::string Control::GetToolTipTitle() const
{
    return resourceText_ ? ResourceManager::Instance().Translate(toolTipTitle_) : toolTipTitle_;
}

void Control::SetVisible(bool visible)
{
    if (visible_ == visible)
        return;
    bool wasShown = IsVisible();
    visible_ = visible;
    if (!IsVisible() && wasShown && manager_)
        manager_->ControlHidden(this);
    NeedParentUpdate();
}

void Control::SetInternVisible(bool visible)
{
    bool wasShown = IsVisible();
    internVisible_ = visible;
    if (!IsVisible() && wasShown && manager_)
        manager_->ControlHidden(this);
}

void Control::SetEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    if (!enabled)
        state_ &= ~(ControlState::Hot | ControlState::Pushed | ControlState::Captured);
    Invalidate();
}

void Control::SetFocus()
{
    if (manager_)
        manager_->SetFocus(this);
}

void Control::SetPos(const Rect& rect)
{
    Rect old = pos_;
    pos_ = rect;
    if (manager_ && old != rect) {
        manager_->Invalidate(old);
        manager_->Invalidate(rect);
    }
}

void Control::SetFixedWidth(int width)
{
    fixedWidth_ = std::max(width, 0);
    NeedParentUpdate();
}

void Control::SetFixedHeight(int height)
{
    fixedHeight_ = std::max(height, 0);
    NeedParentUpdate();
}

void Control::SetMinWidth(int v)
{
    minWidth_ = std::max(v, 0);
    NeedParentUpdate();
}

void Control::SetMinHeight(int v)
{
    minHeight_ = std::max(v, 0);
    NeedParentUpdate();
}

void Control::SetMaxWidth(int v)
{
    maxWidth_ = std::max(v, 0);
    NeedParentUpdate();
}

void Control::SetMaxHeight(int v)
{
    maxHeight_ = std::max(v, 0);
    NeedParentUpdate();
}

void Control::SetPadding(const Rect& padding)
{
    padding_ = padding;
    NeedParentUpdate();
}

void Control::SetFloat(bool on)
{
    float_ = on;
    NeedParentUpdate();
}

void Control::SetFloatPos(const Rect& pos)
{
    floatPos_ = pos;
    NeedParentUpdate();
}

int Control::Scale(int value) const { return manager_ ? manager_->Scale(value) : value; }

Rect Control::Scale(const Rect& rect) const
{
    return {Scale(rect.left), Scale(rect.top), Scale(rect.right), Scale(rect.bottom)};
}

void Control::SetBkColor(uint32_t argb)
{
    bkColor_ = argb;
    Invalidate();
}

void Control::SetSelectedBkColor(uint32_t argb)
{
    selectedBkColor_ = argb;
    Invalidate();
}

void Control::SetForeColor(uint32_t argb)
{
    foreColor_ = argb;
    Invalidate();
}

void Control::SetBorderColor(uint32_t argb)
{
    borderColor_ = argb;
    Invalidate();
}

void Control::SetBorderSize(int size)
{
    borderSize_ = std::max(size, 0);
    Invalidate();
}

void Control::SetBorderRound(Size round)
{
    borderRound_ = round;
    Invalidate();
}

void Control::SetBkImage(std::string image)
{
    bkImage_ = std::move(image);
    Invalidate();
}

void Control::SetForeImage(std::string image)
{
    foreImage_ = std::move(image);
    Invalidate();
}

void Control::SetNormalImage(std::string image)
{
    normalImage_ = std::move(image);
    Invalidate();
}

void Control::SetTextColor(uint32_t argb)
{
    textColor_ = argb;
    Invalidate();
}

void Control::SetDisabledTextColor(uint32_t argb)
{
    disabledTextColor_ = argb;
    Invalidate();
}

void Control::SetFont(int id)
{
    font_ = id;
    Invalidate();
}

void Control::SetTextStyle(unsigned style)
{
    textStyle_ = style;
    Invalidate();
}

void Control::SetTextPadding(const Rect& padding)
{
    textPadding_ = padding;
    Invalidate();
}

bool Control::ApplyAttributeList(std::string_view list)
{
    auto pairs = ParseAttributeList(list);
    if (!pairs)
        return false;
    bool allKnown = true;
    for (const auto& [name, value] : *pairs)
        allKnown = SetAttribute(name, value) && allKnown;
    return allKnown;
}

void Control::Invalidate()
{
    if (manager_ && IsVisible())
        manager_->Invalidate(pos_);
}

void Control::NeedUpdate()
{
    if (manager_)
        manager_->NeedUpdate();
}

void Control::NeedParentUpdate() { NeedUpdate(); }

void Control::SetState(uint32_t bits, bool on)
{
    uint32_t old = state_;
    state_ = on ? (state_ | bits) : (state_ & ~bits);
    if (old != state_)
        Invalidate();
}

void Control::Notify(const char* type, WParam wParam, LParam lParam)
{
    if (manager_)
        manager_->SendNotify(this, type, wParam, lParam);
}

void Control::DoEvent(UiEvent& event)
{
    switch (event.type) {
    case EventType::SetFocus:
        SetState(ControlState::Focused, true);
        break;
    case EventType::KillFocus:
        SetState(ControlState::Focused, false);
        break;
    case EventType::Timer:
        Notify("timer", event.wParam, event.lParam);
        break;
    case EventType::ContextMenu:
        if (contextMenu_)
            Notify("menu", event.wParam, event.lParam);
        else if (parent_)
            parent_->DoEvent(event);
        break;
    case EventType::Wheel:
    case EventType::ButtonDown:
    case EventType::ButtonUp:
    case EventType::DoubleClick:
    case EventType::RightButtonDown:
    case EventType::RightButtonUp:
        // Pointer input a control does not use goes up the tree, so a press
        // on a list row's label selects the row and the wheel scrolls the
        // nearest scrolling container.
        if (parent_)
            parent_->DoEvent(event);
        break;
    default:
        break;
    }
}

bool Control::Activate() { return IsVisible() && IsEnabled(); }

} // namespace ui
